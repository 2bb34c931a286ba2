// A swampy alder wood: grey trunks standing knee-deep in still black water, their reflections
// under them, the canopy closing overhead and tussocks of sedge between.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/plants.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

struct Alder {
    double x, footY, height, girth, lean;
    int stems;
};

// A trunk from its root swelling up out of the frame's top, lit on the sun's side, with its
// broken reflection in the water beneath.
void PaintAlder(SceneContext& scene, SceneRandom& random, const Alder& tree, double depth) {
    QPainter& p = scene.painter;
    const QColor bark = Distant(scene.mood, QColor(92, 88, 80), depth);
    for (int s = 0; s < tree.stems; ++s) {
        const double spread = (s - (tree.stems - 1) / 2.0) * 0.12 + tree.lean;
        const double girth = tree.girth * (tree.stems > 1 ? 0.7 : 1.0);
        const QPointF foot(tree.x + (s - (tree.stems - 1) / 2.0) * girth * 0.8, tree.footY);
        const QPointF top = foot + QPointF(std::sin(spread) * tree.height, -tree.height);
        QPainterPath trunk(foot + QPointF(-girth * 0.9, 0));
        trunk.quadTo(foot + QPointF(-girth * 0.5, -girth), top + QPointF(-girth * 0.35, 0));
        trunk.lineTo(top + QPointF(girth * 0.35, 0));
        trunk.quadTo(foot + QPointF(girth * 0.5, -girth), foot + QPointF(girth * 0.9, 0));
        trunk.closeSubpath();
        const bool left = scene.mood.sunFromLeft;
        QLinearGradient shade(foot.x() - girth, 0, foot.x() + girth, 0);
        shade.setColorAt(left ? 0.1 : 0.9, Lit(scene.mood, Scaled(bark, 1.35)));
        shade.setColorAt(0.5, bark);
        shade.setColorAt(left ? 1 : 0, Shaded(scene.mood, Scaled(bark, 0.55)));
        p.fillPath(trunk, shade);
        // Lichen patches and the dark tide mark of the flood.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {
            p.setBrush(WithAlpha(Distant(scene.mood, QColor(150, 170, 130), depth), 90));
            const double y = foot.y() - random.Range(0.1, 0.9) * tree.height;
            p.drawEllipse(QPointF(foot.x() + (top.x() - foot.x()) * (foot.y() - y) / tree.height +
                                      random.Jitter(girth * 0.3),
                                  y),
                          girth * 0.2, girth * 0.6);
        }
        p.fillRect(QRectF(foot.x() - girth * 0.8, foot.y() - girth * 0.5, girth * 1.6, girth * 0.5),
                   WithAlpha(QColor(20, 18, 14), 110));
        // The reflection: darker, broken by ripples.
        for (double d = 0; d < tree.height * 0.6; d += std::max(1.5, girth * 0.3)) {
            const double fade = 1 - d / (tree.height * 0.6);
            p.setBrush(WithAlpha(Scaled(bark, 0.45), ClampChannel(120 * fade)));
            const double x = foot.x() - std::sin(spread) * d + random.Jitter(girth * 0.25);
            p.drawRect(QRectF(x - girth * 0.45, foot.y() + d, girth * 0.9, girth * 0.25 + 1));
        }
        // A ring of ripple round the foot.
        p.setPen(
            QPen(WithAlpha(Lit(scene.mood, scene.mood.haze), 70), std::max(0.6, girth * 0.06)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(foot, girth * 1.5, girth * 0.25);
        p.setPen(Qt::NoPen);
    }
}

// Leaves of the canopy hanging into the top of the picture.
void PaintCanopy(SceneContext& scene, SceneRandom& random) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const double f = random.Unit();
        const QPointF at(random.Range(-10, scene.w + 10), scene.h * 0.22 * f * f);
        const double r = random.Range(6, 22) * scene.u;
        const int tone = random.Int(0, 2);
        const QColor leaf = Foliage(scene.mood, tone, 0.1);
        p.setBrush(WithAlpha(tone == 2 ? Lit(scene.mood, leaf) : leaf, 200));
        p.drawEllipse(at, r, r * 0.7);
    }
}

}  // namespace

void PaintWetWood(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xa1de);
    QPainter& p = scene.painter;
    const double horizon = scene.h * random.Range(0.44, 0.52);
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    // The wood going back into green gloom: each rank of trunks paler and closer set.
    PaintTreeBelt(scene, horizon + 2 * scene.u, -20 * scene.u, scene.w + 20 * scene.u,
                  horizon * 0.9, 0.75);
    p.fillRect(QRectF(0, 0, scene.w, horizon + 2),
               WithAlpha(Mix(scene.mood.foliage[1], scene.mood.haze, 0.6), 120));
    // Black water from the far trunks to the viewer's feet, a little sky in its sheen.
    QLinearGradient water(0, horizon, 0, scene.h);
    water.setColorAt(0, Mix(scene.mood.haze, QColor(40, 44, 38), 0.55));
    water.setColorAt(0.25, QColor(22, 24, 20));
    water.setColorAt(1, QColor(12, 13, 11));
    p.fillRect(QRectF(0, horizon, scene.w, scene.h - horizon), water);
    // Light off the water in streaks between the reflections.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 50; ++i) {
        const double f = random.Unit();
        const double y = Lerp(horizon, scene.h, f * f);
        p.setBrush(WithAlpha(Lit(scene.mood, scene.mood.skyHorizon), 40));
        p.drawRect(QRectF(random.Range(0, scene.w), y, random.Range(20, 120) * scene.u * (0.3 + f),
                          (0.5 + 1.5 * f) * scene.u));
    }
    // The ranks of alders, far to near.
    std::vector<Alder> alders;
    const int count = random.Int(14, 22);
    for (int i = 0; i < count; ++i) {
        const double near = std::pow(random.Unit(), 1.2);
        const double footY = Lerp(horizon + 4 * scene.u, scene.h * 0.98, near);
        const double scale = 0.08 + 1.2 * (footY - horizon) / (scene.h - horizon);
        alders.push_back({random.Range(-0.05, 1.05) * scene.w, footY, footY + 10 * scene.u,
                          scale * random.Range(12, 30) * scene.u, random.Jitter(0.08),
                          random.Chance(0.35) ? 2 : 1});
    }
    std::sort(alders.begin(), alders.end(),
              [](const Alder& a, const Alder& b) { return a.footY < b.footY; });
    for (const Alder& alder : alders) {
        const double depth = 0.6 * (1 - (alder.footY - horizon) / (scene.h - horizon));
        PaintAlder(scene, random, alder, depth);
        // Sedge tussocks among the roots nearer the viewer.
        if (random.Chance(0.6))
            PaintTussock(scene, random,
                         QPointF(alder.x + random.Jitter(alder.girth * 6), alder.footY + scene.u),
                         alder.girth * random.Range(2, 4), depth);
    }
    PaintCanopy(scene, random);
    // Marsh marigolds shine yellow on the tussocks in spring.
    if (scene.mood.season == Season::Spring) {
        for (int i = 0; i < 40; ++i) {
            const double f = random.Range(0.3, 1.0);
            const double r = (1 + 3 * f) * scene.u;
            p.setBrush(Lit(scene.mood, QColor(240, 200, 40)));
            p.drawEllipse(QPointF(random.Range(0, scene.w), Lerp(horizon, scene.h, f)), r, r);
        }
    }
    // Sunlight slanting down through the leaves.
    if (scene.mood.weather == Weather::Clear || scene.mood.weather == Weather::Fair) {
        const double slant = scene.mood.sunFromLeft ? 0.35 : -0.35;
        for (int i = 0; i < random.Int(3, 6); ++i) {
            const double x = random.Range(0, scene.w), width = random.Range(10, 40) * scene.u;
            QPolygonF shaft({QPointF(x, 0), QPointF(x + width, 0),
                             QPointF(x + width * 1.6 + slant * scene.h, scene.h),
                             QPointF(x + slant * scene.h, scene.h)});
            p.setBrush(WithAlpha(Lit(scene.mood, QColor(255, 244, 210)), 22));
            p.drawPolygon(shaft);
        }
    }
}
