#include <cmath>

#include "fuzz/entries/fuzzentries.h"
#include "platform/midifile.h"

bool FuzzMidiFile(const uint8_t* data, size_t size) {
    const MidiReadOutcome read = ParseMidiFile(data, size);
    if (!read.ok) return !read.error.empty() && read.file.tracks.empty();
    const MidiFile& file = read.file;
    if (file.tracks.empty() || file.tempoMap.empty() || file.tempoMap.front().tick != 0)
        return false;
    // What the player asks of a file it opens: its length, and a clock for silent playing.
    const double seconds = file.durationSeconds();
    if (!std::isfinite(seconds) || seconds < 0) return false;
    if (file.durationMilliseconds() < 0) return false;
    for (const MidiTrack& track : file.tracks) {
        if (track.events.empty()) return false;
        const MidiEvent& last = track.events.back();
        if (last.status != 0xFF || last.metaType != 0x2F) return false;
        if (file.secondsAt(last.tick) > seconds) return false;
    }
    return true;
}
