// The detailed map's canvas: tiles, the found-set greying and the flashing dot drawn for the
// parts that need it, and the canvas moved with the scroll position.
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/maptilefiles.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/map/canvasfills.h"
#include "screens/map/explosiontrail.h"
#include "screens/map/greydots.h"
#include "screens/map/mapcolours.h"
#include "screens/map/zmmap.h"

namespace {

constexpr int kGreyDotRadius = 4;

// Moves the canvas pixels by `by` (as a window scrolls its contents) and returns the part
// uncovered, which holds nothing useful.
QRegion shiftCanvas(QImage& canvas, QPoint by) {
    const int w = canvas.width();
    const int h = canvas.height();
    const int dx = by.x();
    const int dy = by.y();
    if (std::abs(dx) >= w || std::abs(dy) >= h) return QRegion(canvas.rect());
    const size_t rowBytes = static_cast<size_t>(w - std::abs(dx)) * sizeof(QRgb);
    auto moveRow = [&](int y) {
        auto* target = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        const auto* source = reinterpret_cast<const QRgb*>(canvas.constScanLine(y - dy));
        std::memmove(target + std::max(0, dx), source + std::max(0, -dx), rowBytes);
    };
    if (dy > 0) {
        for (int y = h - 1; y >= dy; --y) moveRow(y);
    } else {
        for (int y = 0; y < h + dy; ++y) moveRow(y);
    }
    QRegion uncovered;
    if (dx > 0) uncovered += QRect(0, 0, dx, h);
    if (dx < 0) uncovered += QRect(w + dx, 0, -dx, h);
    if (dy > 0) uncovered += QRect(0, 0, w, dy);
    if (dy < 0) uncovered += QRect(0, h + dy, w, -dy);
    return uncovered;
}

}  // namespace

void TMapWin::invalidate(const QRect& rect) {
    FormPaint(rect);
    Client->update(rect);
}

void TMapWin::RepaintMap() {
    invalidate(canvas_.rect());
    if (Client->isVisible()) Client->repaint();
}

// A scroll bar moved: the canvas follows, and only what that uncovers is drawn.
void TMapWin::scrolled() {
    const QPoint now(H(), V());
    const QPoint by = canvasOrigin_ - now;
    if (by.isNull()) return;
    canvasOrigin_ = now;
    for (const QRect& strip : shiftCanvas(canvas_, by)) FormPaint(strip);
    Client->update();
    emit scrolledTo(now);
}

void TMapWin::DrawExplosionStep(const QRect& previous, const QRect& frame) {
    PaintExplosionStep(canvas_, previous, frame);
    if (Client->isVisible()) Client->repaint();
}

void TMapWin::FormPaint(const QRect& clientClip) {
    const QRect clip = clientClip & canvas_.rect();
    if (clip.isEmpty() || Startup().Quitting) return;
    keepLondonInsetInStep();
    keepDialogsInFront();
    const QPoint origin(H(), V());
    const QRect mapRect = clip.translated(origin);
    const TileRange clipTiles = TilesMeeting(mapRect);
    if (Startup().LowMemory && TilesAllocated) {
        const TileRange visible = TilesMeeting(QRect(origin, clientSize()));
        if (!tiles_.keepInView(visible, clipTiles)) reportUnreadableTiles();
    }

    QPainter painter(&canvas_);
    painter.setClipRect(clip);
    painter.fillRect(clip, QColor::fromRgb(kMapBackground));
    drawTiles(painter, clipTiles, origin);
    if (Explore().ExploreInSet && Content().loaded()) {
        if (mapRect.intersects(kLondonBox))
            painter.drawImage(kLondonBox.topLeft() - origin, london_.miniLonImage2());
        drawGreyDots(painter, mapRect, origin);
    }
    painter.end();

    // A flashing dot drawn again while it is dark stays dark until its next tick.
    const std::optional<QPoint> dot = flashPoint();
    if (FlashDark && dot && clip.contains(*dot)) FlashFill(canvas_, *dot, kDotYellow, kFlashDark);
}

void TMapWin::drawTiles(QPainter& painter, const TileRange& range, QPoint origin) {
    for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
        for (int r = range.firstRow; r <= range.lastRow; ++r) {
            if (const QImage* tile = tiles_.tile(c, r))
                painter.drawImage(QPoint(c * kMapTileWidth, r * kMapTileHeight) - origin, *tile);
        }
    }
}

void TMapWin::drawGreyDots(QPainter& painter, const QRect& mapRect, QPoint origin) {
    painter.setPen(QPen(QColor::fromRgb(kGreyedDot), 2));
    painter.setBrush(QColor::fromRgb(kGreyedDot));
    for (const int place : PlacesToGrey(mapRect)) {
        const PlaceRecord& p = Content().place(place);
        const QPoint centre = QPoint(p.x, p.y) - origin;
        painter.drawEllipse(QRect(centre - QPoint(kGreyDotRadius, kGreyDotRadius),
                                  QSize(2 * kGreyDotRadius, 2 * kGreyDotRadius)));
    }
}
