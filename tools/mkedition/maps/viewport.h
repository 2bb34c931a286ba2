// A rectangle of the map drawn onto a picture of a given size: the whole map at one pixel per
// map unit for the tiles, a coarser view for the mini maps.
#pragma once

#include <QRectF>
#include <QSize>
#include <QTransform>

struct Viewport {
    QRectF area;  // map units
    QSize size;   // pixels

    double unitsPerPixel() const { return area.width() / size.width(); }
    // Map units to pixels.
    QTransform transform() const {
        return QTransform::fromScale(size.width() / area.width(), size.height() / area.height())
            .translate(-area.left(), -area.top());
    }
    // The map point under the centre of a pixel.
    QPointF mapPoint(int x, int y) const {
        return QPointF(area.left() + (x + 0.5) * area.width() / size.width(),
                       area.top() + (y + 0.5) * area.height() / size.height());
    }
};
