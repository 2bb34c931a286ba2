// The edition's music: the note lists of the source folder made into the MIDI files the program
// plays (music/jingle.txt -> 000/J0.dat, the opening jingle; music/show.txt -> 000/J1.dat,
// the slideshow music). A missing note list leaves no file behind.
#pragma once

#include <string>

bool WriteEditionMusic(const std::string& sourceDir, const std::string& outDir, std::string& error);
