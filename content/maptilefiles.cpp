#include "content/maptilefiles.h"

#include <cstdio>

std::string MapTileSeed(int column, int row) {
    char name[24];
    std::snprintf(name, sizeof name, "%1.1d%2.2d.bmp", column, row);
    return name;
}

std::string MapTileFileName(int column, int row) { return "000\\" + MapTileSeed(column, row); }
