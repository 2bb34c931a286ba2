// mkedition's MIDI writer: the exact encoding, and what the reader finds in what it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/midifile.h"
#include "tools/mkedition/music/midiwriter.h"
#include "tools/mkedition/music/notelist.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(MidiWriter, OneNoteSongByteForByte) {
    Song song;
    song.title = "T";
    song.tempos = {SongTempo{0, 120}};
    SongPart part;
    part.name = "P";
    part.channel = 2;
    part.program = 4;
    part.notes = {SongNote{0, 480, 60, 80}};
    song.parts = {part};
    song.endTick = 480;
    // clang-format off
    const Bytes expected = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,
        'M', 'T', 'r', 'k', 0, 0, 0, 25,
        0x00, 0xFF, 0x03, 1, 'T',               // title
        0x00, 0xFF, 0x58, 4, 4, 2, 24, 8,       // 4/4
        0x00, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20,  // 500000 us a quarter
        0x83, 0x60, 0xFF, 0x2F, 0,              // end of track after 480 ticks
        'M', 'T', 'r', 'k', 0, 0, 0, 30,
        0x00, 0xFF, 0x03, 1, 'P',               // track name
        0x00, 0xC2, 4,                          // program
        0x00, 0xB2, 7, 100,                     // volume
        0x00, 10, 64,                           // pan, running status
        0x00, 91, 40,                           // reverb
        0x00, 0x92, 60, 80,                     // the note starts
        0x83, 0x60, 60, 0,                      // and ends, running status
        0x00, 0xFF, 0x2F, 0,
    };
    // clang-format on
    EXPECT_EQ(WriteMidi(song), expected);
}

struct HeardNote {
    uint32_t start, length;
    int pitch, velocity;
    bool operator==(const HeardNote& other) const {
        return std::tie(start, length, pitch, velocity) ==
               std::tie(other.start, other.length, other.pitch, other.velocity);
    }
};

// Notes as a player hears them: a start, and the next end of the same key.
std::vector<HeardNote> heardNotes(const MidiTrack& track, int channel) {
    std::vector<HeardNote> notes;
    std::vector<size_t> sounding(128, SIZE_MAX);
    for (const MidiEvent& event : track.events) {
        if (event.status >= 0xF0 || (event.status & 0x0F) != channel) continue;
        const uint8_t kind = event.status & 0xF0;
        if (kind == 0x90 && event.data2 > 0) {
            sounding[event.data1] = notes.size();
            notes.push_back(HeardNote{event.tick, 0, event.data1, event.data2});
        } else if ((kind == 0x80 || kind == 0x90) && sounding[event.data1] != SIZE_MAX) {
            HeardNote& note = notes[sounding[event.data1]];
            note.length = event.tick - note.start;
            sounding[event.data1] = SIZE_MAX;
        }
    }
    return notes;
}

TEST(MidiWriter, TheReaderFindsWhatWasWritten) {
    Song song;
    song.title = "Round trip";
    song.meterBeats = 3;
    song.tempos = {SongTempo{0, 120}, SongTempo{1440, 60}};
    SongPart low;
    low.name = "Low";
    low.channel = 0;
    low.program = 32;
    low.volume = 90;
    low.pan = 20;
    low.reverb = 10;
    // The same key struck again the moment it ends, and a chord.
    low.notes = {SongNote{0, 480, 36, 70}, SongNote{480, 480, 36, 90}, SongNote{960, 1440, 43, 50},
                 SongNote{960, 1440, 48, 51}};
    SongPart drums;
    drums.name = "Drums";
    drums.channel = 9;
    drums.program = 0;
    drums.notes = {SongNote{1440, 120, 49, 127}};
    song.parts = {low, drums};
    song.endTick = 2400;

    const MidiReadOutcome read = ParseMidiFile(WriteMidi(song));
    ASSERT_TRUE(read.ok) << read.error;
    const MidiFile& file = read.file;
    EXPECT_EQ(file.format, 1);
    EXPECT_EQ(file.ticksPerQuarter, 480);
    ASSERT_EQ(file.tracks.size(), 3u);
    ASSERT_EQ(file.tempoMap.size(), 2u);
    EXPECT_EQ(file.tempoMap[1].tick, 1440u);
    EXPECT_EQ(file.tempoMap[1].microsPerQuarter, 1000000u);
    // Three quarters at 120, then two at 60.
    EXPECT_DOUBLE_EQ(file.durationSeconds(), 3.5);
    for (const MidiTrack& track : file.tracks) EXPECT_EQ(track.events.back().tick, 2400u);

    for (size_t p = 0; p < song.parts.size(); ++p) {
        SCOPED_TRACE(song.parts[p].name);
        const SongPart& part = song.parts[p];
        const MidiTrack& track = file.tracks[p + 1];
        std::vector<HeardNote> expected;
        for (const SongNote& note : part.notes)
            expected.push_back(HeardNote{note.start, note.length, note.pitch, note.velocity});
        EXPECT_EQ(heardNotes(track, part.channel), expected);
        // The channel is set up before its first note.
        auto firstNote = std::find_if(track.events.begin(), track.events.end(),
                                      [](const MidiEvent& e) { return (e.status & 0xF0) == 0x90; });
        auto has = [&](uint8_t status, uint8_t data1, uint8_t data2) {
            return std::any_of(track.events.begin(), firstNote, [&](const MidiEvent& e) {
                return e.status == status && e.data1 == data1 && e.data2 == data2;
            });
        };
        const auto channel = static_cast<uint8_t>(part.channel);
        EXPECT_TRUE(has(0xC0 | channel, static_cast<uint8_t>(part.program), 0));
        EXPECT_TRUE(has(0xB0 | channel, 7, static_cast<uint8_t>(part.volume)));
        EXPECT_TRUE(has(0xB0 | channel, 10, static_cast<uint8_t>(part.pan)));
        EXPECT_TRUE(has(0xB0 | channel, 91, static_cast<uint8_t>(part.reverb)));
    }
}

TEST(MidiWriter, TheSameNoteListGivesTheSameBytes) {
    const std::string text =
        "title Twice\ntempo 72\n"
        "track A\n channel 1\n program 1\n p < C4/q E4 G4 C5 | f C5+E5/w~ | C5+E5/h tempo=60 r/h "
        "|\n"
        "track B\n channel 2\n program 41\n |: C3/h G2/h :|3\n";
    Song first, second;
    std::string error;
    ASSERT_TRUE(ParseNoteList(text, first, error)) << error;
    ASSERT_TRUE(ParseNoteList(text, second, error)) << error;
    const Bytes bytes = WriteMidi(first);
    EXPECT_EQ(WriteMidi(second), bytes);
    EXPECT_TRUE(ParseMidiFile(bytes).ok);
}

}  // namespace
