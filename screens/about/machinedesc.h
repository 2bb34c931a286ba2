// The about box's description of the machine: system and version, memory, screen.
#pragma once

#include <string>

struct MachineFacts {
    std::string system;  // the host system's name, e.g. "Linux"
    int version = 0;     // major * 256 + minor
    int memoryMB = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    int colourBits = 0;
};

// "<system> <major>.<minor, two digits>    Mem <n>MB    Screen <w>x<h> at <bits>bpp"
std::string FormatMachineDesc(const MachineFacts& facts);

// The facts of the machine the program runs on, from the start-up checks.
MachineFacts CurrentMachine();
