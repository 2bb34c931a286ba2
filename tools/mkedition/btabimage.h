// The table file as data: everything the writer puts into BTab.dat, in file order. Tests edit
// an image (tags, counts, records) to build damaged files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "content/records.h"

struct BTabImage {
    std::string ident;
    std::array<char, 4> headerTag = {'$', '$', 'H', '\0'};
    int32_t viewCount = 0;
    int32_t placeCount = 0;
    int32_t rowCount = 0;
    int32_t columnCount = 0;
    // Tags before NameIndex, RowIndex, EastWestTable, PlaceTable, ViewTable, and the end tag.
    std::array<std::array<char, 4>, 6> sectionTags = {{{'$', '$', 'L', '\0'},
                                                       {'$', '$', 'L', '\0'},
                                                       {'$', '$', 'E', '\0'},
                                                       {'$', '$', 'N', '\0'},
                                                       {'$', '$', 'C', '\0'},
                                                       {'$', '$', '$', '\0'}}};
    std::vector<int16_t> nameIndex;
    std::vector<int16_t> rowIndex;
    std::vector<EastWestEntry> eastWest;
    std::vector<PlaceRecord> places;
    std::vector<ViewRecord> views;
};

// The bytes of the file: the three record sections scrambled, everything else plain.
std::vector<uint8_t> WriteBTab(const BTabImage& image);
