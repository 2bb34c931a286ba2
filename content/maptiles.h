// The detailed map as the edition stores it: tiles of 512 x 256 map units in the folder "000",
// each an 8-bit palettised bitmap whose pixel rows are scrambled with its bare file name.
#pragma once

#include <QRgb>
#include <cstdio>
#include <string>

namespace maptiles {

constexpr char kFolder[] = "000";
constexpr int kTileWidth = 512;
constexpr int kTileHeight = 256;
// The name format holds one digit of column and two of row.
constexpr int kMaxColumns = 10;
constexpr int kMaxRows = 100;

// "%1.1d%2.2d.bmp": column, then row.
inline std::string TileName(int column, int row) {
    char name[32];
    std::snprintf(name, sizeof name, "%1.1d%2.2d.bmp", column, row);
    return name;
}

// The covered places' dots on the tiles; the map window's flash fill starts on this colour.
constexpr QRgb kPlaceDotColour = 0xFFFFFF80;

}  // namespace maptiles
