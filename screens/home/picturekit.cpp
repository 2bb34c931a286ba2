#include "screens/home/picturekit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace picturekit {

const QColor kStone(196, 186, 160);
const QColor kDarkStone(140, 132, 116);
const QColor kBrick(176, 86, 58);
const QColor kRoof(120, 66, 52);
const QColor kGrass(112, 170, 82);
const QColor kDarkGrass(66, 122, 60);
const QColor kWood(132, 92, 54);
const QColor kGold(232, 186, 60);
const QColor kRed(204, 52, 44);
const QColor kBlue(54, 96, 176);
const QColor kWhite(250, 250, 246);
const QColor kBlack(44, 44, 52);

namespace {

const QColor kInk(46, 40, 44);
constexpr double kFrameRadius = 6;

void skyColours(Sky sky, QColor& top, QColor& bottom) {
    switch (sky) {
        case Sky::Day:
            top = QColor(110, 168, 226);
            bottom = QColor(214, 234, 248);
            return;
        case Sky::Evening:
            top = QColor(96, 92, 170);
            bottom = QColor(250, 184, 120);
            return;
        case Sky::Night:
            top = QColor(18, 26, 70);
            bottom = QColor(62, 76, 140);
            return;
        case Sky::Dawn:
            top = QColor(150, 190, 230);
            bottom = QColor(252, 222, 184);
            return;
    }
}

}  // namespace

Sketch::Sketch(QSize imageSize, QSizeF logical, Sky sky)
    : image_(imageSize, QImage::Format_ARGB32_Premultiplied), logical_(logical) {
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.scale(imageSize.width() / logical.width(), imageSize.height() / logical.height());
    // Everything is drawn inside the rounded frame.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(QPointF(0, 0), logical), kFrameRadius, kFrameRadius);
    painter_.setClipPath(frame);
    QColor top, bottom;
    skyColours(sky, top, bottom);
    QLinearGradient gradient(0, 0, 0, logical.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(0.7, bottom);
    painter_.fillRect(QRectF(QPointF(0, 0), logical), gradient);
    ink_ = QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

Sketch::~Sketch() {
    if (painter_.isActive()) painter_.end();
}

QImage Sketch::finish() {
    painter_.setClipping(false);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(kInk, 2));
    painter_.drawRoundedRect(QRectF(QPointF(1, 1), logical_ - QSizeF(2, 2)), kFrameRadius,
                             kFrameRadius);
    painter_.end();
    return image_;
}

void Sketch::ground(double horizon, QColor colour) {
    QLinearGradient gradient(0, horizon, 0, height());
    gradient.setColorAt(0, colour.lighter(112));
    gradient.setColorAt(1, colour.darker(118));
    painter_.fillRect(QRectF(0, horizon, width(), height() - horizon), gradient);
}

void Sketch::hill(double left, double right, double top, double base, QColor colour) {
    QPainterPath path;
    path.moveTo(left, base);
    path.cubicTo(left + (right - left) * 0.3, top, left + (right - left) * 0.7, top, right, base);
    path.closeSubpath();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour);
    painter_.drawPath(path);
}

void Sketch::sea(double top, double bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, QColor(60, 120, 180));
    gradient.setColorAt(1, QColor(30, 70, 130));
    painter_.fillRect(QRectF(0, top, width(), bottom - top), gradient);
    painter_.setPen(QPen(QColor(200, 226, 246, 170), 0.8));
    for (double y = top + 3; y < bottom; y += 5)
        for (double x = std::fmod(y * 7, 17); x < width(); x += 17)
            painter_.drawLine(QPointF(x, y), QPointF(x + 5, y));
}

void Sketch::sun(QPointF centre, double radius, QColor colour) {
    QRadialGradient glow(centre, radius * 2.2);
    QColor halo = colour;
    halo.setAlpha(110);
    glow.setColorAt(0, halo);
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(glow);
    painter_.drawEllipse(centre, radius * 2.2, radius * 2.2);
    painter_.setBrush(colour);
    painter_.drawEllipse(centre, radius, radius);
}

void Sketch::cloud(QPointF centre, double size) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(255, 255, 255, 220));
    painter_.drawEllipse(centre, size, size * 0.45);
    painter_.drawEllipse(centre + QPointF(-size * 0.45, size * 0.08), size * 0.5, size * 0.35);
    painter_.drawEllipse(centre + QPointF(size * 0.2, -size * 0.22), size * 0.5, size * 0.4);
}

void Sketch::shape(const QPolygonF& outline, QColor fill) {
    painter_.setPen(ink_);
    painter_.setBrush(fill);
    painter_.drawPolygon(outline);
}

void Sketch::shape(std::initializer_list<QPointF> outline, QColor fill) {
    shape(QPolygonF(QList<QPointF>(outline)), fill);
}

void Sketch::box(QRectF r, QColor fill) {
    painter_.setPen(ink_);
    painter_.setBrush(fill);
    painter_.drawRect(r);
}

void Sketch::roundBox(QRectF r, double radius, QColor fill) {
    painter_.setPen(ink_);
    painter_.setBrush(fill);
    painter_.drawRoundedRect(r, radius, radius);
}

void Sketch::disc(QPointF centre, double rx, double ry, QColor fill) {
    painter_.setPen(ink_);
    painter_.setBrush(fill);
    painter_.drawEllipse(centre, rx, ry);
}

void Sketch::line(QPointF from, QPointF to, double width, QColor colour) {
    painter_.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(from, to);
}

void Sketch::window(QRectF r, bool arched) {
    painter_.setPen(ink_);
    painter_.setBrush(QColor(70, 96, 130));
    if (!arched) {
        painter_.drawRect(r);
        return;
    }
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + r.width() / 2);
    path.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    painter_.drawPath(path);
}

void Sketch::battlements(double left, double right, double top, double tooth, QColor fill) {
    for (double x = left; x + tooth <= right + 0.01; x += 2 * tooth)
        box(QRectF(x, top - tooth, tooth, tooth), fill);
}

void Sketch::tree(QPointF foot, double size, QColor leaves) {
    box(QRectF(foot.x() - size * 0.08, foot.y() - size * 0.45, size * 0.16, size * 0.45), kWood);
    disc(foot - QPointF(0, size * 0.7), size * 0.38, size * 0.36, leaves);
    disc(foot - QPointF(size * 0.18, size * 0.55), size * 0.22, size * 0.2, leaves);
}

void Sketch::figure(QPointF foot, double size, QColor clothes) {
    const double x = foot.x();
    const double y = foot.y();
    shape({{x - size * 0.18, y},
           {x - size * 0.12, y - size * 0.7},
           {x + size * 0.12, y - size * 0.7},
           {x + size * 0.18, y}},
          clothes);
    disc(QPointF(x, y - size * 0.82), size * 0.13, size * 0.13, QColor(240, 204, 170));
}

void Sketch::flag(QPointF poleTop, double size, QColor colour) {
    line(poleTop, poleTop + QPointF(0, size * 1.3), 1, kInk);
    shape({poleTop, poleTop + QPointF(size, size * 0.25), poleTop + QPointF(0, size * 0.5)},
          colour);
}

void Sketch::smoke(QPointF from, double size) {
    painter_.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter_.setBrush(QColor(150, 150, 156, 170 - i * 30));
        painter_.drawEllipse(from + QPointF(i * size * 0.7, -i * size * 0.6),
                             size * (0.5 + i * 0.2), size * (0.4 + i * 0.15));
    }
}

// A gabled house front: walls, roof, a door and two windows.
void House(Sketch& s, QRectF walls, QColor wall, QColor roof) {
    s.shape({{walls.left() - 3, walls.top()},
             {walls.center().x(), walls.top() - walls.width() * 0.45},
             {walls.right() + 3, walls.top()}},
            roof);
    s.box(walls, wall);
    const double w = walls.width();
    s.box(QRectF(walls.center().x() - w * 0.1, walls.bottom() - w * 0.35, w * 0.2, w * 0.35),
          kWood);
    s.window(QRectF(walls.left() + w * 0.12, walls.top() + w * 0.15, w * 0.2, w * 0.2));
    s.window(QRectF(walls.right() - w * 0.32, walls.top() + w * 0.15, w * 0.2, w * 0.2));
}

// A row of classical columns under a pediment: museums, government, Rome.
void Portico(Sketch& s, double left, double right, double top, double base, int columns,
             QColor stone) {
    const double w = right - left;
    s.shape({{left - 3, top}, {left + w / 2, top - w * 0.22}, {right + 3, top}}, stone);
    s.box(QRectF(left - 3, top, w + 6, 5), stone);
    s.box(QRectF(left - 5, base - 4, w + 10, 4), stone.darker(110));
    const double pitch = w / (columns - 1);
    for (int i = 0; i < columns; ++i)
        s.box(QRectF(left + i * pitch - 2.2, top + 5, 4.4, base - top - 9), stone.lighter(106));
}

void SteamEngine(Sketch& s, double x, double rail, double scale, QColor body) {
    auto at = [&](double dx, double dy) { return QPointF(x + dx * scale, rail + dy * scale); };
    s.line(at(-10, 0), at(90, 0), 1.6 * scale, kBlack);
    s.box(QRectF(at(10, -30), at(50, -10)), body);              // boiler
    s.box(QRectF(at(50, -40), at(70, -10)), body.darker(115));  // cab
    s.box(QRectF(at(48, -44), at(72, -40)), kBlack);            // cab roof
    s.box(QRectF(at(16, -42), at(23, -30)), kBlack);            // chimney
    s.box(QRectF(at(4, -14), at(72, -8)), kBlack);              // footplate
    s.window(QRectF(at(56, -36), at(65, -27)));
    for (double wheel : {18.0, 34.0, 60.0}) s.disc(at(wheel, -5), 6 * scale, 6 * scale, kRed);
    s.smoke(at(20, -48), 5 * scale);
}

}  // namespace picturekit
