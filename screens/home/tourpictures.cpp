#include "screens/home/tourpictures.h"

#include <QPainterPath>
#include <cmath>

#include "screens/home/picturekit.h"
#include "screens/home/tourtopics.h"

using namespace picturekit;

namespace {

constexpr int kWidth = kTourPictureWidth;
constexpr int kHeight = kTourPictureHeight;
constexpr double kHorizon = 68;

using P = QPointF;

// A tour picture's canvas: its logical size is its size.
struct TourSketch : Sketch {
    explicit TourSketch(Sky sky) : Sketch(QSize(kWidth, kHeight), QSizeF(kWidth, kHeight), sky) {}
};

// The same with grass below the horizon.
struct Landscape : TourSketch {
    explicit Landscape(Sky sky = Sky::Day) : TourSketch(sky) { ground(kHorizon, kGrass); }
};

QImage artwork() {
    Landscape s;
    s.line(P(46, 88), P(62, 16), 2.5, kWood);
    s.line(P(82, 88), P(66, 16), 2.5, kWood);
    s.line(P(64, 90), P(64, 30), 2.5, kWood);
    s.box(QRectF(40, 22, 48, 38), kWhite);
    s.painter().fillRect(QRectF(43, 25, 42, 20), QColor(130, 190, 236));
    s.painter().fillRect(QRectF(43, 45, 42, 12), kGrass);
    s.sun(P(74, 33), 4, kGold);
    s.hill(43, 85, 36, 46, kDarkGrass);
    s.box(QRectF(38, 60, 52, 3), kWood);
    s.disc(P(104, 76), 14, 9, QColor(226, 196, 150));
    for (int i = 0; i < 4; ++i)
        s.disc(P(96 + i * 6, 73 + (i % 2) * 5), 2.5, 2.5, QColor::fromHsv(i * 80, 200, 230));
    return s.finish();
}

QImage beautiful() {
    Landscape s(Sky::Dawn);
    s.sun(P(96, 30), 8, QColor(255, 226, 140));
    s.cloud(P(34, 20), 12);
    s.hill(-20, 70, 34, kHorizon + 2, QColor(120, 150, 120));
    s.hill(40, 150, 40, kHorizon + 2, QColor(100, 140, 96));
    s.painter().setPen(Qt::NoPen);
    s.painter().setBrush(QColor(90, 150, 210));
    s.painter().drawEllipse(QRectF(20, 70, 80, 14));
    s.tree(P(110, 90), 24, kDarkGrass);
    s.tree(P(14, 92), 20, kDarkGrass);
    return s.finish();
}

QImage bigIndustry() {
    Landscape s(Sky::Evening);
    s.ground(kHorizon, QColor(120, 120, 110));
    for (int i = 0; i < 3; ++i) {
        const double x = 22 + i * 30;
        s.box(QRectF(x, 20 + i * 4, 7, 50 - i * 4), kBrick);
        s.smoke(P(x + 4, 16 + i * 4), 5);
    }
    s.shape({{10, 70},
             {10, 48},
             {30, 40},
             {30, 48},
             {50, 40},
             {50, 48},
             {70, 40},
             {70, 48},
             {90, 40},
             {90, 70}},
            kBrick.darker(110));
    s.box(QRectF(92, 46, 28, 24), QColor(150, 150, 160));
    for (double x : {18.0, 38.0, 58.0, 78.0}) s.window(QRectF(x, 54, 7, 8));
    return s.finish();
}

QImage business() {
    Landscape s;
    s.ground(78, QColor(150, 150, 150));
    const double towers[][3] = {{12, 40, 22}, {36, 14, 26}, {64, 28, 22}, {88, 8, 28}};
    for (const auto& t : towers) {
        s.box(QRectF(t[0], t[1], t[2], 80 - t[1]), QColor(120, 150, 180));
        for (double y = t[1] + 5; y < 74; y += 7)
            for (double x = t[0] + 3; x + 4 < t[0] + t[2]; x += 6)
                s.painter().fillRect(QRectF(x, y, 3.5, 4), QColor(230, 240, 250));
    }
    s.line(P(101, 8), P(101, 1), 1, kBlack);
    return s.finish();
}

QImage castles() {
    Landscape s;
    s.cloud(P(100, 16), 10);
    s.hill(-10, 140, 54, kHorizon + 6, kGrass.darker(105));
    s.box(QRectF(34, 40, 60, 40), kStone);
    s.battlements(34, 94, 40, 5, kStone);
    for (double x : {22.0, 94.0}) {
        s.box(QRectF(x, 28, 14, 52), kStone.darker(105));
        s.battlements(x, x + 14, 28, 3.5, kStone.darker(105));
        s.window(QRectF(x + 4.5, 38, 5, 8), true);
    }
    s.box(QRectF(54, 22, 20, 58), kStone.lighter(104));
    s.battlements(54, 74, 22, 4, kStone.lighter(104));
    s.flag(P(64, 6), 10, kRed);
    s.window(QRectF(60, 32, 8, 12), true);
    s.window(QRectF(57, 62, 14, 18), true);
    return s.finish();
}

QImage coast() {
    TourSketch s(Sky::Day);
    s.sea(56, kHeight);
    s.cloud(P(30, 18), 11);
    s.shape({{60, 96}, {66, 50}, {80, 40}, {128, 38}, {128, 96}}, QColor(214, 200, 170));
    s.painter().fillRect(QRectF(78, 36, 50, 5), kGrass);
    s.box(QRectF(98, 14, 10, 26), kWhite);
    s.box(QRectF(98, 20, 10, 5), kRed);
    s.box(QRectF(98, 30, 10, 5), kRed);
    s.box(QRectF(96, 8, 14, 6), QColor(250, 236, 140));
    s.shape({{95, 8}, {103, 2}, {111, 8}}, kRed);
    s.shape({{20, 76}, {44, 76}, {40, 82}, {24, 82}}, kWhite);
    s.shape({{32, 74}, {32, 58}, {42, 73}}, kWhite);
    return s.finish();
}

QImage crime() {
    TourSketch s(Sky::Night);
    s.box(QRectF(0, 0, kWidth, kHeight), QColor(120, 112, 100));
    for (double y = 8; y < kHeight; y += 12)
        for (double x = (static_cast<int>(y) / 12 % 2) * 12 - 6; x < kWidth; x += 24)
            s.box(QRectF(x, y, 24, 12), QColor(132, 124, 110));
    s.box(QRectF(34, 14, 60, 50), QColor(24, 30, 64));
    s.disc(P(78, 28), 7, 7, QColor(250, 246, 210));
    for (double x = 40; x < 94; x += 9) s.line(P(x, 14), P(x, 64), 3, kBlack);
    s.line(P(34, 38), P(94, 38), 3, kBlack);
    s.disc(P(40, 82), 8, 8, kBlack);
    s.line(P(46, 80), P(80, 76), 1.5, kBlack);
    s.disc(P(84, 76), 4, 3, kDarkStone);
    return s.finish();
}

QImage distantViews() {
    Landscape s;
    // Ranges fading into the distance, watched through a telescope from the near hill.
    s.hill(20, 140, 28, kHorizon, QColor(150, 172, 204));
    s.hill(56, 176, 38, kHorizon, QColor(116, 146, 186));
    s.hill(-40, 70, 50, kHeight, kGrass.darker(108));
    s.line(P(30, 60), P(22, 78), 1.6, kWood);
    s.line(P(30, 60), P(38, 78), 1.6, kWood);
    s.line(P(30, 60), P(30, 80), 1.6, kWood);
    s.painter().save();
    s.painter().translate(30, 58);
    s.painter().rotate(-14);
    s.roundBox(QRectF(-12, -3.5, 34, 7), 2, kGold);
    s.box(QRectF(20, -4.5, 4, 9), kGold.darker(120));
    s.painter().restore();
    s.figure(P(14, 80), 24, kBlue);
    return s.finish();
}

QImage famousSights() {
    Landscape s;
    s.cloud(P(28, 22), 12);
    s.box(QRectF(54, 28, 20, 56), kStone);
    s.shape({{52, 28}, {64, 2}, {76, 28}}, QColor(90, 110, 100));
    s.disc(P(64, 40), 7.5, 7.5, kWhite);
    s.line(P(64, 40), P(64, 35), 1.2, kBlack);
    s.line(P(64, 40), P(68, 41), 1.2, kBlack);
    for (double y : {54.0, 66.0}) s.window(QRectF(60, y, 8, 8), true);
    s.box(QRectF(14, 58, 40, 26), kStone.darker(104));
    s.box(QRectF(74, 58, 40, 26), kStone.darker(104));
    for (double x : {20.0, 32.0, 80.0, 92.0, 104.0}) s.window(QRectF(x, 64, 5, 10), true);
    return s.finish();
}

QImage festivals() {
    Landscape s;
    s.shape({{20, 80}, {30, 36}, {64, 18}, {98, 36}, {108, 80}}, kWhite);
    for (int i = 0; i < 4; ++i)
        s.shape({{30 + i * 17.0, 36}, {64, 18}, {38.5 + i * 17.0, 36}}, kRed);
    s.box(QRectF(52, 56, 24, 24), QColor(60, 40, 40));
    s.flag(P(64, 4), 8, kBlue);
    QPainterPath rope;
    rope.moveTo(0, 16);
    rope.quadTo(30, 34, 60, 20);
    s.painter().setPen(QPen(kBlack, 0.8));
    s.painter().setBrush(Qt::NoBrush);
    s.painter().drawPath(rope);
    for (int i = 0; i < 6; ++i) {
        const P at = rope.pointAtPercent(0.08 + i * 0.16);
        s.shape({at, at + P(5, 0), at + P(2.5, 7)}, QColor::fromHsv(i * 55, 210, 240));
    }
    return s.finish();
}

QImage filmTvPress() {
    TourSketch s(Sky::Night);
    // A clapperboard over a folded newspaper.
    s.box(QRectF(62, 46, 56, 40), kWhite);
    for (double y = 54; y < 82; y += 5) s.line(P(68, y), P(112, y), 1.2, kDarkStone);
    s.box(QRectF(68, 50, 20, 14), kDarkStone);
    s.box(QRectF(10, 40, 56, 44), kBlack);
    s.shape({{10, 40}, {14, 20}, {70, 14}, {66, 34}}, kBlack);
    for (int i = 0; i < 4; ++i) {
        const double x = 18 + i * 13;
        s.shape({{x, 37}, {x + 6, 36.5}, {x + 9, 19}, {x + 3, 19.5}}, kWhite);
    }
    for (double y = 52; y < 80; y += 9) s.line(P(16, y), P(58, y), 1.4, kWhite);
    return s.finish();
}

QImage gardens() {
    Landscape s;
    s.tree(P(18, 74), 34, kDarkGrass);
    s.tree(P(112, 72), 30, kDarkGrass);
    s.painter().setPen(Qt::NoPen);
    s.painter().setBrush(QColor(210, 196, 160));
    s.painter().drawPolygon(QPolygonF({P(56, 96), P(60, 68), P(68, 68), P(74, 96)}));
    s.box(QRectF(52, 48, 24, 6), kStone);
    s.box(QRectF(61, 34, 6, 14), kStone);
    s.disc(P(64, 30), 8, 3, kStone);
    s.painter().setPen(QPen(QColor(120, 180, 240), 1.5));
    s.painter().drawLine(P(64, 28), P(58, 46));
    s.painter().drawLine(P(64, 28), P(70, 46));
    for (int i = 0; i < 12; ++i) {
        const double x = 6 + i * 10 + (i % 2) * 3;
        const double y = 82 + (i % 3) * 4;
        if (x > 50 && x < 78) continue;
        s.disc(P(x, y), 3, 3, QColor::fromHsv((i * 47) % 360, 190, 245));
    }
    return s.finish();
}

QImage government() {
    Landscape s;
    s.ground(76, QColor(170, 170, 160));
    s.disc(P(64, 30), 18, 18, QColor(120, 160, 150));
    s.box(QRectF(60, 6, 8, 8), kStone);
    s.box(QRectF(40, 30, 48, 8), kStone);
    Portico(s, 30, 98, 46, 78, 7, kStone);
    s.flag(P(64, -2), 8, kRed);
    return s.finish();
}

QImage greatArtists() {
    TourSketch s(Sky::Dawn);
    s.box(QRectF(0, 0, kWidth, kHeight), QColor(120, 40, 46));
    s.box(QRectF(30, 6, 68, 84), kGold);
    s.box(QRectF(38, 14, 52, 68), QColor(70, 90, 70));
    // A portrait: head and shoulders.
    s.shape({{44, 82}, {50, 64}, {78, 64}, {84, 82}}, QColor(40, 40, 60));
    s.disc(P(64, 46), 11, 14, QColor(236, 200, 168));
    s.shape({{52, 42}, {56, 30}, {72, 30}, {76, 42}, {70, 34}, {58, 34}}, QColor(110, 70, 40));
    return s.finish();
}

QImage monuments() {
    Landscape s(Sky::Evening);
    s.hill(-20, 150, 56, kHorizon + 8, kDarkGrass);
    const double stones[][4] = {
        {16, 40, 12, 38}, {40, 34, 14, 44}, {66, 36, 14, 42}, {92, 42, 12, 36}};
    for (const auto& st : stones) s.roundBox(QRectF(st[0], st[1], st[2], st[3]), 3, kDarkStone);
    s.box(QRectF(36, 28, 48, 8), kDarkStone.darker(110));
    return s.finish();
}

QImage historicTowns() {
    Landscape s;
    s.ground(80, QColor(170, 160, 140));
    const QColor walls[] = {QColor(246, 236, 210), QColor(240, 220, 190), QColor(250, 240, 220)};
    for (int i = 0; i < 3; ++i) {
        const double x = 6 + i * 40;
        House(s, QRectF(x, 40 - (i % 2) * 6, 36, 40 + (i % 2) * 6), walls[i], kRoof);
        // Timber framing.
        s.line(P(x, 58), P(x + 36, 58), 2, kBlack);
        s.line(P(x + 18, 40 - (i % 2) * 6), P(x + 18, 58), 2, kBlack);
    }
    return s.finish();
}

QImage hospitals() {
    Landscape s;
    s.box(QRectF(20, 26, 88, 54), kWhite);
    for (double x = 28; x < 104; x += 14)
        for (double y : {32.0, 50.0}) s.window(QRectF(x, y, 8, 9));
    s.box(QRectF(52, 6, 24, 24), kWhite);
    s.box(QRectF(61, 9, 6, 18), kRed);
    s.box(QRectF(55, 15, 18, 6), kRed);
    s.box(QRectF(56, 64, 16, 16), QColor(120, 150, 180));
    return s.finish();
}

QImage hotels() {
    TourSketch s(Sky::Evening);
    s.box(QRectF(0, 60, kWidth, 36), QColor(250, 246, 236));
    s.disc(P(64, 70), 30, 14, kWhite);
    s.disc(P(64, 70), 20, 9, QColor(240, 236, 226));
    // Knife and fork.
    s.roundBox(QRectF(22, 52, 5, 40), 2, QColor(200, 200, 210));
    for (double x : {17.0, 21.0, 25.0, 29.0})
        s.line(P(x, 40), P(x, 52), 1.4, QColor(120, 120, 130));
    s.shape({{100, 92}, {100, 40}, {110, 46}, {106, 92}}, QColor(200, 200, 210));
    // A domed cover on the plate.
    QPainterPath dome;
    dome.moveTo(42, 66);
    dome.arcTo(QRectF(42, 34, 44, 64), 180, -180);
    dome.closeSubpath();
    s.painter().setPen(QPen(QColor(46, 40, 44), 1.1));
    s.painter().setBrush(QColor(210, 210, 220));
    s.painter().drawPath(dome);
    s.disc(P(64, 33), 3, 2.5, QColor(210, 210, 220));
    return s.finish();
}

QImage landscapeViews() {
    Landscape s;
    s.shape({{0, 70}, {30, 18}, {44, 34}, {62, 8}, {96, 60}, {128, 30}, {128, 70}},
            QColor(130, 130, 150));
    s.shape({{24, 28}, {30, 18}, {36, 26}}, kWhite);
    s.shape({{55, 20}, {62, 8}, {69, 18}}, kWhite);
    s.ground(66, kGrass);
    QPainterPath river;
    river.moveTo(60, 66);
    river.cubicTo(40, 76, 90, 84, 50, 96);
    river.lineTo(80, 96);
    river.cubicTo(110, 82, 56, 76, 68, 66);
    river.closeSubpath();
    s.painter().setPen(Qt::NoPen);
    s.painter().setBrush(QColor(90, 150, 210));
    s.painter().drawPath(river);
    s.tree(P(16, 90), 22, kDarkGrass);
    return s.finish();
}

QImage mazes() {
    TourSketch s(Sky::Day);
    s.box(QRectF(0, 0, kWidth, kHeight), QColor(214, 200, 160));
    const QColor hedge(60, 120, 56);
    for (int ring = 0; ring < 4; ++ring) {
        const double inset = 8 + ring * 10;
        const QRectF r(inset + 16, inset - 2, kWidth - 2 * inset - 32, kHeight - 2 * inset + 4);
        s.painter().setPen(QPen(hedge, 5, Qt::SolidLine, Qt::SquareCap));
        s.painter().setBrush(Qt::NoBrush);
        // Each ring has a gap, on alternating sides.
        const double gap = ring % 2 == 0 ? r.left() + 10 : r.right() - 10;
        s.painter().drawLine(P(r.left(), r.top()), P(gap - 5, r.top()));
        s.painter().drawLine(P(gap + 5, r.top()), P(r.right(), r.top()));
        s.painter().drawLine(P(r.right(), r.top()), P(r.right(), r.bottom()));
        s.painter().drawLine(P(r.right(), r.bottom()), P(r.left(), r.bottom()));
        s.painter().drawLine(P(r.left(), r.bottom()), P(r.left(), r.top()));
    }
    s.disc(P(64, 48), 3, 3, kGold);
    return s.finish();
}

QImage museums() {
    Landscape s;
    s.ground(80, QColor(200, 196, 184));
    Portico(s, 22, 106, 36, 80, 8, kStone.lighter(108));
    s.box(QRectF(40, 84, 48, 4), kStone);
    s.cloud(P(106, 14), 10);
    return s.finish();
}

QImage oldTransport() {
    Landscape s(Sky::Dawn);
    s.hill(-10, 80, 50, kHorizon, QColor(120, 160, 110));
    SteamEngine(s, 20, 84, 1.1, QColor(30, 100, 70));
    return s.finish();
}

QImage oxbridge() {
    Landscape s(Sky::Evening);
    s.sea(78, kHeight);
    s.box(QRectF(14, 40, 100, 38), kStone);
    for (double x : {14.0, 46.0, 78.0, 108.0}) {
        s.box(QRectF(x, 24, 6, 54), kStone.darker(104));
        s.shape({{x - 1, 24}, {x + 3, 8}, {x + 7, 24}}, kStone.darker(110));
    }
    for (double x = 24; x < 108; x += 12) s.window(QRectF(x, 50, 6, 14), true);
    s.shape({{30, 86}, {90, 86}, {84, 90}, {36, 90}}, kWood);
    return s.finish();
}

QImage policeMilitary() {
    TourSketch s(Sky::Day);
    s.box(QRectF(0, 70, kWidth, 26), QColor(150, 150, 150));
    // A custodian helmet.
    QPainterPath helmet;
    helmet.moveTo(24, 78);
    helmet.cubicTo(26, 40, 36, 14, 52, 12);
    helmet.cubicTo(68, 14, 78, 40, 80, 78);
    helmet.closeSubpath();
    s.painter().setPen(QPen(QColor(46, 40, 44), 1.1));
    s.painter().setBrush(QColor(30, 36, 70));
    s.painter().drawPath(helmet);
    s.disc(P(52, 10), 4, 3, QColor(200, 200, 210));
    s.disc(P(52, 50), 8, 9, QColor(220, 220, 230));
    s.disc(P(52, 50), 4, 4.5, kBlue);
    s.box(QRectF(20, 76, 64, 5), QColor(30, 36, 70));
    // A soldier's tall bearskin beside it.
    s.roundBox(QRectF(90, 14, 28, 52), 12, kBlack);
    s.box(QRectF(96, 62, 16, 12), QColor(240, 204, 170));
    s.box(QRectF(92, 72, 24, 24), kRed);
    return s.finish();
}

QImage recordBreakers() {
    TourSketch s(Sky::Night);
    QPainterPath cup;
    cup.moveTo(40, 12);
    cup.lineTo(88, 12);
    cup.cubicTo(88, 44, 76, 54, 64, 56);
    cup.cubicTo(52, 54, 40, 44, 40, 12);
    s.painter().setPen(QPen(QColor(46, 40, 44), 1.1));
    s.painter().setBrush(kGold);
    s.painter().drawPath(cup);
    s.painter().setBrush(Qt::NoBrush);
    s.painter().setPen(QPen(kGold.darker(120), 4));
    s.painter().drawArc(QRectF(28, 16, 20, 22), 90 * 16, 180 * 16);
    s.painter().drawArc(QRectF(80, 16, 20, 22), 90 * 16, -180 * 16);
    s.box(QRectF(60, 56, 8, 14), kGold.darker(110));
    s.box(QRectF(46, 70, 36, 14), kWood);
    QFont font;
    font.setPixelSize(22);
    font.setBold(true);
    s.painter().setFont(font);
    s.painter().setPen(kWhite);
    s.painter().drawText(QRectF(40, 12, 48, 34), Qt::AlignCenter, QStringLiteral("1"));
    return s.finish();
}

QImage royal() {
    TourSketch s(Sky::Night);
    s.box(QRectF(0, 0, kWidth, kHeight), QColor(90, 30, 100));
    s.disc(P(64, 82), 46, 8, QColor(150, 40, 50));
    s.shape(
        {{30, 74}, {26, 30}, {44, 50}, {54, 22}, {64, 46}, {74, 22}, {84, 50}, {102, 30}, {98, 74}},
        kGold);
    s.box(QRectF(30, 66, 68, 10), kGold.darker(110));
    for (double x : {26.0, 54.0, 74.0, 102.0})
        s.disc(P(x, x == 26 || x == 102 ? 30 : 22), 3.5, 3.5, kWhite);
    s.disc(P(64, 71), 4, 3, kRed);
    s.disc(P(44, 71), 3, 2.5, kBlue);
    s.disc(P(84, 71), 3, 2.5, kBlue);
    return s.finish();
}

QImage shops() {
    Landscape s;
    s.ground(72, QColor(180, 170, 150));
    for (int stall = 0; stall < 2; ++stall) {
        const double x = 8 + stall * 60;
        for (int i = 0; i < 6; ++i)
            s.shape({{x + i * 9.0, 28},
                     {x + i * 9.0 + 9, 28},
                     {x + i * 9.0 + 11, 42},
                     {x + i * 9.0 - 2, 42}},
                    i % 2 == 0 ? (stall == 0 ? kRed : kBlue) : kWhite);
        s.line(P(x, 42), P(x, 80), 2, kWood);
        s.line(P(x + 54, 42), P(x + 54, 80), 2, kWood);
        s.box(QRectF(x - 2, 58, 58, 8), kWood);
        for (int i = 0; i < 6; ++i)
            s.disc(P(x + 6 + i * 9, 55), 3.5, 3.5,
                   stall == 0 ? QColor(230, 120, 40) : QColor(120, 190, 60));
    }
    s.figure(P(64, 94), 26, kBlue);
    return s.finish();
}

QImage sport() {
    Landscape s;
    s.ground(50, kGrass);
    for (double y = 50; y < kHeight; y += 12)
        s.painter().fillRect(QRectF(0, y, kWidth, 6), kGrass.lighter(108));
    s.painter().setPen(QPen(kWhite, 3));
    s.painter().setBrush(Qt::NoBrush);
    s.painter().drawRect(QRectF(26, 22, 76, 34));
    s.painter().setPen(QPen(QColor(255, 255, 255, 120), 0.6));
    for (double x = 30; x < 100; x += 6) s.painter().drawLine(P(x, 24), P(x, 56));
    s.disc(P(64, 78), 12, 12, kWhite);
    s.shape({{64, 72}, {69, 76}, {67, 82}, {61, 82}, {59, 76}}, kBlack);
    return s.finish();
}

QImage statelyHomes() {
    Landscape s;
    s.box(QRectF(10, 40, 108, 36), QColor(230, 214, 178));
    s.shape({{44, 40}, {64, 26}, {84, 40}}, QColor(230, 214, 178));
    s.box(QRectF(6, 36, 20, 40), QColor(222, 204, 168));
    s.box(QRectF(102, 36, 20, 40), QColor(222, 204, 168));
    for (double x = 14; x < 116; x += 10)
        if (x < 54 || x > 72) {
            s.window(QRectF(x, 46, 5, 9));
            s.window(QRectF(x, 62, 5, 9));
        }
    s.box(QRectF(58, 58, 12, 18), kWood);
    s.painter().setPen(Qt::NoPen);
    s.painter().setBrush(QColor(210, 196, 160));
    s.painter().drawPolygon(QPolygonF({P(58, 76), P(70, 76), P(90, 96), P(38, 96)}));
    return s.finish();
}

QImage theatres() {
    TourSketch s(Sky::Night);
    s.box(QRectF(0, 0, kWidth, kHeight), QColor(150, 20, 30));
    for (double x = 6; x < kWidth; x += 12) s.line(P(x, 0), P(x, kHeight), 2, QColor(110, 10, 20));
    s.shape({{0, 0}, {kWidth, 0}, {kWidth, 12}, {0, 12}}, kGold);
    // Comedy and tragedy.
    s.disc(P(46, 48), 20, 24, kWhite);
    s.disc(P(84, 54), 20, 24, kGold);
    s.painter().setPen(QPen(kBlack, 2.5));
    s.painter().setBrush(Qt::NoBrush);
    s.painter().drawArc(QRectF(36, 52, 20, 12), 0, -180 * 16);
    s.painter().drawArc(QRectF(74, 64, 20, 12), 0, 180 * 16);
    for (const P eye : {P(39, 42), P(53, 42), P(77, 48), P(91, 48)}) s.disc(eye, 3, 2, kBlack);
    return s.finish();
}

QImage transport() {
    Landscape s;
    s.hill(40, 150, 46, kHorizon, QColor(120, 166, 106));
    s.line(P(0, 84), P(kWidth, 84), 2, kBlack);
    // A modern express: a sloping nose and a long body.
    s.shape({{4, 82}, {4, 58}, {24, 50}, {96, 50}, {122, 64}, {124, 82}}, kWhite);
    s.box(QRectF(4, 70, 120, 5), kRed);
    s.shape({{96, 52}, {114, 60}, {96, 62}}, QColor(70, 96, 130));
    for (double x = 14; x < 90; x += 14) s.window(QRectF(x, 56, 10, 8));
    for (double x : {18.0, 34.0, 76.0, 100.0}) s.disc(P(x, 83), 4, 4, kBlack);
    return s.finish();
}

QImage universities() {
    TourSketch s(Sky::Dawn);
    s.box(QRectF(24, 70, 80, 10), kRed);
    s.box(QRectF(28, 60, 72, 10), kBlue);
    s.box(QRectF(20, 80, 88, 10), QColor(40, 120, 70));
    // A mortarboard with its tassel.
    s.shape({{64, 16}, {112, 30}, {64, 44}, {16, 30}}, kBlack);
    s.shape({{44, 38}, {84, 38}, {84, 54}, {44, 54}}, kBlack);
    s.line(P(64, 30), P(100, 36), 1.4, kGold);
    s.line(P(100, 36), P(100, 54), 1.4, kGold);
    s.disc(P(100, 56), 2.5, 3, kGold);
    return s.finish();
}

QImage worship() {
    Landscape s;
    s.cloud(P(26, 18), 10);
    s.box(QRectF(24, 48, 62, 32), kStone);
    s.shape({{20, 48}, {55, 30}, {90, 48}}, kRoof);
    s.box(QRectF(84, 30, 20, 50), kStone.darker(104));
    s.shape({{82, 30}, {94, 0}, {106, 30}}, QColor(100, 100, 110));
    s.window(QRectF(90, 40, 8, 14), true);
    for (double x : {32.0, 48.0, 64.0}) s.window(QRectF(x, 56, 7, 14), true);
    s.box(QRectF(90, 64, 8, 16), kWood);
    s.line(P(94, -2), P(94, 6), 1.2, kGold);
    s.tree(P(12, 84), 24, kDarkGrass);
    return s.finish();
}

QImage zoos() {
    Landscape s;
    s.tree(P(112, 70), 30, kDarkGrass);
    const QColor hide(150, 150, 160);
    s.disc(P(56, 56), 30, 20, hide);
    for (double x : {34.0, 48.0, 64.0, 78.0}) s.box(QRectF(x, 66, 9, 20), hide);
    s.disc(P(90, 46), 14, 14, hide);
    s.disc(P(80, 44), 10, 14, hide.darker(108));
    QPainterPath trunk;
    trunk.moveTo(98, 50);
    trunk.cubicTo(106, 62, 100, 76, 108, 80);
    s.painter().setPen(QPen(hide.darker(125), 7, Qt::SolidLine, Qt::RoundCap));
    s.painter().setBrush(Qt::NoBrush);
    s.painter().drawPath(trunk);
    s.painter().setPen(QPen(hide, 5, Qt::SolidLine, Qt::RoundCap));
    s.painter().drawPath(trunk);
    s.disc(P(94, 42), 1.6, 1.6, kBlack);
    s.shape({{98, 54}, {106, 56}, {100, 58}}, kWhite);
    return s.finish();
}

using Painter = QImage (*)();
constexpr Painter kPainters[kTourCount] = {
    artwork,        beautiful,    bigIndustry,  business,      castles,      coast,
    crime,          distantViews, famousSights, festivals,     filmTvPress,  gardens,
    government,     greatArtists, monuments,    historicTowns, hospitals,    hotels,
    landscapeViews, mazes,        museums,      oldTransport,  oxbridge,     policeMilitary,
    recordBreakers, royal,        shops,        sport,         statelyHomes, theatres,
    transport,      universities, worship,      zoos};

}  // namespace

QImage PaintTourPicture(int tour) {
    if (tour < 0 || tour >= kTourCount) return QImage();
    return kPainters[tour]();
}
