#include "tools/mkedition/maps/ground.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "tools/mkedition/maps/landcolours.h"
#include "tools/mkedition/maps/mapstyle.h"

namespace {

// Coverage (0..255) of the shape in each pixel, antialiased.
QImage coverage(const Viewport& view, const QPainterPath& shape) {
    QImage mask(view.size, QImage::Format_Alpha8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(view.transform());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(shape);
    return mask;
}

}  // namespace

QImage PaintGround(const Geography& geography, const Relief& relief, const Viewport& view) {
    const QImage landMask = coverage(view, geography.land);
    const QImage countyMask = coverage(view, geography.countyLand);

    QImage out(view.size, QImage::Format_RGB32);
    for (int y = 0; y < view.size.height(); ++y) {
        const uchar* onLand = landMask.constScanLine(y);
        const uchar* inCounty = countyMask.constScanLine(y);
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < view.size.width(); ++x) {
            const QPointF p = view.mapPoint(x, y);
            const QRgb sea = SeaTint(relief.seaDistance(p.x(), p.y()));
            if (onLand[x] == 0) {
                line[x] = sea;
                continue;
            }
            const double height = relief.height(p.x(), p.y());
            const double brightness = Brightness(relief.shade(p.x(), p.y()));
            QRgb ground =
                Brightened(GreyedTint(height), 1 + (brightness - 1) * mapstyle::kGreyedShadeShare);
            if (inCounty[x] > 0) {
                const double share = std::min(1.0, static_cast<double>(inCounty[x]) / onLand[x]);
                ground = Mix(ground, Brightened(CountyTint(height), brightness), share);
            }
            line[x] = onLand[x] == 255 ? ground : Mix(sea, ground, onLand[x] / 255.0);
        }
    }
    return out;
}
