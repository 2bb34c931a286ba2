#include "tests/support/maptiles.h"

#include <QDir>
#include <QImage>

#include "app/colours.h"
#include "content/maptilefiles.h"
#include "content/picturepaths.h"
#include "tools/mkedition/bitmapwriter.h"
#include "tools/mkedition/outputfiles.h"

namespace {

constexpr int kDotRadius = 3;

QImage paintTile(int column, int row, const std::vector<QPoint>& dots) {
    QImage tile(kMapTileWidth, kMapTileHeight, QImage::Format_Indexed8);
    tile.setColorTable({TileColour(column, row), kDotYellow});
    tile.fill(0);
    const QPoint origin(column * kMapTileWidth, row * kMapTileHeight);
    for (const QPoint& dot : dots) {
        for (int dy = -kDotRadius; dy <= kDotRadius; ++dy) {
            for (int dx = -kDotRadius; dx <= kDotRadius; ++dx) {
                const QPoint at = dot + QPoint(dx, dy) - origin;
                if (dx * dx + dy * dy <= kDotRadius * kDotRadius && tile.rect().contains(at))
                    tile.setPixel(at, 1);
            }
        }
    }
    return tile;
}

}  // namespace

QRgb TileColour(int column, int row) { return qRgb(30 + column * 30, 60 + row * 8, 90); }

bool WriteMapTiles(const std::string& dataDir, const std::vector<QPoint>& dots) {
    if (!QDir().mkpath(QString::fromStdString(dataDir + "000"))) return false;
    for (int c = 0; c < kMapTileColumns; ++c) {
        for (int r = 0; r < kMapTileRows; ++r) {
            const std::string path = NativePicturePath(dataDir, MapTileFileName(c, r));
            if (!WriteIfChanged(path,
                                WriteScrambledBitmap(paintTile(c, r, dots), MapTileSeed(c, r))))
                return false;
        }
    }
    return true;
}
