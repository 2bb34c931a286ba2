#include "content/maptilefiles.h"

#include "content/maptiles.h"

std::string MapTileSeed(int column, int row) { return maptiles::TileName(column, row); }

std::string MapTileFileName(int column, int row) {
    return std::string(maptiles::kFolder) + "\\" + MapTileSeed(column, row);
}
