#include "screens/home/minimapcanvas.h"

#include <QPainter>

#include "content/datatables.h"
#include "screens/home/homelayout.h"

QImage MiniMapCanvas::Stretched(const QImage& bitmap, QSize mapSize) {
    // Averaged over each pixel's area: a third quicker than the painter's filtering, and no
    // coarser where the map shrinks.
    return bitmap.convertToFormat(QImage::Format_RGB32)
        .scaled(mapSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void MiniMapCanvas::setUp(const QImage& bitmap, QSize screenSize, QSize mapSize) {
    // Stretched once and kept at the control's size: restoring is then a copy, and the
    // full-size bitmap need not stay in memory.
    const bool stretched = bitmap.size() == mapSize && bitmap.format() == QImage::Format_RGB32;
    bitmap_ = stretched ? bitmap : Stretched(bitmap, mapSize);
    screen_ = screenSize;
    canvas_ = bitmap_;
}

void MiniMapCanvas::release() {
    bitmap_ = QImage();
    canvas_ = QImage();
}

// The canvas shares the bitmap's pixels until something is drawn on it (a painter detaches it).
void MiniMapCanvas::restore() {
    if (canvas_.isNull()) return;
    canvas_ = bitmap_;
}

QPoint MiniMapCanvas::placePixel(int place) const {
    const PlaceRecord& p = Content().place(place);
    return MapToMiniMap(p.x, p.y, screen_.width(), screen_.height());
}

void MiniMapCanvas::drawPlaceDot(int place, int diameter, QRgb colour) {
    if (canvas_.isNull()) return;
    const QPoint centre = placePixel(place);
    QPainter painter(&canvas_);
    painter.setPen(QPen(QColor::fromRgb(colour), 0));
    painter.setBrush(QColor::fromRgb(colour));
    painter.drawEllipse(
        QRect(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter));
}

void MiniMapCanvas::markAllPlaces() {
    // A dark ring first, so the light yellow stands out on the pale land as well as the sea.
    for (int p = 0; p < Content().PlaceCount; ++p)
        drawPlaceDot(p, dotDiameter() + 2 * kMarkRing, kMarkRingColour);
    for (int p = 0; p < Content().PlaceCount; ++p) drawPlaceDot(p, dotDiameter(), kDotYellow);
}

void MiniMapCanvas::drawRing(int place) {
    if (canvas_.isNull()) return;
    const QPoint c = placePixel(place);
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgb(kDotGreen), 2));
    painter.setBrush(QColor::fromRgb(kDotYellow));
    painter.drawEllipse(QRect(QPoint(c.x() - 4, c.y() - 4), QPoint(c.x() + 4, c.y() + 4)));
}
