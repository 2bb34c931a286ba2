// The note lists of the edition's music: words, timing, dynamics, repeats, and what is refused.
#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

#include "tools/mkedition/music/notelist.h"
#include "tools/mkedition/music/notetokens.h"

namespace {

// Each sound word reads as its value; each bad one is refused.
template <typename Value, typename Parse>
void expectWords(Parse parse, std::initializer_list<std::pair<const char*, Value>> sound,
                 std::initializer_list<const char*> bad) {
    for (const auto& [word, expected] : sound) {
        Value value{};
        EXPECT_TRUE(parse(word, value)) << word;
        EXPECT_EQ(value, expected) << word;
    }
    for (const char* word : bad) {
        Value value{};
        EXPECT_FALSE(parse(word, value)) << word;
    }
}

TEST(NoteWords, PitchNames) {
    expectWords<int>(
        ParsePitchName,
        {{"C4", 60},
         {"A4", 69},
         {"C-1", 0},
         {"G9", 127},
         {"Bb3", 58},
         {"F#2", 42},
         {"Cb4", 59},
         {"B#3", 60},
         {"E5", 76}},
        {"", "H4", "c4", "C", "C10", "G#9", "Cb-1", "C-2", "C4x", "C#b4", "Bb", "C-", "C123"});
}

TEST(NoteWords, Durations) {
    expectWords<uint32_t>(ParseDurationCode,
                          {{"w", 1920},
                           {"h", 960},
                           {"q", 480},
                           {"e", 240},
                           {"s", 120},
                           {"h.", 1440},
                           {"q.", 720},
                           {"e.", 360},
                           {"q3", 320},
                           {"e3", 160}},
                          {"", "x", "q..", "q4", "Q", "qq", "3", "."});
}

TEST(NoteWords, DynamicMarks) {
    expectWords<int>(ParseDynamicMark,
                     {{"ppp", 16},
                      {"pp", 32},
                      {"p", 48},
                      {"mp", 64},
                      {"mf", 80},
                      {"f", 96},
                      {"ff", 112},
                      {"fff", 127},
                      {"v1", 1},
                      {"v127", 127}},
                     {"", "v", "v0", "v128", "mff", "pppp", "F", "vx"});
}

Song parsed(const std::string& text) {
    Song song;
    std::string error;
    EXPECT_TRUE(ParseNoteList(text, song, error)) << error;
    return song;
}

void expectNote(const SongNote& note, uint32_t start, uint32_t length, int pitch, int velocity) {
    EXPECT_EQ(note.start, start);
    EXPECT_EQ(note.length, length);
    EXPECT_EQ(note.pitch, pitch);
    EXPECT_EQ(note.velocity, velocity);
}

TEST(NoteList, HeadingAndTrackSetUp) {
    const Song song = parsed(
        "# a comment\n"
        "title Morning   tune  # not part of the title\n"
        "tempo 90\n"
        "meter 3/4\n"
        "track Lead voice\n"
        "  channel 2\n  program 74\n  volume 110\n  pan 20\n  reverb 0\n"
        "  C4/h. |\n"
        "track Drums\n"
        "  channel 10\n"
        "  C#3/h. |\n");
    EXPECT_EQ(song.title, "Morning tune");
    EXPECT_EQ(song.meterBeats, 3);
    EXPECT_EQ(song.meterUnit, 4);
    ASSERT_EQ(song.tempos.size(), 1u);
    EXPECT_EQ(song.tempos[0].beatsPerMinute, 90);
    ASSERT_EQ(song.parts.size(), 2u);
    const SongPart& lead = song.parts[0];
    EXPECT_EQ(lead.name, "Lead voice");
    EXPECT_EQ(lead.channel, 1);
    EXPECT_EQ(lead.program, 73);
    EXPECT_EQ(lead.volume, 110);
    EXPECT_EQ(lead.pan, 20);
    EXPECT_EQ(lead.reverb, 0);
    EXPECT_EQ(song.parts[1].channel, 9);
    EXPECT_EQ(song.parts[1].program, 0);
    EXPECT_EQ(song.endTick, 1440u);
}

const char* const kTrackHead = "track T\n channel 1\n program 1\n";

TEST(NoteList, NotesChordsRestsAndStickyDurations) {
    const Song song = parsed(std::string(kTrackHead) +
                             "  | E4/q F#4/e r G4+B4 D5/q. | Bb3/e3 C4 D4 r/q E4/e r r/q |\n");
    EXPECT_EQ(song.tempos[0].beatsPerMinute, 120);
    const std::vector<SongNote>& notes = song.parts[0].notes;
    ASSERT_EQ(notes.size(), 9u);
    expectNote(notes[0], 0, 480, 64, 80);
    expectNote(notes[1], 480, 240, 66, 80);
    expectNote(notes[2], 960, 240, 67, 80);
    expectNote(notes[3], 960, 240, 71, 80);
    expectNote(notes[4], 1200, 720, 74, 80);
    expectNote(notes[5], 1920, 160, 58, 80);
    expectNote(notes[6], 2080, 160, 60, 80);
    expectNote(notes[7], 2240, 160, 62, 80);
    expectNote(notes[8], 2880, 240, 64, 80);
    EXPECT_EQ(song.endTick, 3840u);
}

TEST(NoteList, TiesContinueTheSoundingNotes) {
    const Song song =
        parsed(std::string(kTrackHead) + "  C4+E4/h G4/h~ | G4+C5/h E4/h~ | E4/w |\n");
    const std::vector<SongNote>& notes = song.parts[0].notes;
    ASSERT_EQ(notes.size(), 5u);
    expectNote(notes[2], 960, 1920, 67, 80);
    expectNote(notes[3], 1920, 960, 72, 80);
    expectNote(notes[4], 2880, 2880, 64, 80);
}

TEST(NoteList, HairpinsSpreadVelocitiesOverTime) {
    const Song song =
        parsed(std::string(kTrackHead) + "  p < C4/q D4 E4 F4 | f G4/h > A4/q B4/q | pp C5/w |\n");
    const std::vector<SongNote>& notes = song.parts[0].notes;
    const int velocities[] = {48, 60, 72, 84, 96, 96, 64, 32};
    ASSERT_EQ(notes.size(), std::size(velocities));
    for (size_t i = 0; i < notes.size(); ++i) EXPECT_EQ(notes[i].velocity, velocities[i]) << i;
}

TEST(NoteList, RepeatsCopyNotesAndTempoChanges) {
    const Song song = parsed(std::string(kTrackHead) +
                             "  C4/w |: tempo=100 D4/h E4/h :| F4/w |: G4/w :|3 A4/w |\n");
    const std::vector<SongNote>& notes = song.parts[0].notes;
    const int pitches[] = {60, 62, 64, 62, 64, 65, 67, 67, 67, 69};
    const uint32_t starts[] = {0, 1920, 2880, 3840, 4800, 5760, 7680, 9600, 11520, 13440};
    ASSERT_EQ(notes.size(), std::size(pitches));
    for (size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].pitch, pitches[i]) << i;
        EXPECT_EQ(notes[i].start, starts[i]) << i;
    }
    ASSERT_EQ(song.tempos.size(), 3u);
    EXPECT_EQ(song.tempos[0].beatsPerMinute, 120);
    EXPECT_EQ(song.tempos[1].tick, 1920u);
    EXPECT_EQ(song.tempos[2].tick, 3840u);
    EXPECT_EQ(song.tempos[2].beatsPerMinute, 100);
    EXPECT_EQ(song.endTick, 1920u * 8);
}

TEST(NoteList, TracksMayShareAChannelWhenTheyNeverSoundOneKeyTogether) {
    const Song song = parsed(
        "track Right hand\n channel 1\n program 1\n  C5/w |\n"
        "track Left hand\n channel 1\n program 1\n  C4/h E4/h |\n");
    EXPECT_EQ(song.parts.size(), 2u);
}

struct Refused {
    const char* fault;
    std::string text;
    const char* message;  // a part of the expected message
};

std::string track(const std::string& notes) { return std::string(kTrackHead) + notes + "\n"; }

TEST(NoteList, MistakesAreRefusedWithTheirLine) {
    const Refused refused[] = {
        {"nothing", "# only a comment\n", "no tracks"},
        {"bar too long", track("C4/w D4/q |"),
         "line 4: bar 1 of track 'T' lasts 2400 ticks, not 1920"},
        {"bar too short", track("C4/w | D4/h. |"), "bar 2 of track 'T' lasts 1440"},
        {"unknown note", track("C4/w | H4/w |"), "line 4: 'H4' is not a note"},
        {"unknown duration", track("C4/x"), "unknown duration"},
        {"twice in a chord", track("C4+C4/w"), "twice in one chord"},
        {"tie to another pitch", track("C4/h~ D4/h"), "the tie from C4 leads to another note"},
        {"tie to a rest", track("C4/h~ r/h"), "a rest cannot be tied"},
        {"tie at the end", track("C4/w~"), "ends with a tie"},
        {"louder to a softer mark", track("f < C4/w | p D4/w"), "must lead to a louder mark"},
        {"softer to a louder mark", track("p > C4/w | f D4/w"), "must lead to a softer mark"},
        {"hairpin never closed", track("p < C4/w"), "without a dynamic mark"},
        {"repeat never opened", track("C4/w :|"), "without '|:'"},
        {"repeat inside a repeat", track("|: C4/w |: D4/w :|"), "inside a repeat"},
        {"repeat never closed", track("|: C4/w |"), "ends inside a repeat"},
        {"tie across a repeat", track("|: C4/w~ :|"), "tie cannot cross a repeat"},
        {"repeat count", track("|: C4/w :|1"), "count from 2 to 16"},
        {"tracks of different lengths",
         track("C4/w |") + "track U\n channel 2\n program 1\n C4/h\n",
         "line 5: track 'U' ends at bar 1 beat 3, track 'T' at bar 2 beat 1"},
        {"no channel", "track T\n program 1\n C4/w\n", "line 1: track 'T' needs a channel"},
        {"no program", "track T\n channel 1\n C4/w\n", "needs a program"},
        {"channel 17", "track T\n channel 17\n", "line 2: 'channel' needs one number from 1 to 16"},
        {"program 0", "track T\n program 0\n", "from 1 to 128"},
        {"two tempos at once", "tempo 90\n" + track("tempo=100 C4/w"),
         "a tempo of 100 where another says 90"},
        {"tempo too fast", track("tempo=900 C4/w"), "20 to 400"},
        {"heading keyword in a track", track("meter 3/4"), "'meter' is not a note"},
        {"unknown heading", "speed 90\n", "unknown keyword 'speed'"},
        {"odd meter unit", "meter 3/5\n", "a meter is beats/unit"},
        {"one key twice on a channel",
         track("C4/w") + "track U\n channel 1\n program 1\n r/h C4/h\n",
         "tracks 'T' and 'U' both sound C4 on channel 1 at bar 1 beat 3"},
        {"channel set up twice", track("C4/w") + "track U\n channel 1\n program 2\n D4/w\n",
         "share channel 1 but set it up differently"},
        {"empty tracks", "track T\n channel 1\n program 1\n", "the tracks are empty"},
    };
    for (const Refused& entry : refused) {
        SCOPED_TRACE(entry.fault);
        Song song;
        std::string error;
        EXPECT_FALSE(ParseNoteList(entry.text, song, error));
        EXPECT_NE(error.find(entry.message), std::string::npos) << error;
    }
}

}  // namespace
