// A piece of music between its note list and its MIDI file: timed notes per part.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace songtime {
constexpr uint32_t kTicksPerQuarter = 480;
constexpr uint32_t kTicksPerWhole = 4 * kTicksPerQuarter;
}  // namespace songtime

struct SongNote {
    uint32_t start = 0;  // ticks
    uint32_t length = 0;
    int pitch = 60;  // MIDI key, C4 = 60
    int velocity = 80;
};

struct SongPart {
    std::string name;
    int channel = -1;  // 0-15; 9 is General MIDI percussion
    int program = -1;  // 0-127, General MIDI
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    std::vector<SongNote> notes;
};

struct SongTempo {
    uint32_t tick = 0;
    int beatsPerMinute = 120;
};

struct Song {
    std::string title;
    int meterBeats = 4;
    int meterUnit = 4;              // a power of two
    std::vector<SongTempo> tempos;  // by tick, the first at tick 0
    std::vector<SongPart> parts;
    uint32_t endTick = 0;

    uint32_t barTicks() const { return meterBeats * (songtime::kTicksPerWhole / meterUnit); }
};
