// The user's preference bits, one value "StateBits" under the program's key.
#pragma once

#include <cstdint>

constexpr uint32_t kStateNoHelpAtStart = 1;
constexpr uint32_t kStateMusicOff = 2;
constexpr uint32_t kStateUserMusic = 4;
constexpr uint32_t kStateScrollingTitles = 8;
constexpr uint32_t kStateCaptions = 16;

// True only when the key opens, the value reads and the bit is set.
bool ReadStateBit(uint32_t bit);
// Skipped silently when the key does not exist: the program never creates it.
void WriteStateBit(uint32_t bit, bool on);
