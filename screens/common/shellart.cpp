#include "screens/common/shellart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "app/colours.h"
#include "app/startupstate.h"
#include "platform/fontsetup.h"

namespace {

void paintSky(QPainter& p, double w, double h) {
    QLinearGradient sky(0, 0, 0, h * 0.62);
    sky.setColorAt(0.0, QColor(28, 58, 110));
    sky.setColorAt(0.55, QColor(224, 140, 92));
    sky.setColorAt(1.0, QColor(252, 214, 150));
    p.fillRect(QRectF(0, 0, w, h), sky);
    QRadialGradient sun(w * 0.72, h * 0.52, h * 0.28);
    sun.setColorAt(0.0, QColor(255, 246, 214));
    sun.setColorAt(0.25, QColor(255, 226, 160, 220));
    sun.setColorAt(1.0, QColor(255, 200, 130, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(w * 0.72, h * 0.52), h * 0.28, h * 0.28);
}

void paintSea(QPainter& p, double w, double h) {
    QLinearGradient sea(0, h * 0.58, 0, h);
    sea.setColorAt(0.0, QColor(236, 170, 120));
    sea.setColorAt(0.15, QColor(70, 104, 140));
    sea.setColorAt(1.0, QColor(20, 44, 76));
    p.fillRect(QRectF(0, h * 0.58, w, h * 0.42), sea);
    p.setPen(QPen(QColor(255, 230, 180, 150), h * 0.006));
    for (int i = 0; i < 7; ++i) {
        const double y = h * (0.62 + i * 0.03);
        const double half = w * (0.05 + i * 0.012);
        p.drawLine(QPointF(w * 0.72 - half, y), QPointF(w * 0.72 + half, y));
    }
}

void paintLand(QPainter& p, double w, double h) {
    // Far downs, then the headland with its lighthouse, then the near hill.
    QPainterPath downs;
    downs.moveTo(0, h * 0.60);
    downs.cubicTo(w * 0.15, h * 0.48, w * 0.30, h * 0.50, w * 0.46, h * 0.58);
    downs.lineTo(w * 0.46, h);
    downs.lineTo(0, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 118, 92));
    p.drawPath(downs);

    QPainterPath headland;
    headland.moveTo(0, h * 0.80);
    headland.cubicTo(w * 0.18, h * 0.66, w * 0.36, h * 0.61, w * 0.52, h * 0.63);
    headland.lineTo(w * 0.55, h * 0.70);
    headland.lineTo(w * 0.53, h * 0.82);
    headland.lineTo(w * 0.57, h);
    headland.lineTo(0, h);
    QLinearGradient grass(0, h * 0.6, 0, h);
    grass.setColorAt(0, QColor(96, 150, 76));
    grass.setColorAt(1, QColor(38, 78, 40));
    p.setBrush(grass);
    p.drawPath(headland);
    // The cliff face catches the low sun.
    QPainterPath cliff;
    cliff.moveTo(w * 0.52, h * 0.63);
    cliff.lineTo(w * 0.55, h * 0.70);
    cliff.lineTo(w * 0.53, h * 0.82);
    cliff.lineTo(w * 0.57, h);
    cliff.lineTo(w * 0.50, h);
    cliff.lineTo(w * 0.49, h * 0.72);
    cliff.closeSubpath();
    QLinearGradient chalk(w * 0.49, 0, w * 0.57, 0);
    chalk.setColorAt(0, QColor(200, 178, 150));
    chalk.setColorAt(1, QColor(250, 226, 190));
    p.setBrush(chalk);
    p.drawPath(cliff);

    const double lx = w * 0.47;
    const double base = h * 0.625;
    QPainterPath tower;
    tower.moveTo(lx - w * 0.012, base);
    tower.lineTo(lx - w * 0.008, base - h * 0.17);
    tower.lineTo(lx + w * 0.008, base - h * 0.17);
    tower.lineTo(lx + w * 0.012, base);
    tower.closeSubpath();
    p.setBrush(QColor(246, 242, 232));
    p.drawPath(tower);
    p.setBrush(QColor(176, 44, 40));
    for (int band = 0; band < 2; ++band)
        p.drawRect(QRectF(lx - w * 0.011, base - h * (0.05 + band * 0.07), w * 0.022, h * 0.025));
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(QPointF(lx, base - h * 0.18), w * 0.009, h * 0.018);
}

void paintFern(QPainter& p, double w, double h) {
    QPainterPath stem;
    stem.moveTo(w * 0.04, h * 1.02);
    stem.cubicTo(w * 0.10, h * 0.70, w * 0.20, h * 0.58, w * 0.31, h * 0.56);
    p.setPen(QPen(QColor(24, 58, 26), h * 0.012));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 72, 32));
    const int leaflets = 16;
    for (int i = 1; i <= leaflets; ++i) {
        const double t = static_cast<double>(i) / (leaflets + 1);
        const QPointF at = stem.pointAtPercent(t);
        const double size = h * 0.13 * (1.05 - 0.8 * t);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(at);
            p.rotate(-stem.angleAtPercent(t) + side * 58);
            p.drawEllipse(QRectF(0, -size * 0.16, size, size * 0.32));
            p.restore();
        }
    }
}

void paintTitle(QPainter& p, double w, double h) {
    QFont title(QString::fromLatin1(kBookmanFace));
    title.setBold(true);
    title.setPixelSize(static_cast<int>(h * 0.17));
    p.setFont(title);
    const QRectF titleBox(0, h * 0.06, w, h * 0.24);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(titleBox.translated(h * 0.012, h * 0.012), Qt::AlignCenter,
               QString::fromLatin1(kProductTitle));
    p.setPen(QColor(255, 250, 236));
    p.drawText(titleBox, Qt::AlignCenter, QString::fromLatin1(kProductTitle));
    QFont tagline(QString::fromLatin1(kBookmanFace));
    tagline.setItalic(true);
    tagline.setPixelSize(static_cast<int>(h * 0.08));
    p.setFont(tagline);
    p.setPen(QColor(255, 236, 200));
    p.drawText(QRectF(0, h * 0.28, w, h * 0.1), Qt::AlignCenter,
               QStringLiteral("Travels in the Corvanic Fernvales"));
}

}  // namespace

QImage PaintLogo(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    paintSky(p, w, h);
    paintSea(p, w, h);
    paintLand(p, w, h);
    paintFern(p, w, h);
    paintTitle(p, w, h);
    p.setPen(QPen(QColor(214, 184, 96), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    return image;
}

QImage PaintSilverBar(QSize size) {
    // A polished rail across the backdrop, fading out at both ends: trim, not an empty gauge.
    QImage image(size, QImage::Format_RGB32);
    image.fill(kScreenBackdrop);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    const double rail = std::max(2.0, std::round(h * 0.3));
    const QRectF bar(0, std::floor((h - rail) / 2), w, rail);
    QLinearGradient metal(0, bar.top(), 0, bar.bottom());
    metal.setColorAt(0.0, QColor(250, 250, 252));
    metal.setColorAt(0.35, QColor(206, 210, 216));
    metal.setColorAt(0.6, QColor(150, 156, 166));
    metal.setColorAt(1.0, QColor(214, 218, 224));
    p.fillRect(bar, metal);
    if (rail >= 6) {
        p.setPen(QPen(QColor(214, 184, 96, 200), 1));
        p.drawLine(QPointF(0, bar.center().y()), QPointF(w, bar.center().y()));
    }
    const double fade = std::min(w * 0.12, 48.0);
    const QColor backdrop = QColor::fromRgb(kScreenBackdrop);
    QColor clear = backdrop;
    clear.setAlpha(0);
    for (const bool left : {true, false}) {
        const double outer = left ? 0 : w;
        const double inner = left ? fade : w - fade;
        QLinearGradient end(outer, 0, inner, 0);
        end.setColorAt(0, backdrop);
        end.setColorAt(1, clear);
        p.fillRect(QRectF(std::min(outer, inner), bar.top(), fade, rail), end);
    }
    return image;
}

QImage PaintIconImage() {
    QImage image(QSize(68, 36), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF medallion(1.5, 1.5, 65, 33);
    QLinearGradient ground(0, 0, 0, 36);
    ground.setColorAt(0, QColor(32, 78, 118));
    ground.setColorAt(1, QColor(8, 34, 60));
    p.setBrush(ground);
    p.setPen(QPen(QColor(214, 184, 96), 2));
    p.drawRoundedRect(medallion, 16, 16);
    // A fern frond arching across the medallion: a curved stem with tapering leaflets.
    QPainterPath stem;
    stem.moveTo(12, 27);
    stem.cubicTo(24, 10, 42, 6, 58, 12);
    p.setPen(QPen(QColor(150, 206, 110), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 190, 90));
    const int leaflets = 11;
    for (int i = 1; i <= leaflets; ++i) {
        const double t = static_cast<double>(i) / (leaflets + 1);
        const QPointF at = stem.pointAtPercent(t);
        const double angle = stem.angleAtPercent(t);
        const double size = 7.5 * (1.0 - 0.6 * t);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(at);
            p.rotate(-angle + side * 62);
            p.drawEllipse(QRectF(0, -size * 0.18, size, size * 0.36));
            p.restore();
        }
    }
    return image;
}
