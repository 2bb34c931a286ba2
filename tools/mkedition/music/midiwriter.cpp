#include "tools/mkedition/music/midiwriter.h"

#include <algorithm>
#include <tuple>

namespace {

// One event before encoding; at one tick, set-up comes first, then note ends, then note starts,
// so that a note struck again right after itself sounds.
struct TimedEvent {
    uint32_t tick;
    int order;
    std::vector<uint8_t> bytes;  // status byte first
};

enum EventOrder { kSetUp = 0, kNoteEnd = 1, kNoteStart = 2 };

void putBigEndian(std::vector<uint8_t>& out, uint32_t value, int count) {
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void putQuantity(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

TimedEvent metaEvent(uint32_t tick, uint8_t type, const std::vector<uint8_t>& data) {
    TimedEvent event{tick, kSetUp, {0xFF, type}};
    putQuantity(event.bytes, static_cast<uint32_t>(data.size()));
    event.bytes.insert(event.bytes.end(), data.begin(), data.end());
    return event;
}

TimedEvent channelEvent(uint32_t tick, int order, int status, int channel, int data1, int data2) {
    return TimedEvent{tick,
                      order,
                      {static_cast<uint8_t>(status | channel), static_cast<uint8_t>(data1),
                       static_cast<uint8_t>(data2)}};
}

int log2Of(int value) {
    int power = 0;
    while ((1 << power) < value) ++power;
    return power;
}

// Sorted by time, delta-timed, closed by the end of track at endTick. Channel messages use
// running status; a meta event cancels it, as strict readers expect.
std::vector<uint8_t> trackChunk(std::vector<TimedEvent> events, uint32_t endTick) {
    std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    events.push_back(metaEvent(endTick, 0x2F, {}));
    std::vector<uint8_t> body;
    uint32_t now = 0;
    uint8_t running = 0;
    for (const TimedEvent& event : events) {
        putQuantity(body, event.tick - now);
        now = event.tick;
        const uint8_t status = event.bytes[0];
        const bool channelMessage = status < 0xF0;
        const bool skipStatus = channelMessage && status == running;
        running = channelMessage ? status : 0;
        body.insert(body.end(), event.bytes.begin() + (skipStatus ? 1 : 0), event.bytes.end());
    }
    std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
    putBigEndian(chunk, static_cast<uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<TimedEvent> conductorEvents(const Song& song) {
    std::vector<TimedEvent> events;
    events.push_back(
        metaEvent(0, 0x03, std::vector<uint8_t>(song.title.begin(), song.title.end())));
    const auto unitPower = static_cast<uint8_t>(log2Of(song.meterUnit));
    // 24 MIDI clocks to the metronome click and 8 thirty-seconds to the quarter: the usual.
    events.push_back(metaEvent(0, 0x58, {static_cast<uint8_t>(song.meterBeats), unitPower, 24, 8}));
    for (const SongTempo& tempo : song.tempos) {
        const uint32_t micros = 60000000u / static_cast<uint32_t>(tempo.beatsPerMinute);
        events.push_back(
            metaEvent(tempo.tick, 0x51,
                      {static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
                       static_cast<uint8_t>(micros)}));
    }
    return events;
}

std::vector<TimedEvent> partEvents(const SongPart& part) {
    std::vector<TimedEvent> events;
    events.push_back(metaEvent(0, 0x03, std::vector<uint8_t>(part.name.begin(), part.name.end())));
    events.push_back(TimedEvent{
        0,
        kSetUp,
        {static_cast<uint8_t>(0xC0 | part.channel), static_cast<uint8_t>(part.program)}});
    events.push_back(channelEvent(0, kSetUp, 0xB0, part.channel, 7, part.volume));
    events.push_back(channelEvent(0, kSetUp, 0xB0, part.channel, 10, part.pan));
    events.push_back(channelEvent(0, kSetUp, 0xB0, part.channel, 91, part.reverb));
    for (const SongNote& note : part.notes) {
        events.push_back(
            channelEvent(note.start, kNoteStart, 0x90, part.channel, note.pitch, note.velocity));
        // A note-on of velocity 0 ends a note and keeps the running status.
        events.push_back(
            channelEvent(note.start + note.length, kNoteEnd, 0x90, part.channel, note.pitch, 0));
    }
    return events;
}

}  // namespace

std::vector<uint8_t> WriteMidi(const Song& song) {
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    putBigEndian(file, static_cast<uint32_t>(song.parts.size() + 1), 2);
    putBigEndian(file, songtime::kTicksPerQuarter, 2);
    std::vector<std::vector<TimedEvent>> tracks = {conductorEvents(song)};
    for (const SongPart& part : song.parts) tracks.push_back(partEvents(part));
    for (std::vector<TimedEvent>& events : tracks) {
        const std::vector<uint8_t> chunk = trackChunk(std::move(events), song.endTick);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}
