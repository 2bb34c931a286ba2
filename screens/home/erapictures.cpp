#include "screens/home/erapictures.h"

#include <QPainterPath>
#include <cmath>

#include "screens/home/picturekit.h"
#include "screens/home/timelineperiods.h"

using namespace picturekit;

namespace {

constexpr int kSize = 200;
constexpr double kLogical = 100;
constexpr double kHorizon = 70;

using P = QPointF;

// An era picture's canvas: 100 x 100 logical units on 200 x 200 pixels.
struct EraSketch : Sketch {
    explicit EraSketch(Sky sky) : Sketch(QSize(kSize, kSize), QSizeF(kLogical, kLogical), sky) {}
};

QImage stoneAges() {
    EraSketch s(Sky::Evening);
    s.sun(P(50, 52), 12, QColor(255, 200, 120));
    s.ground(kHorizon, QColor(90, 120, 70));
    s.hill(-20, 120, 60, kHorizon + 2, QColor(80, 110, 66));
    const QColor stone(110, 104, 100);
    for (double x : {10.0, 24.0, 62.0, 76.0}) s.roundBox(QRectF(x, 38, 10, 36), 2, stone);
    s.box(QRectF(8, 32, 28, 7), stone.darker(108));
    s.box(QRectF(60, 32, 28, 7), stone.darker(108));
    s.roundBox(QRectF(42, 50, 12, 24), 2, stone);
    s.figure(P(90, 86), 14, QColor(130, 90, 50));
    return s.finish();
}

QImage roman() {
    EraSketch s(Sky::Day);
    s.ground(kHorizon, QColor(200, 180, 120));
    s.hill(-10, 60, 54, kHorizon, QColor(150, 160, 100));
    Portico(s, 18, 82, 36, 78, 6, QColor(236, 226, 204));
    // A legionary's helmet before the temple: a bronze dome, cheek guard and a red crest.
    const QColor bronze(206, 166, 70);
    s.box(QRectF(49, 66, 2, 6), kBlack);
    for (int i = 0; i <= 10; ++i) {
        const double t = 3.1416 * (0.1 + 0.08 * i);
        s.line(P(50 - 12 * std::cos(t), 70 - 5 * std::sin(t)),
               P(50 - 17 * std::cos(t), 70 - 11 * std::sin(t)), 2.2, kRed);
    }
    QPainterPath dome;
    dome.moveTo(37, 86);
    dome.cubicTo(37, 68, 63, 68, 63, 86);
    dome.closeSubpath();
    s.painter().setPen(QPen(QColor(46, 40, 44), 0.6));
    s.painter().setBrush(bronze);
    s.painter().drawPath(dome);
    s.box(QRectF(35, 85, 30, 3), bronze.darker(115));
    s.shape({{60, 88}, {68, 88}, {70, 93}, {61, 91}}, bronze.darker(108));
    s.shape({{40, 88}, {46, 88}, {45, 98}, {40, 96}}, bronze);
    return s.finish();
}

QImage angloSaxon() {
    EraSketch s(Sky::Dawn);
    s.sea(62, 100);
    s.cloud(P(22, 16), 10);
    // A longship under a striped sail.
    QPainterPath hull;
    hull.moveTo(8, 60);
    hull.cubicTo(20, 80, 80, 80, 92, 60);
    hull.lineTo(86, 68);
    hull.lineTo(14, 68);
    hull.closeSubpath();
    s.painter().setPen(QPen(QColor(46, 40, 44), 0.8));
    s.painter().setBrush(kWood);
    s.painter().drawPath(hull);
    s.shape({{8, 60}, {4, 48}, {10, 50}, {12, 62}}, kWood);
    s.shape({{92, 60}, {96, 48}, {90, 50}, {88, 62}}, kWood);
    s.line(P(50, 66), P(50, 14), 1.5, kWood.darker(120));
    for (int i = 0; i < 5; ++i) s.box(QRectF(30 + i * 8, 18, 8, 34), i % 2 == 0 ? kRed : kWhite);
    for (int i = 0; i < 7; ++i) s.disc(P(20 + i * 10, 66), 3.4, 3.4, i % 2 == 0 ? kGold : kBlue);
    return s.finish();
}

QImage norman() {
    EraSketch s(Sky::Day);
    s.ground(kHorizon, kGrass);
    // A keep on its mound.
    s.hill(20, 90, 48, kHorizon + 4, kGrass.darker(110));
    s.box(QRectF(44, 26, 30, 28), kStone);
    s.battlements(44, 74, 26, 3.5, kStone);
    s.window(QRectF(56, 34, 5, 8), true);
    s.flag(P(59, 8), 8, kRed);
    // A kite shield and a sword before it.
    s.line(P(78, 94), P(94, 40), 2.4, QColor(190, 196, 206));
    s.line(P(80, 74), P(92, 80), 2.4, kGold);
    s.shape({{12, 48}, {38, 48}, {36, 70}, {25, 96}, {14, 70}}, kWhite);
    s.line(P(25, 50), P(25, 92), 4, kRed);
    s.line(P(13, 60), P(37, 60), 4, kRed);
    return s.finish();
}

QImage medieval() {
    EraSketch s(Sky::Day);
    s.ground(86, QColor(160, 150, 130));
    s.box(QRectF(20, 30, 60, 58), kStone);
    s.shape({{18, 30}, {50, 8}, {82, 30}}, kStone.darker(106));
    for (double x : {12.0, 80.0}) {
        s.box(QRectF(x, 20, 8, 68), kStone.darker(104));
        s.shape({{x - 1, 20}, {x + 4, 4}, {x + 9, 20}}, kDarkStone);
    }
    // The rose window over the great door.
    s.disc(P(50, 40), 11, 11, QColor(70, 96, 130));
    for (int i = 0; i < 8; ++i) {
        QPainter& p = s.painter();
        p.save();
        p.translate(50, 40);
        p.rotate(i * 45);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(i * 45, 170, 230));
        p.drawEllipse(QRectF(2, -2, 8, 4));
        p.restore();
    }
    s.window(QRectF(42, 62, 16, 26), true);
    for (double x : {26.0, 68.0}) s.window(QRectF(x, 54, 6, 18), true);
    return s.finish();
}

QImage tudor() {
    EraSketch s(Sky::Day);
    s.ground(kHorizon, kGrass);
    s.cloud(P(80, 14), 9);
    const QRectF walls(18, 40, 64, 46);
    House(s, walls, QColor(248, 244, 230), kRoof);
    // Black timbers on white plaster, the upper floor jettied.
    for (double x = 20; x < 82; x += 10) s.line(P(x, 40), P(x, 60), 2, kBlack);
    s.line(P(16, 60), P(84, 60), 2.5, kBlack);
    s.line(P(18, 40), P(82, 40), 2.5, kBlack);
    for (double x : {21.0, 67.0}) {
        s.line(P(x, 62), P(x + 8, 84), 1.6, kBlack);
        s.line(P(x + 8, 62), P(x, 84), 1.6, kBlack);
    }
    s.box(QRectF(64, 10, 8, 16), kBrick);
    return s.finish();
}

QImage civilWar() {
    EraSketch s(Sky::Dawn);
    s.ground(82, QColor(170, 160, 140));
    // A great dome rising from the city, rebuilt.
    s.box(QRectF(16, 50, 68, 34), kStone);
    Portico(s, 34, 66, 62, 84, 5, kStone.lighter(106));
    s.box(QRectF(34, 38, 32, 14), kStone.lighter(104));
    QPainterPath dome;
    dome.moveTo(32, 38);
    dome.cubicTo(32, 12, 68, 12, 68, 38);
    dome.closeSubpath();
    s.painter().setPen(QPen(QColor(46, 40, 44), 0.6));
    s.painter().setBrush(QColor(150, 170, 170));
    s.painter().drawPath(dome);
    s.box(QRectF(47, 10, 6, 10), kStone);
    s.disc(P(50, 8), 2, 2, kGold);
    for (double x : {10.0, 84.0}) {
        s.box(QRectF(x, 34, 8, 50), kStone.darker(104));
        s.shape({{x - 1, 34}, {x + 4, 22}, {x + 9, 34}}, kDarkStone);
    }
    return s.finish();
}

QImage georgian() {
    EraSketch s(Sky::Day);
    s.ground(86, QColor(170, 170, 160));
    s.box(QRectF(0, 24, 100, 62), QColor(226, 210, 170));
    s.box(QRectF(0, 20, 100, 5), QColor(210, 196, 160));
    for (int bay = 0; bay < 3; ++bay) {
        const double x = 4 + bay * 33;
        s.window(QRectF(x + 2, 30, 7, 12));
        s.window(QRectF(x + 14, 30, 7, 12));
        s.window(QRectF(x + 2, 48, 7, 12));
        s.window(QRectF(x + 14, 48, 7, 12));
        s.box(QRectF(x + 7, 68, 9, 18), QColor(30, 50, 90));
        s.painter().setPen(QPen(QColor(46, 40, 44), 0.6));
        s.painter().setBrush(QColor(250, 240, 190));
        s.painter().drawChord(QRectF(x + 7, 63, 9, 9), 0, 180 * 16);
        s.box(QRectF(x + 26, 24, 2, 62), QColor(210, 196, 160));
    }
    s.line(P(0, 66), P(100, 66), 1, kBlack);
    return s.finish();
}

QImage industrial() {
    EraSketch s(Sky::Evening);
    s.ground(kHorizon, QColor(110, 104, 96));
    for (int i = 0; i < 3; ++i) {
        const double x = 50 + i * 16;
        s.box(QRectF(x, 14 + i * 6, 6, 56 - i * 6), kBrick);
        s.smoke(P(x + 3, 10 + i * 6), 4);
    }
    s.box(QRectF(44, 44, 56, 26), kBrick.darker(112));
    for (double x = 48; x < 96; x += 9) s.window(QRectF(x, 50, 5, 8), true);
    SteamEngine(s, 4, 90, 0.72, QColor(30, 40, 40));
    return s.finish();
}

QImage technology() {
    EraSketch s(Sky::Night);
    for (int i = 0; i < 24; ++i) {
        const double x = (i * 37) % 100;
        const double y = (i * 23) % 60;
        s.disc(P(x, y), 0.5, 0.5, kWhite);
    }
    s.ground(84, QColor(70, 70, 80));
    // A rocket lifting off in its flame.
    s.shape({{52, 80}, {46, 96}, {58, 96}}, QColor(255, 180, 60));
    s.shape({{52, 86}, {49, 96}, {55, 96}}, QColor(255, 240, 150));
    s.box(QRectF(46, 32, 12, 48), kWhite);
    s.shape({{46, 32}, {52, 14}, {58, 32}}, kRed);
    s.shape({{46, 66}, {38, 80}, {46, 78}}, kRed);
    s.shape({{58, 66}, {66, 80}, {58, 78}}, kRed);
    s.disc(P(52, 44), 3, 3, QColor(110, 160, 220));
    // A satellite in orbit.
    s.box(QRectF(76, 16, 8, 8), kGold);
    s.box(QRectF(64, 18, 10, 4), kBlue);
    s.box(QRectF(86, 18, 10, 4), kBlue);
    return s.finish();
}

using Painter = QImage (*)();
constexpr Painter kPainters[kEraCount] = {stoneAges, roman,    angloSaxon, norman,     medieval,
                                          tudor,     civilWar, georgian,   industrial, technology};

}  // namespace

QImage PaintEraPicture(int era) {
    if (era < 0 || era >= kEraCount) return QImage();
    return kPainters[era]();
}

QImage PaintPointingHand(bool pointsRight) {
    QImage image(32, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!pointsRight) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(60, 40, 30), 1));
    p.setBrush(QColor(70, 90, 150));
    p.drawRect(QRectF(1, 6, 6, 13));  // the cuff
    p.setBrush(QColor(250, 214, 180));
    p.drawRoundedRect(QRectF(6, 6, 14, 14), 4, 4);        // the fist
    p.drawRoundedRect(QRectF(14, 6.5, 17, 5), 2.5, 2.5);  // the finger
    p.setPen(QPen(QColor(190, 140, 110), 0.8));
    for (double y : {12.0, 15.0, 18.0}) p.drawLine(QPointF(12, y), QPointF(19, y));
    return image;
}
