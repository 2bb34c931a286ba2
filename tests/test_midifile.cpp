// The MIDI file reader: what it reads from sound files, and that damaged ones are refused.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/midifile.h"
#include "tests/support/editions.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes quantity(uint32_t value) {
    Bytes groups;
    do {
        groups.insert(groups.begin(),
                      static_cast<uint8_t>((value & 0x7F) | (groups.empty() ? 0 : 0x80)));
        value >>= 7;
    } while (value != 0);
    return groups;
}

Bytes chunk(const char* id, const Bytes& body) {
    const auto size = static_cast<uint32_t>(body.size());
    return Bytes{static_cast<uint8_t>(id[0]),      static_cast<uint8_t>(id[1]),
                 static_cast<uint8_t>(id[2]),      static_cast<uint8_t>(id[3]),
                 static_cast<uint8_t>(size >> 24), static_cast<uint8_t>(size >> 16),
                 static_cast<uint8_t>(size >> 8),  static_cast<uint8_t>(size)} +
           body;
}

Bytes header(int format, int tracks, int division) {
    return chunk("MThd", {0, static_cast<uint8_t>(format), static_cast<uint8_t>(tracks >> 8),
                          static_cast<uint8_t>(tracks), static_cast<uint8_t>(division >> 8),
                          static_cast<uint8_t>(division)});
}

Bytes tempo(uint32_t delta, uint32_t micros) {
    const auto byte = [&](int shift) { return static_cast<uint8_t>(micros >> shift); };
    return quantity(delta) + Bytes{0xFF, 0x51, 3, byte(16), byte(8), byte(0)};
}

Bytes endOfTrack(uint32_t delta) { return quantity(delta) + Bytes{0xFF, 0x2F, 0}; }

// Format 1: a conductor track with three tempos, and a note track that uses running status.
// 0-960 at 500000 us (1 s), 960-1440 at 250000 us (0.25 s), 1440-2400 at 1000000 us (2 s).
Bytes tempoChangesFile() {
    const Bytes conductor =
        tempo(0, 500000) + tempo(960, 250000) + tempo(480, 1000000) + endOfTrack(0);
    const Bytes notes = Bytes{0x00, 0xC3, 0x38,          // program change, one data byte
                              0x00, 0x93, 0x3C, 0x64,    // note on
                              0x83, 0x60, 0x3E, 0x50,    // running status: another note on
                              0x83, 0x60, 0x3C, 0x00,    // running status: a note ends
                              0x00, 0x83, 0x3E, 0x40} +  // note off
                        endOfTrack(1440);
    return header(1, 2, 480) + chunk("MTrk", conductor) + chunk("MTrk", notes);
}

MidiReadOutcome parse(const Bytes& bytes) { return ParseMidiFile(bytes); }

TEST(MidiFileRead, FormatOneWithTempoChangesLastsExactly) {
    const MidiReadOutcome read = parse(tempoChangesFile());
    ASSERT_TRUE(read.ok) << read.error;
    const MidiFile& file = read.file;
    EXPECT_EQ(file.format, 1);
    EXPECT_EQ(file.ticksPerQuarter, 480);
    ASSERT_EQ(file.tracks.size(), 2u);
    ASSERT_EQ(file.tempoMap.size(), 3u);
    EXPECT_EQ(file.tempoMap[1].tick, 960u);
    EXPECT_EQ(file.tempoMap[1].microsPerQuarter, 250000u);
    EXPECT_EQ(file.tempoMap[2].tick, 1440u);
    EXPECT_EQ(file.endTick(), 2400u);
    EXPECT_DOUBLE_EQ(file.durationSeconds(), 3.25);
    EXPECT_DOUBLE_EQ(file.secondsAt(960), 1.0);
    EXPECT_DOUBLE_EQ(file.secondsAt(1200), 1.125);
    EXPECT_DOUBLE_EQ(file.secondsAt(1920), 2.25);
}

TEST(MidiFileRead, RunningStatusRepeatsTheLastChannelStatus) {
    const MidiReadOutcome read = parse(tempoChangesFile());
    ASSERT_TRUE(read.ok) << read.error;
    const std::vector<MidiEvent>& events = read.file.tracks[1].events;
    ASSERT_EQ(events.size(), 6u);
    struct Expected {
        uint32_t tick;
        uint8_t status, data1, data2;
    };
    const Expected expected[] = {{0, 0xC3, 0x38, 0},      {0, 0x93, 0x3C, 0x64},
                                 {480, 0x93, 0x3E, 0x50}, {960, 0x93, 0x3C, 0},
                                 {960, 0x83, 0x3E, 0x40}, {2400, 0xFF, 0, 0}};
    for (size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].tick, expected[i].tick);
        EXPECT_EQ(events[i].status, expected[i].status);
        EXPECT_EQ(events[i].data1, expected[i].data1);
        EXPECT_EQ(events[i].data2, expected[i].data2);
    }
    EXPECT_EQ(events.back().metaType, 0x2F);
}

TEST(MidiFileRead, FormatZeroWithoutTempoPlaysAtOneHundredTwentyBeats) {
    const Bytes track = Bytes{0x00, 0x90, 0x40, 0x40, 0x81, 0x70, 0x40, 0x00} + endOfTrack(0);
    const MidiReadOutcome read = parse(header(0, 1, 240) + chunk("MTrk", track));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.file.format, 0);
    ASSERT_EQ(read.file.tempoMap.size(), 1u);
    EXPECT_EQ(read.file.tempoMap[0].microsPerQuarter, 500000u);
    EXPECT_EQ(read.file.endTick(), 240u);
    EXPECT_DOUBLE_EQ(read.file.durationSeconds(), 0.5);
}

TEST(MidiFileRead, TemposOfAllTracksMergeAndTheLastAtATickWins) {
    const Bytes first = tempo(0, 400000) + endOfTrack(480);
    const Bytes second = tempo(0, 600000) + tempo(480, 300000) + endOfTrack(480);
    const MidiReadOutcome read =
        parse(header(1, 2, 480) + chunk("MTrk", first) + chunk("MTrk", second));
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.file.tempoMap.size(), 2u);
    EXPECT_EQ(read.file.tempoMap[0].microsPerQuarter, 600000u);
    EXPECT_EQ(read.file.tempoMap[1].microsPerQuarter, 300000u);
    EXPECT_DOUBLE_EQ(read.file.durationSeconds(), 0.9);
}

TEST(MidiFileRead, MetaAndSystemExclusivePayloadsAreKept) {
    const Bytes track = Bytes{0x00, 0xFF, 0x03, 0x04, 'H',  'o',  'r', 'n',  // track name
                              0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7,            // system exclusive
                              0x00, 0x91, 0x45, 0x30,                        // note on
                              0x00, 0xFF, 0x01, 0x01, 'x',                   // text
                              0x10, 0x45, 0x00} +  // running status after it
                        endOfTrack(0);
    const MidiReadOutcome read = parse(header(0, 1, 96) + chunk("MTrk", track));
    ASSERT_TRUE(read.ok) << read.error;
    const std::vector<MidiEvent>& events = read.file.tracks[0].events;
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].metaType, 0x03);
    EXPECT_EQ(std::string(events[0].data.begin(), events[0].data.end()), "Horn");
    EXPECT_EQ(events[1].status, 0xF0);
    EXPECT_EQ(events[1].data, (Bytes{0x7E, 0x09, 0xF7}));
    EXPECT_EQ(events[4].status, 0x91);
    EXPECT_EQ(events[4].tick, 16u);
}

TEST(MidiFileRead, UnknownChunksExtraHeaderBytesAndTrailingBytesAreSkipped) {
    const Bytes longHeader = chunk("MThd", {0, 1, 0, 1, 0x01, 0xE0, 0xAA, 0xBB});
    const Bytes track = Bytes{0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00, 0x12, 0x34};
    const MidiReadOutcome read =
        parse(longHeader + chunk("XFIH", {1, 2, 3}) + chunk("MTrk", track) + Bytes{0xDE, 0xAD});
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.file.tracks.size(), 1u);
    EXPECT_EQ(read.file.tracks[0].events.size(), 2u);
    EXPECT_EQ(read.file.ticksPerQuarter, 480);
}

TEST(MidiFileRead, TheLongestVariableLengthNumber) {
    const MidiReadOutcome read = parse(header(0, 1, 480) + chunk("MTrk", endOfTrack(0x0FFFFFFF)));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.file.endTick(), 0x0FFFFFFFu);
    EXPECT_DOUBLE_EQ(read.file.durationSeconds(), 0x0FFFFFFF / 480.0 * 0.5);
}

TEST(MidiFileRead, MillisecondsRoundUpAndStopAtATimersRange) {
    // One tick at 480 a quarter and 120 beats a minute: 1.04 ms.
    EXPECT_EQ(parse(header(0, 1, 480) + chunk("MTrk", endOfTrack(1))).file.durationMilliseconds(),
              2);
    EXPECT_EQ(parse(tempoChangesFile()).file.durationMilliseconds(), 3250);
    // The slowest tempo at one tick a quarter over the longest track: about 142 years.
    const MidiReadOutcome years =
        parse(header(0, 1, 1) + chunk("MTrk", tempo(0, 0xFFFFFF) + endOfTrack(0x0FFFFFFF)));
    ASSERT_TRUE(years.ok) << years.error;
    EXPECT_GT(years.file.durationSeconds(), 4e9);
    EXPECT_EQ(years.file.durationMilliseconds(), std::numeric_limits<int>::max());
}

TEST(MidiFileRead, FromADiskFileAndAMissingOne) {
    DataDirectory dir;
    dir.write("tune.mid", tempoChangesFile());
    const MidiReadOutcome read = ReadMidiFile(dir.path() + "tune.mid");
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_DOUBLE_EQ(read.file.durationSeconds(), 3.25);
    const MidiReadOutcome missing = ReadMidiFile(dir.path() + "none.mid");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("cannot open"), std::string::npos);
}

struct DamagedFile {
    const char* fault;
    Bytes bytes;
    const char* reason;  // a part of the expected message
};

Bytes oneTrack(const Bytes& body) { return header(0, 1, 480) + chunk("MTrk", body); }

std::vector<DamagedFile> damagedFiles() {
    Bytes manyEvents = {0x00, 0xC0, 0x00};
    for (size_t i = 0; i < midilimits::kMaxEvents; ++i)
        manyEvents.insert(manyEvents.end(), {0x00, 0x00});
    Bytes tooLong;
    for (int i = 0; i < 17; ++i) tooLong = tooLong + quantity(0x0FFFFFFF) + Bytes{0xC0, 0x00};
    Bytes renamed = tempoChangesFile();
    renamed[14 + 3] = 'x';  // the first MTrk becomes MTrx
    return {
        {"empty", {}, "no MThd"},
        {"another kind of file", chunk("RIFF", {0, 0, 0, 0, 0, 0}), "no MThd"},
        {"short header chunk", chunk("MThd", {0, 0, 0, 1, 1}), "header is cut short"},
        {"header longer than the file", Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0},
         "header is cut short"},
        {"format 2", header(2, 1, 480) + chunk("MTrk", endOfTrack(0)), "format 2"},
        {"no tracks", header(1, 0, 480), "no tracks"},
        {"format 0 with two tracks",
         header(0, 2, 480) + chunk("MTrk", endOfTrack(0)) + chunk("MTrk", endOfTrack(0)),
         "one track"},
        {"SMPTE division", header(0, 1, 0xE728) + chunk("MTrk", endOfTrack(0)), "SMPTE"},
        {"zero division", header(0, 1, 0) + chunk("MTrk", endOfTrack(0)), "division is zero"},
        {"huge track length",
         header(0, 1, 480) + Bytes{'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xFF} + endOfTrack(0),
         "past the end of the file"},
        {"a track missing", header(1, 2, 480) + chunk("MTrk", endOfTrack(0)),
         "ends before track 2"},
        {"wrong chunk id", renamed, "ends before track 2"},
        {"no end of track", oneTrack({0x00, 0x90, 0x3C, 0x40}), "without an end-of-track"},
        {"empty track", oneTrack({}), "without an end-of-track"},
        {"five-byte number", oneTrack(Bytes{0x80, 0x80, 0x80, 0x80, 0x00} + endOfTrack(0)),
         "longer than four bytes"},
        {"number cut by the track end", oneTrack({0x00, 0x90, 0x3C, 0x40, 0x81}), "cut short"},
        {"huge meta length",
         oneTrack(Bytes{0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F, 'a'} + endOfTrack(0)),
         "longer than the track"},
        {"system exclusive past the track", oneTrack({0x00, 0xF0, 0x05, 0x7E, 0xF7}),
         "longer than the track"},
        {"meta type cut off", oneTrack({0x00, 0xFF}), "cut short"},
        {"short tempo", oneTrack(Bytes{0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1} + endOfTrack(0)),
         "wrong size"},
        {"zero tempo", oneTrack(tempo(0, 0) + endOfTrack(0)), "tempo of zero"},
        {"data byte first", oneTrack(Bytes{0x00, 0x3C, 0x40} + endOfTrack(0)),
         "without a status byte"},
        {"data byte above 127", oneTrack(Bytes{0x00, 0x90, 0x3C, 0x80} + endOfTrack(0)),
         "above 127"},
        {"note cut short", oneTrack({0x00, 0x90, 0x3C}), "cut short"},
        {"system common message", oneTrack(Bytes{0x00, 0xF2, 0x00, 0x00} + endOfTrack(0)),
         "no place in a file"},
        {"too many events", oneTrack(manyEvents + endOfTrack(0)), "too many events"},
        {"ticks past 32 bits", oneTrack(tooLong + endOfTrack(0)), "too long"},
        {"too large", Bytes(midilimits::kMaxFileBytes + 1, 0), "too large"},
    };
}

TEST(MidiFileRead, DamagedFilesAreRefusedWithAReason) {
    for (const DamagedFile& damaged : damagedFiles()) {
        SCOPED_TRACE(damaged.fault);
        const MidiReadOutcome read = parse(damaged.bytes);
        EXPECT_FALSE(read.ok);
        EXPECT_NE(read.error.find(damaged.reason), std::string::npos) << read.error;
        EXPECT_TRUE(read.file.tracks.empty());
    }
}

TEST(MidiFileRead, EveryCutOfASoundFileIsRefused) {
    const Bytes sound = tempoChangesFile();
    ASSERT_TRUE(parse(sound).ok);
    for (size_t length = 0; length < sound.size(); ++length) {
        SCOPED_TRACE(length);
        // A copy of exactly the cut length, so that a read past it is caught by the sanitizer.
        const Bytes cut(sound.begin(), sound.begin() + static_cast<std::ptrdiff_t>(length));
        const MidiReadOutcome read = parse(cut);
        EXPECT_FALSE(read.ok);
        EXPECT_FALSE(read.error.empty());
    }
}

// Whatever a damaged byte does, the result is a refusal or a file that keeps the reader's
// promises: ticks that never go back, every track closed by its end, a finite duration.
TEST(MidiFileRead, CorruptedBytesAreRefusedOrReadConsistently) {
    const Bytes sound = tempoChangesFile();
    for (size_t at = 0; at < sound.size(); ++at) {
        for (uint8_t value : {uint8_t{0x00}, uint8_t{0x7F}, uint8_t{0x80}, uint8_t{0xFF}}) {
            SCOPED_TRACE(std::to_string(at) + " = " + std::to_string(value));
            Bytes corrupted = sound;
            corrupted[at] = value;
            const MidiReadOutcome read = parse(corrupted);
            if (!read.ok) {
                EXPECT_FALSE(read.error.empty());
                continue;
            }
            for (const MidiTrack& track : read.file.tracks) {
                ASSERT_FALSE(track.events.empty());
                EXPECT_EQ(track.events.back().status, 0xFF);
                EXPECT_EQ(track.events.back().metaType, 0x2F);
                for (size_t i = 1; i < track.events.size(); ++i)
                    EXPECT_LE(track.events[i - 1].tick, track.events[i].tick);
            }
            EXPECT_TRUE(std::isfinite(read.file.durationSeconds()));
            EXPECT_GE(read.file.durationSeconds(), 0.0);
        }
    }
}

}  // namespace
