// Standard MIDI Files (format 0 and 1, ticks per quarter note) read into events with absolute
// ticks and a tempo map. The bytes are untrusted: anything malformed is refused with a reason,
// and sizes are capped so that a hostile file cannot make the reader allocate without bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct MidiEvent {
    uint32_t tick = 0;          // from the start of the piece
    uint8_t status = 0;         // 0x80-0xEF channel message, 0xF0/0xF7 system exclusive, 0xFF meta
    uint8_t metaType = 0;       // meta events only
    uint8_t data1 = 0;          // channel messages
    uint8_t data2 = 0;          // channel messages with two data bytes
    std::vector<uint8_t> data;  // meta and system exclusive payload
};

struct MidiTrack {
    std::vector<MidiEvent> events;  // in file order; the last one is the end of track
};

struct TempoChange {
    uint32_t tick = 0;
    uint32_t microsPerQuarter = 500000;
};

struct MidiFile {
    int format = 0;
    int ticksPerQuarter = 0;
    std::vector<MidiTrack> tracks;
    // Tempo events of every track by tick; always starts at tick 0 (120 beats a minute unless
    // the file sets another tempo there).
    std::vector<TempoChange> tempoMap;

    uint32_t endTick() const;  // the latest end of track
    double secondsAt(uint32_t tick) const;
    double durationSeconds() const { return secondsAt(endTick()); }
    // Rounded up to whole milliseconds and capped at what a timer takes: a file may last years.
    int durationMilliseconds() const;
};

struct MidiReadOutcome {
    bool ok = false;
    std::string error;
    MidiFile file;
};

namespace midilimits {
constexpr size_t kMaxFileBytes = 8u << 20;
constexpr size_t kMaxEvents = 1u << 20;
}  // namespace midilimits

MidiReadOutcome ParseMidiFile(const uint8_t* bytes, size_t size);
MidiReadOutcome ParseMidiFile(const std::vector<uint8_t>& bytes);
// A missing or unreadable file is refused like a damaged one.
MidiReadOutcome ReadMidiFile(const std::string& path);
