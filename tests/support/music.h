// A short MIDI file for tests: four eighth notes at 240 a minute, half a second.
#pragma once

#include <cstdint>
#include <vector>

std::vector<uint8_t> ShortPiece();
