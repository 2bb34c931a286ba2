// The edition's music as its author writes it: a note list in text (edition/README.md tells
// the format) read into a song. Messages name the line at fault.
#pragma once

#include <string>

#include "tools/mkedition/music/song.h"

bool ParseNoteList(const std::string& text, Song& song, std::string& error);
