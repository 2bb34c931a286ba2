// The detailed map's tiles in their 114 slots, kept 8-bit as loaded (one byte per pixel). Only
// the tiles in view stay loaded: the others are freed as they leave it, since the whole map
// would hold 15 MB for the few tiles a screen shows.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

// Columns and rows of tiles, both ends included; empty when a first exceeds its last.
struct TileRange {
    int firstColumn = 0;
    int lastColumn = -1;
    int firstRow = 0;
    int lastRow = -1;

    bool isEmpty() const { return firstColumn > lastColumn || firstRow > lastRow; }
    bool contains(int column, int row) const {
        return column >= firstColumn && column <= lastColumn && row >= firstRow && row <= lastRow;
    }
};

// The tiles meeting a map rectangle, kept inside the grid (a rectangle beyond the map's edge
// meets no tile there).
TileRange TilesMeeting(const QRect& mapRect);

// True when the tile file exists under the data directory.
bool MapTileFileExists(int column, int row);

class MapTiles {
  public:
    // The 114 empty slots; LoadedRange becomes `initial`.
    void allocate(const TileRange& initial);
    // Frees every tile and the slots.
    void release();
    bool allocated() const { return !slots_.empty(); }

    // Every tile file must exist. Loads those of LoadedRange from its first column and row on.
    // False at the first tile missing or unreadable.
    bool loadAtStart();
    // Frees the tiles of LoadedRange that lie outside `visible`, loads the missing tiles of
    // `clip`, and LoadedRange becomes `visible`. False when a tile could not be read (its slot
    // stays empty).
    bool keepInView(const TileRange& visible, const TileRange& clip);

    // The tile in a slot, or null when the slot is empty.
    const QImage* tile(int column, int row) const;
    int loadedCount() const;
    int64_t bytesHeld() const;

    TileRange LoadedRange;

  private:
    bool load(int column, int row);
    QImage& slot(int column, int row);

    std::vector<QImage> slots_;  // column * 19 + row
};
