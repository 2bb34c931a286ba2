#include "screens/home/showpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

const QColor kSea(92, 140, 196);
const QColor kLand(108, 164, 84);
const QColor kHill(72, 124, 60);
const QColor kDot(255, 255, 128);
const QColor kInk(24, 52, 92);

QPainterPath island(double w, double h) {
    QPainterPath path;
    path.moveTo(w * 0.18, h * 0.52);
    path.cubicTo(w * 0.14, h * 0.22, w * 0.42, h * 0.12, w * 0.56, h * 0.2);
    path.cubicTo(w * 0.74, h * 0.1, w * 0.9, h * 0.3, w * 0.82, h * 0.52);
    path.cubicTo(w * 0.9, h * 0.76, w * 0.6, h * 0.92, w * 0.46, h * 0.82);
    path.cubicTo(w * 0.3, h * 0.92, w * 0.12, h * 0.76, w * 0.18, h * 0.52);
    return path;
}

void dot(QPainter& p, QPointF at, double r, QColor colour) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(colour);
    p.drawEllipse(at, r, r);
}

void beautifulScene(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h * 0.6), QColor(156, 196, 236));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(248, 216, 96));
    p.drawEllipse(QPointF(w * 0.78, h * 0.22), h * 0.12, h * 0.12);
    QPainterPath hills;
    hills.moveTo(0, h * 0.62);
    hills.cubicTo(w * 0.2, h * 0.3, w * 0.35, h * 0.34, w * 0.5, h * 0.58);
    hills.cubicTo(w * 0.62, h * 0.4, w * 0.8, h * 0.36, w, h * 0.6);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    hills.closeSubpath();
    p.setBrush(kHill);
    p.drawPath(hills);
    p.setBrush(kSea);
    p.drawEllipse(QRectF(w * 0.3, h * 0.74, w * 0.44, h * 0.16));
}

void coastTrip(QPainter& p, double w, double h) {
    p.setPen(QPen(kInk, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(island(w, h));
    const std::array<QPointF, 6> stops{QPointF(w * 0.2, h * 0.46),  QPointF(w * 0.46, h * 0.18),
                                       QPointF(w * 0.8, h * 0.34),  QPointF(w * 0.78, h * 0.7),
                                       QPointF(w * 0.48, h * 0.84), QPointF(w * 0.2, h * 0.7)};
    for (const QPointF& stop : stops) dot(p, stop, 3, kDot);
    // The clockwise arrow head on the northern shore.
    QPainterPath head;
    head.moveTo(w * 0.66, h * 0.1);
    head.lineTo(w * 0.58, h * 0.03);
    head.lineTo(w * 0.58, h * 0.17);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 60, 40));
    p.drawPath(head);
}

void everywhere(QPainter& p, double w, double h) {
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 7; ++col) {
            const QPointF at(w * (0.22 + col * 0.095 + (row % 2) * 0.04), h * (0.26 + row * 0.12));
            if (island(w, h).contains(at)) dot(p, at, 2.5, kDot);
        }
}

void foundSet(QPainter& p, double w, double h) {
    for (const QPointF& at :
         {QPointF(w * 0.34, h * 0.4), QPointF(w * 0.5, h * 0.58), QPointF(w * 0.62, h * 0.36)})
        dot(p, at, 3.5, QColor(240, 80, 60));
    p.setPen(QPen(kInk, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(w * 0.46, h * 0.46), h * 0.22, h * 0.22);
    p.drawLine(QPointF(w * 0.46 + h * 0.16, h * 0.62), QPointF(w * 0.46 + h * 0.34, h * 0.86));
}

}  // namespace

QImage PaintShowPanelPicture(int index, QSize size, bool enabled) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    if (!enabled) p.setOpacity(0.3);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kSea);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    if (index == 0) {
        beautifulScene(p, w, h);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kLand);
        p.drawPath(island(w, h));
        if (index == 1) coastTrip(p, w, h);
        if (index == 2) everywhere(p, w, h);
        if (index == 3) foundSet(p, w, h);
    }
    return image;
}
