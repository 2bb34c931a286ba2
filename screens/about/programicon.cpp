#include "screens/about/programicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 55;
constexpr int kHeight = 70;

void paintScene(QPainter& p, const QRectF& r) {
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.55));
    sky.setColorAt(0.0, QColor(40, 78, 140));
    sky.setColorAt(1.0, QColor(246, 200, 140));
    p.fillRect(r, sky);
    const QRectF sea(r.left(), r.top() + r.height() * 0.55, r.width(), r.height() * 0.45);
    QLinearGradient water(sea.topLeft(), sea.bottomLeft());
    water.setColorAt(0.0, QColor(80, 116, 150));
    water.setColorAt(1.0, QColor(24, 50, 84));
    p.fillRect(sea, water);
    QPainterPath hill;
    hill.moveTo(r.left(), r.top() + r.height() * 0.62);
    hill.cubicTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.48,
                 r.left() + r.width() * 0.55, r.top() + r.height() * 0.60, r.right(),
                 r.top() + r.height() * 0.75);
    hill.lineTo(r.bottomRight());
    hill.lineTo(r.bottomLeft());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 62));
    p.drawPath(hill);
}

// A frond curving up from the bottom left, its leaflets shorter towards the tip.
void paintFrond(QPainter& p, const QRectF& r) {
    const QPointF base(r.left() + r.width() * 0.30, r.bottom());
    const QPointF tip(r.left() + r.width() * 0.78, r.top() + r.height() * 0.22);
    const QPointF bend(r.left() + r.width() * 0.25, r.top() + r.height() * 0.40);
    QPainterPath stem;
    stem.moveTo(base);
    stem.quadTo(bend, tip);
    p.setPen(QPen(QColor(190, 230, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    constexpr int kLeaflets = 9;
    for (int i = 1; i < kLeaflets; ++i) {
        const qreal t = static_cast<qreal>(i) / kLeaflets;
        const QPointF at = stem.pointAtPercent(t);
        const qreal length = r.width() * 0.26 * (1.0 - t * 0.8);
        const qreal angle = stem.angleAtPercent(t);
        for (const qreal side : {60.0, -60.0}) {
            QLineF leaflet = QLineF::fromPolar(length, angle + side);
            leaflet.translate(at);
            p.setPen(QPen(QColor(120, 200, 90), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(leaflet);
        }
    }
}

}  // namespace

QImage PaintProgramIcon() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(1, 1, kWidth - 4, kHeight - 4);
    p.fillRect(card.translated(2, 2), QColor(0, 0, 0, 90));
    p.fillRect(card, QColor(250, 248, 240));
    const QRectF photo = card.adjusted(4, 4, -4, -12);
    paintScene(p, photo);
    p.setClipRect(photo);
    paintFrond(p, photo);
    return image;
}
