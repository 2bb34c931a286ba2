// A sheltered valley garden run wild with plants from warmer shores: palms with fan heads on
// shaggy trunks, tree ferns, giant rhubarb by the stream, a path winding down towards the sea.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/plants.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

enum class Exotic { Palm, TreeFern, Rhubarb };

// A fan palm: a slender hairy trunk and a head of stiff pleated fans.
void PaintPalm(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
               double depth) {
    QPainter& p = scene.painter;
    const double lean = random.Jitter(0.12);
    const QPointF head = foot + QPointF(std::sin(lean) * height, -height);
    p.setPen(QPen(Distant(scene.mood, QColor(80, 62, 44), depth), std::max(1.5, height * 0.045),
                  Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, head);
    const double reach = height * random.Range(0.28, 0.36);
    // Each leaf a stalk and a fan of stiff leaflets, the lower ones drooping.
    for (int i = 0; i < 14; ++i) {
        const double a = kPi * (i + 0.5) / 14 * 2 + random.Jitter(0.15);
        const QPointF out(std::cos(a), std::sin(a) * 0.6 + 0.35);
        const QPointF base = head + out * reach * 0.4;
        const bool lit = (out.x() < 0) == scene.mood.sunFromLeft && out.y() < 0.5;
        const QColor leaf = Foliage(scene.mood, lit ? 2 : 0, depth);
        p.setPen(QPen(Scaled(leaf, 0.8), std::max(0.6, reach * 0.025)));
        p.drawLine(head, base);
        p.setPen(QPen(lit ? Lit(scene.mood, leaf) : leaf, std::max(0.8, reach * 0.05),
                      Qt::SolidLine, Qt::RoundCap));
        const double direction = std::atan2(out.y(), out.x());
        for (int k = -4; k <= 4; ++k) {
            const double d = direction + k * 0.16;
            p.drawLine(base, base + QPointF(std::cos(d), std::sin(d) + 0.25) * reach * 0.6);
        }
    }
}

// A tree fern: a thick fibrous stem crowned with a ring of long arching fronds.
void PaintTreeFern(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
                   double depth) {
    QPainter& p = scene.painter;
    const QPointF crown = foot + QPointF(random.Jitter(height * 0.05), -height);
    p.setPen(QPen(Distant(scene.mood, QColor(70, 50, 36), depth), height * 0.12, Qt::SolidLine,
                  Qt::FlatCap));
    p.drawLine(foot, crown);
    for (int i = 0; i < 12; ++i) {
        const double angle = Lerp(-1.9, 1.9, (i + random.Unit()) / 12);
        const bool lit = (angle < 0) == scene.mood.sunFromLeft;
        const QColor leaf = Foliage(scene.mood, lit ? 2 : 1, depth);
        PaintFernFrond(scene, crown, height * random.Range(0.7, 0.95), angle,
                       lit ? Lit(scene.mood, leaf) : leaf);
    }
}

// Giant rhubarb: huge crinkled leaves like green umbrellas on prickly red stalks.
void PaintRhubarb(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
                  double depth) {
    QPainter& p = scene.painter;
    for (int i = 0; i < random.Int(3, 5); ++i) {
        const QPointF leaf =
            foot + QPointF(random.Jitter(height * 0.7), -height * random.Range(0.6, 1.0));
        p.setPen(
            QPen(Distant(scene.mood, QColor(140, 60, 50), depth), std::max(1.0, height * 0.05)));
        p.drawLine(foot, leaf);
        const double r = height * random.Range(0.45, 0.65);
        QLinearGradient shade(leaf.x(), leaf.y() - r * 0.3, leaf.x(), leaf.y() + r * 0.3);
        shade.setColorAt(0, Lit(scene.mood, Foliage(scene.mood, 2, depth)));
        shade.setColorAt(1, Foliage(scene.mood, 0, depth));
        p.setPen(QPen(Foliage(scene.mood, 0, depth), std::max(0.8, r * 0.03)));
        p.setBrush(shade);
        QPainterPath umbrella;
        for (int k = 0; k <= 16; ++k) {
            const double a = kPi + kPi * k / 16.0;
            const double wobble = 1 + 0.08 * std::sin(k * 2.7);
            const QPointF edge =
                leaf + QPointF(std::cos(a) * r * wobble, std::sin(a) * r * 0.35 * wobble);
            if (k == 0)
                umbrella.moveTo(edge);
            else
                umbrella.lineTo(edge);
        }
        umbrella.quadTo(leaf + QPointF(0, r * 0.35), leaf + QPointF(-r, 0));
        p.drawPath(umbrella);
    }
}

}  // namespace

void PaintTropicalGarden(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x7a1f);
    // The sheltered valley stays green through the winter.
    ClearSnow(scene.mood);
    if (scene.mood.season == Season::Autumn || scene.mood.season == Season::Winter) {
        scene.mood.foliage[0] = QColor(30, 58, 34);
        scene.mood.foliage[1] = QColor(52, 92, 48);
        scene.mood.foliage[2] = QColor(90, 132, 62);
        scene.mood.bareTrees = false;
    }
    const double horizon = scene.h * random.Range(0.3, 0.38);
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    // Down the valley: a wedge of sea between its wooded sides.
    const double gapX = scene.w * random.Range(0.35, 0.65);
    PaintSea(scene, horizon, horizon + scene.h * 0.1);
    QPainter& p = scene.painter;
    for (int side = 0; side < 2; ++side) {
        const bool left = side == 0;
        QPainterPath slope(QPointF(left ? -10 : scene.w + 10, horizon - scene.h * 0.25));
        slope.cubicTo(
            QPointF(left ? gapX - scene.w * 0.2 : gapX + scene.w * 0.2, horizon - scene.h * 0.1),
            QPointF(left ? gapX - scene.w * 0.08 : gapX + scene.w * 0.08, horizon),
            QPointF(left ? gapX - scene.w * 0.03 : gapX + scene.w * 0.03, horizon + scene.h * 0.1));
        slope.lineTo(left ? -10 : scene.w + 10, scene.h);
        slope.closeSubpath();
        const bool lit = left == scene.mood.sunFromLeft;
        p.fillPath(slope, Foliage(scene.mood, lit ? 1 : 0, 0.45));
        p.save();
        p.setClipPath(slope);
        PaintTreeBelt(scene, horizon - scene.h * (left ? 0.1 : 0.08), left ? -20 * scene.u : gapX,
                      left ? gapX : scene.w + 20 * scene.u, scene.h * 0.2, 0.4);
        p.restore();
    }
    PaintMeadow(scene, horizon + scene.h * 0.1, scene.h);
    // A gravel path winding down from the viewer's feet.
    QPainterPath path(QPointF(scene.w * 0.35, scene.h + 5));
    path.cubicTo(QPointF(scene.w * 0.6, scene.h * 0.8),
                 QPointF(gapX - scene.w * 0.2, scene.h * 0.6),
                 QPointF(gapX, horizon + scene.h * 0.12));
    path.cubicTo(QPointF(gapX - scene.w * 0.15, scene.h * 0.6),
                 QPointF(scene.w * 0.45, scene.h * 0.8), QPointF(scene.w * 0.12, scene.h + 5));
    path.closeSubpath();
    QLinearGradient gravel(0, horizon, 0, scene.h);
    gravel.setColorAt(0, Distant(scene.mood, QColor(200, 186, 160), 0.4));
    gravel.setColorAt(1, Lit(scene.mood, QColor(196, 180, 150)));
    p.fillPath(path, gravel);
    // The plants, far to near, so that each stands before the ones behind it.
    struct Plant {
        Exotic kind;
        QPointF foot;
        double size;
    };
    std::vector<Plant> plants;
    for (int i = 0; i < random.Int(26, 36); ++i) {
        const double f = std::pow(random.Unit(), 0.8);
        const double y = Lerp(horizon + scene.h * 0.12, scene.h * 1.05, f);
        const double x = random.Chance(0.5) ? random.Range(-0.1, 0.32) : random.Range(0.68, 1.1);
        const int pick = random.Int(0, 2);
        const Exotic kind = pick == 0   ? Exotic::Palm
                            : pick == 1 ? Exotic::TreeFern
                                        : Exotic::Rhubarb;
        const double scale = 0.15 + 0.85 * f;
        const double size = kind == Exotic::Palm       ? scene.h * 0.7 * scale
                            : kind == Exotic::TreeFern ? scene.h * 0.38 * scale
                                                       : scene.h * 0.2 * scale;
        plants.push_back({kind, QPointF(x * scene.w, y), size});
    }
    std::sort(plants.begin(), plants.end(),
              [](const Plant& a, const Plant& b) { return a.foot.y() < b.foot.y(); });
    for (const Plant& plant : plants) {
        const double depth = 0.45 * (1 - (plant.foot.y() - horizon) / (scene.h - horizon));
        switch (plant.kind) {
            case Exotic::Palm:
                PaintPalm(scene, random, plant.foot, plant.size, depth);
                break;
            case Exotic::TreeFern:
                PaintTreeFern(scene, random, plant.foot, plant.size, depth);
                break;
            case Exotic::Rhubarb:
                PaintRhubarb(scene, random, plant.foot, plant.size, depth);
                break;
        }
    }
    // Ferns and lush leaves crowding the near edges of the path.
    for (int i = 0; i < 8; ++i) {
        const double x = i % 2 == 0 ? random.Range(-0.1, 0.25) : random.Range(0.75, 1.1);
        PaintFernClump(scene, random, QPointF(x * scene.w, scene.h * random.Range(0.92, 1.05)),
                       scene.h * random.Range(0.12, 0.22), 0.0);
    }
    // Visitors on the path below.
    const double personY = Lerp(horizon + scene.h * 0.12, scene.h, 0.35);
    PaintPerson(scene, random, QPointF(Lerp(gapX, scene.w * 0.45, 0.35), personY),
                random.Range(20, 30) * scene.u, 0.2);
}
