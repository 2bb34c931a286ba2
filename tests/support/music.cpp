#include "tests/support/music.h"

#include <gtest/gtest.h>

#include "tools/mkedition/music/midiwriter.h"
#include "tools/mkedition/music/notelist.h"

std::vector<uint8_t> ShortPiece() {
    Song song;
    std::string error;
    const bool parsed = ParseNoteList(
        "tempo 240\nmeter 2/4\ntrack Piano\n  channel 1\n  program 1\n  | C4/e E4 G4 C5 |\n", song,
        error);
    EXPECT_TRUE(parsed) << error;
    return WriteMidi(song);
}
