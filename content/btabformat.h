// What the reader and mkedition agree on about the table file: tags, bounds and the
// one-byte key that scrambles the three record sections.
#pragma once

#include <cstddef>
#include <cstdint>

namespace btab {

constexpr char kFileName[] = "BTab.dat";
constexpr int kIdentWindow = 127;  // identification text, its NUL and "$$H\0" lie within this

constexpr char kTagHeader[4] = {'$', '$', 'H', '\0'};
constexpr char kTagIndex[4] = {'$', '$', 'L', '\0'};
constexpr char kTagEastWest[4] = {'$', '$', 'E', '\0'};
constexpr char kTagPlaces[4] = {'$', '$', 'N', '\0'};
constexpr char kTagViews[4] = {'$', '$', 'C', '\0'};
constexpr char kTagEnd[4] = {'$', '$', '$', '\0'};

constexpr int kMinViews = 100;
constexpr int kMinPlaces = 50;
constexpr int kMinRows = 1000;
constexpr int kMinColumns = 1000;
constexpr int kMaxCount = 32000;

constexpr int kNameIndexEntries = 26 * 26;
constexpr int kMaxLondonPlaces = 20;

constexpr uint8_t kSectionKey = 0xA7;

inline void scrambleSection(uint8_t* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) bytes[i] ^= kSectionKey;
}

}  // namespace btab
