// The words of a note list: pitch names, durations and dynamic marks.
#pragma once

#include <cstdint>
#include <string>

// "C4" is middle C (60); a sharp '#' or flat 'b' may follow the letter; octaves -1 to 9.
// False when the name is malformed or outside the MIDI range 0-127.
bool ParsePitchName(const std::string& name, int& pitch);

// "w" "h" "q" "e" "s" (whole to sixteenth), then '.' for dotted or '3' for a triplet.
bool ParseDurationCode(const std::string& code, uint32_t& ticks);

// "ppp" to "fff", or "v" and a velocity 1-127 ("v90").
bool ParseDynamicMark(const std::string& word, int& velocity);
