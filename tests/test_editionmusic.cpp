// The demo edition's music as built, and how mkedition makes it from the note lists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/midifile.h"
#include "tests/support/editions.h"
#include "tools/mkedition/music/editionmusic.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(EditionMusic, TheBuiltPiecesLastAsAsked) {
    const struct {
        const char* file;
        double shortest, longest;
    } pieces[] = {{"/000/J0.dat", 26, 32}, {"/000/J1.dat", 60, 180}};
    for (const auto& piece : pieces) {
        SCOPED_TRACE(piece.file);
        const MidiReadOutcome read = ReadMidiFile(std::string(FERN_EDITION_DIR) + piece.file);
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_GE(read.file.durationSeconds(), piece.shortest);
        EXPECT_LE(read.file.durationSeconds(), piece.longest);
        EXPECT_GE(read.file.tracks.size(), 4u);
    }
}

TEST(EditionMusic, ARebuildFromTheSourceGivesTheSameBytes) {
    DataDirectory out;
    std::string error;
    ASSERT_TRUE(WriteEditionMusic(FERN_EDITION_SOURCE_DIR, out.path(), error)) << error;
    for (const char* file : {"000/J0.dat", "000/J1.dat"}) {
        SCOPED_TRACE(file);
        const Bytes rebuilt = fileBytes(out.path() + file);
        EXPECT_FALSE(rebuilt.empty());
        EXPECT_EQ(rebuilt, fileBytes(std::string(FERN_EDITION_DIR) + "/" + file));
    }
}

const char* const kTinyPiece = "track T\n channel 1\n program 1\n C4/w |\n";

TEST(EditionMusic, AMissingNoteListLeavesNoFileBehind) {
    DataDirectory source, out;
    std::filesystem::create_directories(source.path() + "music");
    std::filesystem::create_directories(out.path() + "000");
    source.write("music/jingle.txt", kTinyPiece);
    out.write("000/J1.dat", "stale");
    std::string error;
    ASSERT_TRUE(WriteEditionMusic(source.path(), out.path(), error)) << error;
    EXPECT_TRUE(ParseMidiFile(fileBytes(out.path() + "000/J0.dat")).ok);
    EXPECT_FALSE(std::filesystem::exists(out.path() + "000/J1.dat"));
}

TEST(EditionMusic, ABrokenNoteListIsNamedWithItsLine) {
    DataDirectory source, out;
    std::filesystem::create_directories(source.path() + "music");
    source.write("music/show.txt", "track T\n channel 1\n program 1\n C4/w D4/q |\n");
    std::string error;
    EXPECT_FALSE(WriteEditionMusic(source.path(), out.path(), error));
    EXPECT_NE(error.find("music/show.txt: line 4: bar 1"), std::string::npos) << error;
}

}  // namespace
