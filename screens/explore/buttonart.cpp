#include "screens/explore/buttonart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "screens/common/drawnicon.h"

namespace {

QPainterPath arrowUp(double s) {
    QPainterPath arrow;
    arrow.moveTo(s * 0.5, s * 0.08);
    arrow.lineTo(s * 0.9, s * 0.52);
    arrow.lineTo(s * 0.64, s * 0.52);
    arrow.lineTo(s * 0.64, s * 0.92);
    arrow.lineTo(s * 0.36, s * 0.92);
    arrow.lineTo(s * 0.36, s * 0.52);
    arrow.lineTo(s * 0.1, s * 0.52);
    arrow.closeSubpath();
    return arrow;
}

void fillRotated(QPainter& p, double s, const QPainterPath& path, double degrees, QColor colour) {
    p.save();
    p.translate(s / 2, s / 2);
    p.rotate(degrees);
    p.translate(-s / 2, -s / 2);
    p.setPen(QPen(colour.darker(140), std::max(1.0, s / 24)));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void circleArrow(QPainter& p, double s, bool clockwise) {
    const QRectF ring(s * 0.16, s * 0.16, s * 0.68, s * 0.68);
    p.setPen(QPen(kButtonInk, s * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, clockwise ? 100 * 16 : 80 * 16, clockwise ? -280 * 16 : 280 * 16);
    // The head at the arc's end, pointing along it.
    const double x = clockwise ? s * 0.38 : s * 0.62;
    QPainterPath head;
    head.moveTo(x, s * 0.02);
    head.lineTo(x, s * 0.32);
    head.lineTo(clockwise ? x + s * 0.2 : x - s * 0.2, s * 0.17);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kButtonInk);
    p.drawPath(head);
}

}  // namespace

QIcon CompassIcon(Compass direction, QSize size) {
    const double degrees = direction == Compass::North   ? 0
                           : direction == Compass::East  ? 90
                           : direction == Compass::South ? 180
                                                         : 270;
    return DrawnIcon(size, [degrees](QPainter& p, double s) {
        fillRotated(p, s, arrowUp(s), degrees, kButtonAccent);
    });
}

QIcon BackIcon(QSize size) {
    return DrawnIcon(size, [](QPainter& p, double s) {
        QPainterPath hook;
        hook.moveTo(s * 0.85, s * 0.85);
        hook.cubicTo(s * 0.85, s * 0.35, s * 0.6, s * 0.35, s * 0.3, s * 0.38);
        p.setPen(QPen(kButtonInk, s * 0.13, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hook);
        QPainterPath head;
        head.moveTo(s * 0.06, s * 0.38);
        head.lineTo(s * 0.36, s * 0.14);
        head.lineTo(s * 0.36, s * 0.62);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kButtonInk);
        p.drawPath(head);
    });
}

QIcon CoastIcon(bool clockwise, QSize size) {
    return DrawnIcon(size, [clockwise](QPainter& p, double s) { circleArrow(p, s, clockwise); });
}

QIcon EyeIcon(bool up, QSize size) {
    return DrawnIcon(size, [up](QPainter& p, double s) {
        QPainterPath head;
        head.moveTo(s * 0.5, up ? s * 0.2 : s * 0.8);
        head.lineTo(s * 0.88, up ? s * 0.72 : s * 0.28);
        head.lineTo(s * 0.12, up ? s * 0.72 : s * 0.28);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kButtonInk);
        p.drawPath(head);
    });
}

QIcon MapIcon(QSize size) {
    return DrawnIcon(size, [](QPainter& p, double s) {
        // A map folded in three, with a route across it.
        const double w = s / 3.4;
        const QColor panels[3] = {QColor(236, 222, 170), QColor(214, 232, 190),
                                  QColor(236, 222, 170)};
        for (int i = 0; i < 3; ++i) {
            QPainterPath panel;
            const double x = s * 0.0 + i * w + s * 0.04;
            const double lift = i % 2 ? s * 0.08 : 0;
            panel.moveTo(x, s * 0.18 + lift);
            panel.lineTo(x + w, s * 0.18 + (i % 2 ? 0 : s * 0.08));
            panel.lineTo(x + w, s * 0.86 + (i % 2 ? 0 : s * 0.08));
            panel.lineTo(x, s * 0.86 + lift);
            panel.closeSubpath();
            p.setPen(QPen(kButtonInk, std::max(1.0, s / 30)));
            p.setBrush(panels[i]);
            p.drawPath(panel);
        }
        p.setPen(QPen(kButtonAccent, s * 0.06, Qt::DashLine));
        p.drawLine(QPointF(s * 0.14, s * 0.72), QPointF(s * 0.86, s * 0.36));
    });
}

QIcon NextViewIcon(QSize size) {
    return DrawnIcon(size,
                     [](QPainter& p, double s) { fillRotated(p, s, arrowUp(s), 90, kButtonInk); });
}

QIcon SlideshowIcon(bool running, QSize size) {
    return DrawnIcon(size, [running](QPainter& p, double s) {
        p.setPen(Qt::NoPen);
        p.setBrush(running ? kButtonAccent : kButtonInk);
        if (running) {
            p.drawRoundedRect(QRectF(s * 0.22, s * 0.22, s * 0.56, s * 0.56), s * 0.06, s * 0.06);
            return;
        }
        for (double x : {0.1, 0.48}) {
            QPainterPath play;
            play.moveTo(s * x, s * 0.2);
            play.lineTo(s * (x + 0.42), s * 0.5);
            play.lineTo(s * x, s * 0.8);
            play.closeSubpath();
            p.drawPath(play);
        }
    });
}

void PutPicture(QPushButton* button, const QIcon& icon) {
    button->setText(QString());
    button->setIcon(icon);
    const QList<QSize> sizes = icon.availableSizes();
    if (!sizes.isEmpty()) button->setIconSize(sizes.first());
}
