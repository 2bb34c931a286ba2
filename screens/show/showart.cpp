#include "screens/show/showart.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/fontsetup.h"
#include "screens/common/drawnicon.h"

namespace {

const QColor kGold(232, 196, 96);

}  // namespace

QIcon StopIcon(QSize size) {
    return DrawnIcon(size, [](QPainter& p, double s) {
        QPainterPath pin;
        pin.moveTo(s * 0.5, s * 0.95);
        pin.cubicTo(s * 0.2, s * 0.6, s * 0.14, s * 0.45, s * 0.14, s * 0.38);
        pin.arcTo(QRectF(s * 0.14, s * 0.04, s * 0.72, s * 0.68), 180, -180);
        pin.cubicTo(s * 0.86, s * 0.45, s * 0.8, s * 0.6, s * 0.5, s * 0.95);
        p.setPen(QPen(kButtonAccent.darker(150), s / 20));
        p.setBrush(kButtonAccent);
        p.drawPath(pin);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(s * 0.5, s * 0.38), s * 0.14, s * 0.14);
    });
}

QIcon GoBackIcon(QSize size) {
    return DrawnIcon(size, [](QPainter& p, double s) {
        QPainterPath house;
        house.moveTo(s * 0.5, s * 0.08);
        house.lineTo(s * 0.92, s * 0.48);
        house.lineTo(s * 0.8, s * 0.48);
        house.lineTo(s * 0.8, s * 0.92);
        house.lineTo(s * 0.2, s * 0.92);
        house.lineTo(s * 0.2, s * 0.48);
        house.lineTo(s * 0.08, s * 0.48);
        house.closeSubpath();
        p.setPen(QPen(kButtonInk.darker(130), s / 20));
        p.setBrush(kButtonInk);
        p.drawPath(house);
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        p.drawRect(QRectF(s * 0.42, s * 0.64, s * 0.16, s * 0.28));
    });
}

QIcon MusicIcon(QSize size) {
    return DrawnIcon(size, [](QPainter& p, double s) {
        p.setPen(Qt::NoPen);
        p.setBrush(kButtonInk);
        p.drawEllipse(QPointF(s * 0.28, s * 0.78), s * 0.14, s * 0.11);
        p.drawEllipse(QPointF(s * 0.72, s * 0.68), s * 0.14, s * 0.11);
        p.setPen(QPen(kButtonInk, s * 0.07, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(s * 0.4, s * 0.78), QPointF(s * 0.4, s * 0.16));
        p.drawLine(QPointF(s * 0.84, s * 0.68), QPointF(s * 0.84, s * 0.06));
        p.setPen(QPen(kButtonInk, s * 0.12, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(s * 0.4, s * 0.2), QPointF(s * 0.84, s * 0.1));
    });
}

QIcon ExitIcon(QSize size) {
    return DrawnIcon(size, [](QPainter& p, double s) {
        p.setPen(QPen(kButtonInk, s / 16));
        p.setBrush(kGold.lighter(130));
        p.drawRect(QRectF(s * 0.2, s * 0.08, s * 0.6, s * 0.84));
        QPolygonF door;
        door << QPointF(s * 0.2, s * 0.08) << QPointF(s * 0.58, s * 0.2)
             << QPointF(s * 0.58, s * 0.98) << QPointF(s * 0.2, s * 0.92);
        p.setBrush(kButtonAccent);
        p.drawPolygon(door);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(s * 0.5, s * 0.56), s * 0.04, s * 0.04);
    });
}

QImage PaintSideTitle(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QString::fromLatin1(kBookmanFace));
    font.setBold(true);
    font.setPixelSize(size.width() * 3 / 4);
    p.setFont(font);
    p.translate(0, size.height());
    p.rotate(-90);
    const QRect band(0, 0, size.height(), size.width());
    p.setPen(kGold);
    p.drawText(band, Qt::AlignCenter, QStringLiteral("Vantora Fernvales"));
    return image;
}

QImage PaintShowLogo(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(kButtonInk);
    p.drawRoundedRect(QRectF(0.75, 0.75, w - 1.5, h - 1.5), w * 0.3, w * 0.3);
    // The stem curls over at the top; leaflets pair off along it, smaller towards the tip.
    const QColor leaf(120, 188, 96);
    p.setPen(QPen(leaf.darker(130), 1.2));
    QPainterPath stem;
    stem.moveTo(w * 0.5, h * 0.92);
    stem.cubicTo(w * 0.52, h * 0.6, w * 0.46, h * 0.3, w * 0.62, h * 0.12);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    p.setBrush(leaf);
    constexpr int kPairs = 7;
    for (int i = 0; i < kPairs; ++i) {
        const double t = 0.12 + 0.8 * i / kPairs;
        const QPointF at = stem.pointAtPercent(1.0 - t);
        const double length = w * (0.1 + 0.26 * t);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(at);
            p.rotate(side * 62);
            p.drawEllipse(QPointF(0, -length / 2), length * 0.22, length / 2);
            p.restore();
        }
    }
    return image;
}
