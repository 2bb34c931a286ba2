#include "screens/map/maptiles.h"

#include <QFileInfo>
#include <algorithm>

#include "app/startupstate.h"
#include "content/bitmapscramble.h"
#include "content/maptilefiles.h"

TileRange TilesMeeting(const QRect& mapRect) {
    if (mapRect.isEmpty()) return TileRange();
    const int mapWidth = kMapTileColumns * kMapTileWidth;
    const int mapHeight = kMapTileRows * kMapTileHeight;
    const QRect onMap = mapRect & QRect(0, 0, mapWidth, mapHeight);
    if (onMap.isEmpty()) return TileRange();
    return TileRange{onMap.left() / kMapTileWidth, onMap.right() / kMapTileWidth,
                     onMap.top() / kMapTileHeight, onMap.bottom() / kMapTileHeight};
}

bool MapTileFileExists(int column, int row) {
    return QFileInfo(QString::fromStdString(DataPath(MapTileFileName(column, row)))).isFile();
}

void MapTiles::allocate(const TileRange& initial) {
    slots_.assign(kMapTileCount, QImage());
    LoadedRange = initial;
}

void MapTiles::release() {
    slots_.clear();
    slots_.shrink_to_fit();
}

bool MapTiles::loadAtStart() {
    for (int c = 0; c < kMapTileColumns; ++c) {
        for (int r = 0; r < kMapTileRows; ++r) {
            if (!MapTileFileExists(c, r)) return false;
            const bool wanted = c <= LoadedRange.lastColumn && r <= LoadedRange.lastRow;
            if (wanted && !load(c, r)) return false;
        }
    }
    return true;
}

bool MapTiles::keepInView(const TileRange& visible, const TileRange& clip) {
    if (!allocated()) return true;
    for (int c = std::max(0, LoadedRange.firstColumn);
         c <= std::min(kMapTileColumns - 1, LoadedRange.lastColumn); ++c) {
        for (int r = std::max(0, LoadedRange.firstRow);
             r <= std::min(kMapTileRows - 1, LoadedRange.lastRow); ++r) {
            if (!visible.contains(c, r)) slot(c, r) = QImage();
        }
    }
    bool readable = true;
    for (int c = clip.firstColumn; c <= clip.lastColumn; ++c) {
        for (int r = clip.firstRow; r <= clip.lastRow; ++r) {
            if (slot(c, r).isNull() && !load(c, r)) readable = false;
        }
    }
    LoadedRange = visible;
    return readable;
}

const QImage* MapTiles::tile(int column, int row) const {
    if (!allocated()) return nullptr;
    const QImage& image = slots_[static_cast<size_t>(column * kMapTileRows + row)];
    return image.isNull() ? nullptr : &image;
}

int MapTiles::loadedCount() const {
    return static_cast<int>(
        std::count_if(slots_.begin(), slots_.end(), [](const QImage& t) { return !t.isNull(); }));
}

int64_t MapTiles::bytesHeld() const {
    int64_t bytes = 0;
    for (const QImage& t : slots_) bytes += t.sizeInBytes();
    return bytes;
}

bool MapTiles::load(int column, int row) {
    QImage image =
        LoadScrambledBitmap(DataPath(MapTileFileName(column, row)), MapTileSeed(column, row));
    if (image.size() != QSize(kMapTileWidth, kMapTileHeight)) return false;
    slot(column, row) = std::move(image);
    return true;
}

QImage& MapTiles::slot(int column, int row) {
    return slots_[static_cast<size_t>(column * kMapTileRows + row)];
}
