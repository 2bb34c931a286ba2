// The detailed map's tiles: a grid of 6 x 19 scrambled 8-bit bitmaps, "000\crr.bmp" for column
// c and row r, each seeded with its bare file name. mkedition and the map window must agree.
#pragma once

#include <string>

#include "content/maptiles.h"

constexpr int kMapTileColumns = 6;
constexpr int kMapTileRows = 19;
constexpr int kMapTileCount = kMapTileColumns * kMapTileRows;
constexpr int kMapTileWidth = maptiles::kTileWidth;
constexpr int kMapTileHeight = maptiles::kTileHeight;

// "crr.bmp": the bare name, also the keystream seed.
std::string MapTileSeed(int column, int row);
// "000\crr.bmp", relative to the data directory.
std::string MapTileFileName(int column, int row);
