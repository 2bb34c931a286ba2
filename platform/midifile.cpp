#include "platform/midifile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

namespace {

constexpr uint32_t kDefaultMicrosPerQuarter = 500000;

// A bounded view of the bytes; every read checks what is left.
class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t remaining() const { return size_ - pos_; }
    bool atEnd() const { return pos_ == size_; }

    bool byte(uint8_t& value) {
        if (remaining() < 1) return false;
        value = data_[pos_++];
        return true;
    }
    bool bigEndian(int count, uint32_t& value) {
        if (remaining() < static_cast<size_t>(count)) return false;
        value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | data_[pos_++];
        return true;
    }
    bool skip(size_t count) {
        if (remaining() < count) return false;
        pos_ += count;
        return true;
    }
    // A slice of the next count bytes, consumed from this reader.
    bool take(size_t count, ByteReader& slice) {
        if (remaining() < count) return false;
        slice = ByteReader(data_ + pos_, count);
        pos_ += count;
        return true;
    }
    bool copy(size_t count, std::vector<uint8_t>& out) {
        if (remaining() < count) return false;
        out.assign(data_ + pos_, data_ + pos_ + count);
        pos_ += count;
        return true;
    }
    bool startsWith(const char (&tag)[5]) const {
        return remaining() >= 4 && std::memcmp(data_ + pos_, tag, 4) == 0;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Channel messages 0xC0 (program) and 0xD0 (channel pressure) carry one data byte.
int dataBytesOf(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

class Parser {
  public:
    explicit Parser(MidiFile& file) : file_(file) {}

    bool parse(ByteReader in) {
        uint16_t trackCount = 0;
        if (!readHeader(in, trackCount)) return false;
        while (file_.tracks.size() < trackCount) {
            const std::string which = "track " + std::to_string(file_.tracks.size() + 1);
            uint32_t length = 0;
            const bool isTrack = in.startsWith("MTrk");
            ByteReader chunk(nullptr, 0);
            if (!in.skip(4) || !in.bigEndian(4, length))
                return fail("the file ends before " + which);
            if (!in.take(length, chunk)) return fail(which + " runs past the end of the file");
            // Chunks of unknown kinds are skipped, as the file format asks.
            if (!isTrack) continue;
            file_.tracks.emplace_back();
            if (!readTrack(chunk, file_.tracks.back(), which)) return false;
        }
        buildTempoMap();
        return true;
    }

    const std::string& error() const { return error_; }

  private:
    bool fail(const std::string& reason) {
        error_ = reason;
        return false;
    }

    bool readHeader(ByteReader& in, uint16_t& trackCount) {
        if (!in.startsWith("MThd")) return fail("not a MIDI file (no MThd header)");
        ByteReader header(nullptr, 0);
        uint32_t length = 0;
        in.skip(4);
        if (!in.bigEndian(4, length) || length < 6 || !in.take(length, header))
            return fail("the MIDI header is cut short");
        uint32_t format = 0, tracks = 0, division = 0;
        header.bigEndian(2, format);
        header.bigEndian(2, tracks);
        header.bigEndian(2, division);
        if (format > 1)
            return fail("MIDI file format " + std::to_string(format) + " is not supported");
        if (tracks == 0) return fail("the MIDI file has no tracks");
        if (format == 0 && tracks != 1) return fail("a format 0 MIDI file must have one track");
        if (division & 0x8000) return fail("SMPTE time division is not supported");
        if (division == 0) return fail("the time division is zero");
        file_.format = static_cast<int>(format);
        file_.ticksPerQuarter = static_cast<int>(division);
        trackCount = static_cast<uint16_t>(tracks);
        return true;
    }

    // At most four bytes, seven bits each, high bit set on all but the last.
    bool readQuantity(ByteReader& in, uint32_t& value, const std::string& which) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b = 0;
            if (!in.byte(b)) return fail(which + " is cut short");
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return fail(which + " has a variable-length number longer than four bytes");
    }

    bool readPayload(ByteReader& in, MidiEvent& event, const std::string& which) {
        uint32_t length = 0;
        if (!readQuantity(in, length, which)) return false;
        if (!in.copy(length, event.data))
            return fail(which + " has an event longer than the track");
        return true;
    }

    bool readMeta(ByteReader& in, MidiEvent& event, const std::string& which) {
        if (!in.byte(event.metaType)) return fail(which + " is cut short");
        if (!readPayload(in, event, which)) return false;
        if (event.metaType == 0x51) {
            if (event.data.size() != 3) return fail(which + " has a tempo event of the wrong size");
            if (tempoOf(event) == 0) return fail(which + " has a tempo of zero");
        }
        return true;
    }

    bool readChannelMessage(ByteReader& in, uint8_t first, uint8_t& running, MidiEvent& event,
                            const std::string& which) {
        // Running status: a data byte repeats the previous channel status. Meta and system
        // exclusive events leave it alone; some files rely on that.
        if (first & 0x80) {
            running = first;
            if (!in.byte(first)) return fail(which + " is cut short");
        } else if (running == 0) {
            return fail(which + " has a data byte without a status byte");
        }
        event.status = running;
        event.data1 = first;
        if (dataBytesOf(running) == 2 && !in.byte(event.data2))
            return fail(which + " is cut short");
        if ((event.data1 | event.data2) & 0x80) return fail(which + " has a data byte above 127");
        return true;
    }

    bool readTrack(ByteReader in, MidiTrack& track, const std::string& which) {
        uint64_t tick = 0;
        uint8_t running = 0;
        for (;;) {
            if (in.atEnd()) return fail(which + " ends without an end-of-track event");
            if (++eventCount_ > midilimits::kMaxEvents)
                return fail("the MIDI file has too many events");
            uint32_t delta = 0;
            if (!readQuantity(in, delta, which)) return false;
            tick += delta;
            if (tick > std::numeric_limits<uint32_t>::max()) return fail(which + " is too long");
            MidiEvent event;
            event.tick = static_cast<uint32_t>(tick);
            uint8_t first = 0;
            if (!in.byte(first)) return fail(which + " is cut short");
            if (first == 0xFF) {
                event.status = first;
                if (!readMeta(in, event, which)) return false;
            } else if (first == 0xF0 || first == 0xF7) {
                event.status = first;
                if (!readPayload(in, event, which)) return false;
            } else if (first > 0xF0) {
                return fail(which + " has a system message that has no place in a file");
            } else if (!readChannelMessage(in, first, running, event, which)) {
                return false;
            }
            const bool end = event.status == 0xFF && event.metaType == 0x2F;
            if (event.status == 0xFF && event.metaType == 0x51)
                tempos_.push_back(TempoChange{event.tick, tempoOf(event)});
            track.events.push_back(std::move(event));
            // Whatever follows the end of track inside the chunk is ignored.
            if (end) return true;
        }
    }

    static uint32_t tempoOf(const MidiEvent& event) {
        return (uint32_t{event.data[0]} << 16) | (uint32_t{event.data[1]} << 8) | event.data[2];
    }

    // Tempo events of all tracks merged by tick; at one tick the last one read wins.
    void buildTempoMap() {
        std::stable_sort(
            tempos_.begin(), tempos_.end(),
            [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
        file_.tempoMap.assign(1, TempoChange{0, kDefaultMicrosPerQuarter});
        for (const TempoChange& change : tempos_) {
            if (change.tick == file_.tempoMap.back().tick)
                file_.tempoMap.back() = change;
            else
                file_.tempoMap.push_back(change);
        }
    }

    MidiFile& file_;
    std::string error_;
    std::vector<TempoChange> tempos_;
    size_t eventCount_ = 0;
};

}  // namespace

uint32_t MidiFile::endTick() const {
    uint32_t end = 0;
    for (const MidiTrack& track : tracks)
        if (!track.events.empty()) end = std::max(end, track.events.back().tick);
    return end;
}

double MidiFile::secondsAt(uint32_t tick) const {
    if (ticksPerQuarter <= 0) return 0;
    // Whole microsecond-ticks summed exactly; one division at the end.
    uint64_t microTicks = 0;
    uint64_t from = 0;
    uint32_t tempo = kDefaultMicrosPerQuarter;
    for (const TempoChange& change : tempoMap) {
        if (change.tick >= tick) break;
        microTicks += (change.tick - from) * tempo;
        from = change.tick;
        tempo = change.microsPerQuarter;
    }
    microTicks += (tick - from) * tempo;
    return static_cast<double>(microTicks) / (1e6 * ticksPerQuarter);
}

int MidiFile::durationMilliseconds() const {
    const double milliseconds = std::ceil(durationSeconds() * 1000.0);
    constexpr int kLongest = std::numeric_limits<int>::max();
    return milliseconds >= kLongest ? kLongest : static_cast<int>(milliseconds);
}

MidiReadOutcome ParseMidiFile(const uint8_t* bytes, size_t size) {
    MidiReadOutcome outcome;
    if (size > midilimits::kMaxFileBytes) {
        outcome.error = "the MIDI file is too large";
        return outcome;
    }
    Parser parser(outcome.file);
    outcome.ok = parser.parse(ByteReader(bytes, size));
    if (!outcome.ok) {
        outcome.error = parser.error();
        outcome.file = MidiFile();
    }
    return outcome;
}

MidiReadOutcome ParseMidiFile(const std::vector<uint8_t>& bytes) {
    return ParseMidiFile(bytes.data(), bytes.size());
}

MidiReadOutcome ReadMidiFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    MidiReadOutcome refused;
    if (!in) {
        refused.error = "cannot open " + path;
        return refused;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > midilimits::kMaxFileBytes) {
        refused.error = size < 0 ? "cannot read " + path : "the MIDI file is too large";
        return refused;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        refused.error = "cannot read " + path;
        return refused;
    }
    return ParseMidiFile(bytes);
}
