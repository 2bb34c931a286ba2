#include "tools/mkedition/scenes/subjects/opensands.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/coastland.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/water.h"

namespace {

enum class Backing { Dunes, Huts, Cliffs };

// The beach seen along its length: every line along the shore (x = offset + slope * z) runs
// to one vanishing point on the horizon; offsets are in metres, sea side positive.
struct Strand {
    const SceneContext* scene;
    const Camera* camera;
    double side;  // +1: the sea lies to the right
    double vanishX, slope, eye;

    // World x of the line at offset metres, at distance z.
    double X(double offset, double z) const { return side * offset + slope * z; }
    QPointF At(double offset, double height, double z) const {
        return camera->Project(X(offset, z), height, z);
    }
    QPointF Vanish() const { return {vanishX, camera->HorizonY()}; }
    // The ground line at offset from the vanishing point down past the foot of the picture.
    QPainterPath Line(double offset) const {
        QPainterPath line(Vanish());
        line.lineTo(At(offset, 0, std::max(0.5, eye * camera->Focal() / (scene->h * 1.5))));
        return line;
    }
    // The ground between two lines along the shore.
    QPainterPath Band(double from, double to) const {
        QPainterPath band = Line(from);
        const QPainterPath other = Line(to);
        band.lineTo(other.pointAtPercent(1));
        band.lineTo(Vanish());
        band.closeSubpath();
        return band;
    }
    double DistanceAtRow(double y) const {
        return eye * camera->Focal() / std::max(1.0, y - camera->HorizonY());
    }
};

// A timber groyne seen side on, running from the top of the beach down into the sea, its
// posts worn lower towards the water.
void PaintGroyne(SceneContext& scene, const Strand& strand, double dry, double wet, double z) {
    QPainter& p = scene.painter;
    const QColor timber(96, 78, 58);
    const double depth = DistanceDepth(scene.mood, z);
    QPolygonF planks;
    for (double t = 0; t <= 1.001; t += 0.05)
        planks << strand.At(Lerp(dry, wet, t), Lerp(0.8, 0.2, t), z);
    for (double t = 1; t >= -0.001; t -= 0.05) planks << strand.At(Lerp(dry, wet, t), 0, z);
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, Shaded(scene.mood, timber), depth));
    p.drawPolygon(planks);
    const double width = std::max(1.0, strand.camera->Scale(0, z) * 0.22);
    for (double offset = dry; offset < wet; offset += 1.2) {
        const double t = (offset - dry) / (wet - dry);
        const QPointF foot = strand.At(offset, 0, z), top = strand.At(offset, Lerp(1.3, 0.4, t), z);
        p.fillRect(QRectF(top.x() - width / 2, top.y(), width, foot.y() - top.y()),
                   Distant(scene.mood, Shaded(scene.mood, timber), depth));
        p.fillRect(QRectF(top.x() - width / 2, top.y(), width * 0.4, foot.y() - top.y()),
                   Distant(scene.mood, Lit(scene.mood, timber), depth));
    }
}

// A bank rising from the back of the sand to a crest line of varying height.
QPainterPath RisingBank(const Strand& strand, SceneRandom& random, double foot, double crest,
                        double low, double high) {
    QPainterPath bank(strand.At(foot, 0, 2));
    std::vector<QPointF> tops;
    double height = random.Range(low, high);
    for (double z = 2; z < 3000; z *= 1.12) {
        bank.lineTo(strand.At(foot, 0, z));
        height = std::clamp(height + random.Jitter((high - low) * 0.12), low, high);
        tops.push_back(strand.At(crest, height, z));
    }
    bank.lineTo(strand.Vanish());
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) bank.lineTo(*it);
    bank.closeSubpath();
    return bank;
}

void PaintDunes(SceneContext& scene, const Strand& strand, SceneRandom& random, double back) {
    QPainter& p = scene.painter;
    const QColor sand(226, 208, 168);
    const QPainterPath far = RisingBank(strand, random, back - 12, back - 20, 5, 11);
    p.fillPath(far, Distant(scene.mood, Mix(sand, scene.mood.grass, 0.35), 0.35));
    const QPainterPath near = RisingBank(strand, random, back, back - 6, 2.5, 6);
    QLinearGradient fill(0, scene.horizonY, 0, scene.h);
    fill.setColorAt(0, Distant(scene.mood, Lit(scene.mood, sand), 0.4));
    fill.setColorAt(1, scene.mood.sunFromLeft == (strand.side > 0) ? Lit(scene.mood, sand)
                                                                   : Shaded(scene.mood, sand));
    p.fillPath(near, fill);
    p.save();
    p.setClipPath(near.united(far));
    PaintMarram(scene, random, scene.horizonY - scene.h * 0.3, scene.h, 420);
    p.restore();
}

void PaintCliffs(SceneContext& scene, const Strand& strand, SceneRandom& random, double back) {
    static constexpr Rock kRocks[] = {Rock::Chalk, Rock::Sandstone, Rock::Granite};
    QPainter& p = scene.painter;
    const QColor rock = RockMaterial(random.Pick(kRocks)).colour;
    const QPainterPath face = RisingBank(strand, random, back, back - 1.5, 12, 30);
    QLinearGradient fill(strand.vanishX, 0, strand.side > 0 ? 0 : scene.w, 0);
    fill.setColorAt(0, Distant(scene.mood, rock, 0.7));
    fill.setColorAt(1, scene.mood.sunFromLeft == (strand.side > 0) ? Lit(scene.mood, rock)
                                                                   : Shaded(scene.mood, rock));
    p.fillPath(face, fill);
    // Gullies down the face, the turf along its top and the fallen blocks at its foot.
    p.save();
    p.setClipPath(face);
    for (double z = 3; z < 600; z *= random.Range(1.25, 1.6)) {
        // A gully, its sunward side lit: the face is broken, not a wall.
        const double top = random.Range(10, 40), wide = random.Range(1, 3);
        const QPolygonF gully({strand.At(back, 0, z), strand.At(back - 1.5, top, z),
                               strand.At(back - 1.5, top, z + wide), strand.At(back, 0, z + wide)});
        const double depth = DistanceDepth(scene.mood, z);
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(Distant(scene.mood, Shaded(scene.mood, rock), depth), 150));
        p.drawPolygon(gully);
        p.setBrush(WithAlpha(Distant(scene.mood, Lit(scene.mood, rock), depth), 110));
        p.drawPolygon(QPolygonF({gully[2], gully[3], strand.At(back, 0, z + wide * 2),
                                 strand.At(back - 1.5, top * 0.8, z + wide * 2)}));
    }
    // Beds of the rock running along the face.
    for (double bed = random.Range(2, 5); bed < 40; bed += random.Range(3, 7)) {
        QPainterPath line(strand.At(back - bed / 30, bed, 2));
        line.lineTo(strand.At(back - bed / 30, bed, 3000));
        p.setPen(QPen(WithAlpha(Shaded(scene.mood, rock), 70), std::max(1.0, scene.u)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    p.setPen(QPen(scene.mood.grass, std::max(2.0, scene.h * 0.012)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(face);
    p.restore();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const double z = 4 * std::pow(80.0, random.Unit()), s = strand.camera->Scale(0, z);
        const QPointF at = strand.At(back + random.Range(0, 4), 0, z);
        p.setBrush(Distant(scene.mood, Shaded(scene.mood, rock), DistanceDepth(scene.mood, z)));
        p.drawEllipse(at, s * random.Range(0.4, 1.2), s * random.Range(0.3, 0.6));
    }
}

// A promenade behind its sea wall, a row of bright beach huts along it.
void PaintHuts(SceneContext& scene, const Strand& strand, SceneRandom& random, double back) {
    static const QColor kPaints[] = {
        QColor(214, 60, 56),   QColor(60, 120, 190),  QColor(244, 210, 80), QColor(90, 170, 120),
        QColor(240, 240, 232), QColor(230, 140, 170), QColor(120, 190, 210)};
    QPainter& p = scene.painter;
    const double wall = random.Range(1.5, 2.5);
    const QColor stone(180, 172, 158);
    p.fillPath(RisingBank(strand, random, back, back - 40, wall, wall),
               Distant(scene.mood, Lit(scene.mood, stone), 0.2));
    p.fillPath(RisingBank(strand, random, back, back, wall, wall), Shaded(scene.mood, stone));
    const Material roof{QColor(70, 70, 74), Masonry::Smooth};
    const double step = random.Range(2.4, 3.2), width = 2.2;
    for (double z = 500; z > 3; z -= step) {
        const double x = strand.X(back - 4, z) - (strand.side > 0 ? width : 0);
        const Box hut{x, z, width, step - 0.4, 2.2, wall};
        const Material paint{random.Pick(kPaints), Masonry::Smooth};
        PaintBox(scene, *strand.camera, hut, paint);
        PaintRoof(scene, *strand.camera, hut, RoofDesign{Roof::Gable, 0.8, roof, paint});
        const double front = strand.side > 0 ? x + width + 0.02 : x - 0.02;
        PaintDecal(scene, *strand.camera, {front, wall, z + 0.3}, {front, wall, z + step - 0.7},
                   1.9, [](QPainter& d, double w, double h) {
                       d.fillRect(QRectF(w * 0.2, 0, w * 0.6, h * 0.9), QColor(0, 0, 0, 70));
                   });
    }
    p.setPen(QPen(Lit(scene.mood, QColor(230, 230, 226)), std::max(1.0, 1.5 * scene.u)));
    p.drawPath(RisingBank(strand, random, back - 0.2, back - 0.2, wall + 1, wall + 1));
}

// A striped windbreak on its poles, across the wind.
void PaintWindbreak(SceneContext& scene, const Strand& strand, SceneRandom& random, double offset,
                    double z) {
    static const QColor kStripes[] = {QColor(200, 50, 50), QColor(40, 90, 170),
                                      QColor(230, 180, 40), QColor(40, 140, 90)};
    QPainter& p = scene.painter;
    const QColor stripe = random.Pick(kStripes), plain(240, 236, 226);
    const double length = random.Range(2.5, 3.5), depth = DistanceDepth(scene.mood, z);
    const double slant = random.Jitter(1.5);
    const int panels = 5;
    // Its shadow on the sand, thrown away from the sun.
    const double away = (scene.mood.sunFromLeft ? 0.8 : -0.8) * strand.side;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, static_cast<int>(50 * scene.mood.contrast)));
    p.drawPolygon(
        QPolygonF({strand.At(offset, 0, z), strand.At(offset + strand.side * length, 0, z + slant),
                   strand.At(offset + strand.side * length + away, 0, z + slant + 0.6),
                   strand.At(offset + away, 0, z + 0.6)}));
    for (int i = 0; i < panels; ++i) {
        const double a = offset + strand.side * length * i / panels;
        const double b = offset + strand.side * length * (i + 1) / panels;
        const double za = z + slant * i / panels, zb = z + slant * (i + 1) / panels;
        QPolygonF cloth({strand.At(a, 0, za), strand.At(b, 0, zb), strand.At(b, 1.1, zb),
                         strand.At(a, 1.1, za)});
        p.setPen(Qt::NoPen);
        p.setBrush(Distant(scene.mood, Lit(scene.mood, i % 2 ? plain : stripe), depth));
        p.drawPolygon(cloth);
        p.setPen(QPen(QColor(90, 70, 50), std::max(1.0, strand.camera->Scale(0, z) * 0.05)));
        p.drawLine(strand.At(a, 0, za), strand.At(a, 1.3, za));
    }
}

}  // namespace

void PaintOpenSands(SceneContext& scene, const Camera& camera, SceneRandom& random) {
    QPainter& p = scene.painter;
    const double horizon = camera.HorizonY(), eye = camera.Eye().y;
    Strand strand{&scene, &camera, random.Chance(0.5) ? 1.0 : -1.0, 0, 0, eye};
    strand.vanishX = scene.w * (0.5 - strand.side * random.Range(-0.05, 0.25));
    strand.slope = (strand.vanishX - scene.w / 2) / camera.Focal();
    const auto offsetAtRow = [&](double screenX, double y) {
        return strand.side * (screenX - strand.vanishX) * eye / (y - horizon);
    };
    // Where the water's edge leaves the foot of the picture, and where the back of the beach
    // leaves its side: how much of the picture is sea, sand and what backs it.
    const double edge =
        offsetAtRow(scene.w * (0.5 + strand.side * random.Range(0.2, 0.7)), scene.h);
    const double sideX = strand.side > 0 ? 0 : scene.w;
    static constexpr Backing kBackings[] = {Backing::Dunes, Backing::Huts, Backing::Cliffs};
    const Backing backing = random.Pick(kBackings);
    const double backRow =
        horizon + (scene.h - horizon) * (backing == Backing::Cliffs ? random.Range(0.25, 0.6)
                                                                    : random.Range(0.12, 0.4));
    const double back = std::min(edge - 12, offsetAtRow(sideX, backRow));

    // Far off, the coast goes on as a headland closing the bay.
    if (backing != Backing::Cliffs || random.Chance(0.3)) {
        Headland headland;
        headland.distance = random.Range(900, 2200);
        headland.height = random.Range(30, 80);
        headland.tip = random.Range(0.15, 0.4);
        headland.landOnLeft = strand.side > 0;
        PaintHeadland(scene, camera, headland);
    }
    // The sand, wet and shining with the sky near the water, a line of weed along the tide mark.
    const QPainterPath sand = strand.Band(edge, back - 60);
    p.save();
    p.setClipPath(sand);
    PaintSand(scene, random, horizon + 1, 0);
    p.restore();
    const double wet = random.Range(1.5, 4);
    QLinearGradient sheen(0, horizon, 0, scene.h);
    sheen.setColorAt(0, WithAlpha(scene.mood.skyHorizon, 200));
    sheen.setColorAt(1, WithAlpha(Mix(QColor(150, 136, 110), scene.mood.skyTop, 0.35), 130));
    p.fillPath(strand.Band(edge, edge - wet), sheen);
    p.setPen(QPen(WithAlpha(Lit(scene.mood, scene.mood.skyHorizon), 90), std::max(1.0, scene.u)));
    for (int i = 0; i < 6; ++i) p.drawPath(strand.Line(edge - random.Range(0, wet)));
    const double weed = Lerp(back, edge - wet, random.Range(0.3, 0.8));
    p.setPen(Qt::NoPen);
    for (double z = 10; z < 400; z *= random.Range(1.01, 1.04)) {
        const double s = camera.Scale(0, z);
        p.setBrush(Distant(scene.mood, QColor(70, 60, 36), DistanceDepth(scene.mood, z)));
        p.drawEllipse(strand.At(weed + random.Jitter(0.6), 0, z), s * random.Range(0.1, 0.35),
                      s * 0.04);
    }
    // The surf at the edge and the lines of breakers further out.
    PaintSurf(scene, strand.Line(edge), 2.4 * scene.u);
    for (double out : {random.Range(6, 12), random.Range(18, 35)})
        PaintSurf(scene, strand.Line(edge + out), 1.6 * scene.u);

    switch (backing) {
        case Backing::Dunes:
            PaintDunes(scene, strand, random, back);
            break;
        case Backing::Huts:
            PaintHuts(scene, strand, random, back);
            break;
        case Backing::Cliffs:
            PaintCliffs(scene, strand, random, back);
            break;
    }
    if (random.Chance(0.6)) {
        const double z = strand.DistanceAtRow(Lerp(horizon, scene.h, random.Range(0.12, 0.3)));
        PaintGroyne(scene, strand, back, edge + random.Range(8, 20), z);
    }

    // People and their windbreaks, nearest last.
    std::vector<std::pair<double, double>> spots;  // distance, offset
    for (int i = 0; i < random.Int(3, 9); ++i) {
        const double z =
            strand.DistanceAtRow(Lerp(horizon, scene.h, std::pow(random.Unit(), 1.6) * 0.8 + 0.04));
        spots.push_back({z, Lerp(back + 3, edge + 2, random.Unit())});
    }
    std::sort(spots.begin(), spots.end(), std::greater<>());
    for (const auto& [z, offset] : spots) {
        if (z > 10 && offset < edge - wet - 3 && random.Chance(0.4))
            PaintWindbreak(scene, strand, random, offset, z + 2);
        const double x = strand.X(offset, z);
        PaintPerson(scene, random, camera.Project(x, 0, z),
                    camera.Scale(x, z) * random.Range(1.55, 1.85), DistanceDepth(scene.mood, z));
    }
}
