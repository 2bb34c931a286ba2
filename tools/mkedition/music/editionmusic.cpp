#include "tools/mkedition/music/editionmusic.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/mkedition/music/midiwriter.h"
#include "tools/mkedition/music/notelist.h"
#include "tools/mkedition/outputfiles.h"

bool WriteEditionMusic(const std::string& sourceDir, const std::string& outDir,
                       std::string& error) {
    static const struct {
        const char* source;
        const char* target;
    } kPieces[] = {{"music/jingle.txt", "000/J0.dat"}, {"music/show.txt", "000/J1.dat"}};
    std::error_code ignored;
    std::filesystem::create_directories(outDir + "/000", ignored);
    for (const auto& piece : kPieces) {
        const std::string source = sourceDir + "/" + piece.source;
        const std::string target = outDir + "/" + piece.target;
        std::ifstream in(source, std::ios::binary);
        if (!in) {
            std::remove(target.c_str());
            continue;
        }
        std::ostringstream text;
        text << in.rdbuf();
        Song song;
        if (!ParseNoteList(text.str(), song, error)) {
            error = source + ": " + error;
            return false;
        }
        if (!WriteIfChanged(target, WriteMidi(song))) {
            error = "cannot write " + target;
            return false;
        }
    }
    return true;
}
