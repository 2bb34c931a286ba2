#include "content/bitmapscramble.h"
#include "content/maptilefiles.h"
#include "content/minimapseeds.h"
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/scratchfiles.h"
#include "screens/home/minimapcanvas.h"
#include "screens/map/canvasfills.h"

namespace {

// The mini map control at 800 x 600.
constexpr QSize kScreen(800, 600);
constexpr QSize kMiniMapControl(192, 300);

// The map window composes tiles on a 32-bit canvas and flashes place dots on it; here each
// fill starts from whatever colour the tile has at the point, so it always runs.
bool flashesStayInside(const QImage& tile) {
    QImage canvas = tile.convertToFormat(QImage::Format_RGB32);
    const auto inside = [&](const QRect& changed) {
        return changed.isEmpty() || canvas.rect().contains(changed);
    };
    const QPoint points[] = {
        {0, 0}, {tile.width() / 2, tile.height() / 2}, {tile.width() - 1, tile.height() - 1}};
    for (const QPoint& at : points) {
        const QRgb from = canvas.pixel(at);
        // Every channel half a range away, so the two colours never count as matching.
        if (!inside(FlashFill(canvas, at, from, from ^ 0x00808080u))) return false;
        if (!inside(SurfaceFill(canvas, at, canvas.pixel(at), from))) return false;
    }
    return true;
}

}  // namespace

bool FuzzBitmap(const uint8_t* data, size_t size) {
    const std::string path =
        WriteScratchFile(std::string("bitmap/") + kSmallMiniMapFile, data, size);
    const QImage bitmap = LoadScrambledBitmap(path, kSmallMiniMapSeed);
    if (bitmap.isNull()) return true;
    if (bitmap.format() != QImage::Format_Indexed8) return false;
    // The map window takes only bitmaps of a tile's size.
    if (bitmap.size() == QSize(kMapTileWidth, kMapTileHeight) && !flashesStayInside(bitmap))
        return false;
    MiniMapCanvas canvas;
    canvas.setUp(bitmap, kScreen, kMiniMapControl);
    return canvas.image().size() == kMiniMapControl;
}
