#include "screens/home/homeart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

QImage blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawArm(QPainter& p, QPointF root, double length, bool pointsRight, double y) {
    const double dir = pointsRight ? 1.0 : -1.0;
    QPainterPath arm;
    arm.moveTo(root.x(), y);
    arm.lineTo(root.x() + dir * (length - 5), y);
    arm.lineTo(root.x() + dir * length, y + 4);
    arm.lineTo(root.x() + dir * (length - 5), y + 8);
    arm.lineTo(root.x(), y + 8);
    arm.closeSubpath();
    QLinearGradient wood(0, y, 0, y + 8);
    wood.setColorAt(0, QColor(236, 226, 200));
    wood.setColorAt(1, QColor(196, 182, 150));
    p.setBrush(wood);
    p.setPen(QPen(QColor(70, 50, 30), 1));
    p.drawPath(arm);
}

}  // namespace

QImage PaintStartImage() {
    QImage image = blank(QSize(34, 75));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Grass tuft at the foot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 120, 50));
    p.drawEllipse(QRectF(4, 68, 26, 7));
    // The post.
    QLinearGradient post(14, 0, 20, 0);
    post.setColorAt(0, QColor(120, 84, 48));
    post.setColorAt(1, QColor(78, 52, 28));
    p.setBrush(post);
    p.drawRect(QRectF(14.5, 6, 5, 65));
    p.setBrush(QColor(60, 40, 22));
    p.drawEllipse(QRectF(14, 3, 6, 5));
    // Three arms, the top one pointing onward.
    drawArm(p, QPointF(17, 0), 16.5, true, 12);
    drawArm(p, QPointF(17, 0), 16.5, false, 26);
    drawArm(p, QPointF(17, 0), 16.5, true, 40);
    return image;
}

QImage PaintLookImage() {
    QImage image = blank(QSize(97, 59));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A page of caption text, tilted a little.
    p.save();
    p.translate(30, 30);
    p.rotate(-6);
    p.setPen(QPen(QColor(120, 110, 90), 1));
    p.setBrush(QColor(250, 246, 232));
    p.drawRect(QRectF(-27, -25, 54, 50));
    p.setPen(QPen(QColor(90, 90, 110), 2));
    for (int line = 0; line < 6; ++line) {
        const double y = -18 + line * 7.5;
        p.drawLine(QPointF(-21, y), QPointF(line % 3 == 2 ? 8 : 21, y));
    }
    p.restore();
    // The magnifying glass: a brass rim, a bright lens showing one word large, a dark handle.
    const QPointF lens(58, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 25));
    p.save();
    p.translate(lens);
    p.rotate(40);
    p.drawRoundedRect(QRectF(19, -4.5, 28, 9), 4, 4);
    p.restore();
    QRadialGradient glass(lens - QPointF(6, 6), 24);
    glass.setColorAt(0, QColor(255, 255, 255));
    glass.setColorAt(1, QColor(196, 222, 240));
    p.setBrush(glass);
    p.setPen(QPen(QColor(184, 142, 60), 4));
    p.drawEllipse(lens, 19, 19);
    p.setPen(QPen(QColor(40, 40, 70), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 22), QPointF(66, 22));
    p.drawLine(QPointF(46, 31), QPointF(58, 31));
    return image;
}
