#include "tools/mkedition/maps/minimap.h"

#include <QPainter>

#include "tools/mkedition/maps/ground.h"
#include "tools/mkedition/maps/lettering.h"
#include "tools/mkedition/maps/linework.h"

namespace {

// The ground is drawn this many times larger and then reduced, so fine relief averages out
// instead of flickering from pixel to pixel.
constexpr int kSupersample = 2;
// Name sizes are set for the 384-pixel-wide map.
constexpr double kNameSizeWidth = 384;

}  // namespace

QImage PaintMiniMap(const Geography& geography, const Relief& relief, const MapPalette& palette,
                    const QSize& size) {
    const QRectF area(kMiniMapLeft, kMiniMapTop, kMiniMapWidth, kMiniMapHeight);
    const Viewport view{area, size};
    const QImage ground = PaintGround(geography, relief, Viewport{area, size * kSupersample})
                              .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    QImage overlay(size, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    {
        QPainter painter(&overlay);
        PaintLinework(painter, geography, view, MiniMapLines(view.unitsPerPixel()));
        painter.setRenderHint(QPainter::TextAntialiasing);
        LabelPlacer placer(QRectF(QPointF(0, 0), QSizeF(size)), [](const QRectF&) { return 0.0; });
        LetterAreas(painter, geography.labels, kMiniMapAreas, size.width() / kNameSizeWidth, view,
                    placer);
    }
    return Quantise(ground, overlay, palette);
}
