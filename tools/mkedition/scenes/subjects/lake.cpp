// Still water: a lake among wooded hills, a dark tarn under crags, a village pond under its
// trees, marsh creeks winding through the reeds, an estuary's mudflats at low water, a lagoon
// behind its shingle bar.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/beasts.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// A winding channel of water from the horizon to the bottom edge, wider as it nears.
QPainterPath Creek(const SceneContext& scene, SceneRandom& random, double topY, double startX) {
    double x = startX;
    std::vector<QPointF> centre;
    for (double f = 0; f <= 1.001; f += 0.05) {
        const double y = Lerp(topY, scene.h + 10, f * f);
        x += random.Jitter(0.12) * scene.w * f + (scene.w * 0.5 - x) * 0.04;
        centre.push_back(QPointF(x, y));
    }
    QPainterPath path(centre.front());
    for (size_t i = 0; i < centre.size(); ++i) {
        const double f = double(i) / (centre.size() - 1);
        path.lineTo(centre[i] + QPointF((2 + 90 * f * f) * scene.u, 0));
    }
    for (size_t i = centre.size(); i-- > 0;) {
        const double f = double(i) / (centre.size() - 1);
        path.lineTo(centre[i] - QPointF((2 + 90 * f * f) * scene.u, 0));
    }
    path.closeSubpath();
    return path;
}

void FlatLand(SceneContext& scene, double top, const QColor& near, const QColor& far) {
    QLinearGradient fill(0, top, 0, scene.h);
    fill.setColorAt(0, Distant(scene.mood, far, 0.7));
    fill.setColorAt(1, Lit(scene.mood, near));
    scene.painter.fillRect(QRectF(-5, top, scene.w + 10, scene.h - top + 5), fill);
}

void WaterBelow(SceneContext& scene, double top, double strength) {
    QPainterPath water;
    water.addRect(QRectF(-5, top, scene.w + 10, scene.h - top + 5));
    PaintStillWater(scene, water, top, scene.h);
    ReflectInto(scene, water, top, strength);
}

}  // namespace

void PaintLake(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x1a4e);
    const int form = scene.FormOr(random.Int(0, kLagoon));
    const bool flat = form == kMarsh || form == kEstuary || form == kLagoon;
    const double horizon = scene.h * (flat ? random.Range(0.42, 0.5) : random.Range(0.36, 0.46));
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    QPainter& p = scene.painter;
    const double shoreTop = horizon + scene.h * random.Range(0.03, 0.07);
    switch (form) {
        case kTarn: {
            // Crags close round the water, the heather dark on them.
            const QColor moor = Mix(QColor(110, 90, 84), scene.mood.grass, 0.3);
            const Ridge far(random, horizon + 2, scene.h * random.Range(0.2, 0.3), scene.w * 0.7,
                            0.9);
            PaintHillLayer(scene, far, 0.6, Mix(moor, QColor(120, 118, 112), 0.5), shoreTop + 2);
            scene.mood.water = Mix(scene.mood.water, QColor(20, 26, 30), 0.5);
            WaterBelow(scene, shoreTop, 0.7);
            const Ridge nearBank(random, scene.h * random.Range(0.86, 0.94), scene.h * 0.08,
                                 scene.w, 0.7);
            PaintHillLayer(scene, nearBank, 0.02, moor, scene.h + 5);
            break;
        }
        case kPond: {
            PaintDistantHills(scene, horizon, random.Range(10, 25) * scene.u, 1);
            PaintMeadow(scene, horizon, shoreTop + 4);
            PaintTreeBelt(scene, shoreTop + 2, -20 * scene.u, scene.w + 20 * scene.u,
                          random.Range(40, 70) * scene.u, 0.35);
            WaterBelow(scene, shoreTop + 2, 0.65);
            PaintMeadow(scene, scene.h * random.Range(0.84, 0.9), scene.h);
            PaintGrassBlades(scene, scene.h * 0.84, scene.h, 300);
            SceneRandom birds = random.Fork(4);
            for (int i = 0; i < random.Int(0, 3); ++i)
                PaintBeast(
                    scene, birds, Beast::Swan,
                    QPointF(random.Range(0.2, 0.8) * scene.w, random.Range(0.6, 0.78) * scene.h),
                    random.Range(25, 40) * scene.u, random.Chance(0.5), 0.2);
            break;
        }
        case kMarsh: {
            FlatLand(scene, horizon, QColor(150, 140, 80), QColor(120, 130, 90));
            for (int i = 0; i < random.Int(1, 2); ++i) {
                const QPainterPath creek =
                    Creek(scene, random, horizon + 2, scene.w * random.Range(0.3, 0.7));
                PaintStillWater(scene, creek, horizon, scene.h);
            }
            SceneRandom reeds = random.Fork(5);
            PaintMarram(scene, reeds, horizon + scene.h * 0.05, scene.h * 1.02, 220);
            for (int i = 0; i < random.Int(6, 20); ++i)
                PaintFlyingBird(
                    scene,
                    QPointF(random.Range(0.1, 0.9) * scene.w, random.Range(0.1, 0.35) * scene.h),
                    random.Range(8, 18) * scene.u, true);
            break;
        }
        case kEstuary: {
            PaintSea(scene, horizon, horizon + scene.h * 0.03);
            const Ridge farShore(random, horizon + 2, scene.h * 0.03, scene.w, 0.2);
            PaintHillLayer(scene, farShore, 0.8, scene.mood.grass, horizon + scene.h * 0.04);
            FlatLand(scene, horizon + scene.h * 0.03, QColor(120, 100, 80), QColor(150, 140, 130));
            // The mud shines where it is wet; channels carry the last of the tide.
            for (int i = 0; i < random.Int(2, 3); ++i) {
                const QPainterPath creek = Creek(scene, random, horizon + scene.h * 0.03,
                                                 scene.w * random.Range(0.2, 0.8));
                PaintStillWater(scene, creek, horizon, scene.h);
            }
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 120; ++i) {
                const double f = random.Unit();
                p.setBrush(WithAlpha(scene.mood.skyHorizon, 60));
                p.drawEllipse(QPointF(random.Range(0, scene.w),
                                      Lerp(horizon + scene.h * 0.04, scene.h, f * f)),
                              (4 + 40 * f) * scene.u, (0.5 + 3 * f) * scene.u);
            }
            SceneRandom waders = random.Fork(6);
            for (int i = 0; i < random.Int(3, 8); ++i)
                PaintBeast(
                    scene, waders, Beast::Heron,
                    QPointF(random.Range(0.1, 0.9) * scene.w, random.Range(0.55, 0.7) * scene.h),
                    random.Range(10, 18) * scene.u, random.Chance(0.5), 0.3);
            break;
        }
        case kLagoon: {
            PaintSea(scene, horizon, horizon + scene.h * 0.02);
            // The shingle bar between the sea and the lagoon.
            p.fillRect(QRectF(-5, horizon + scene.h * 0.02, scene.w + 10, scene.h * 0.025),
                       Distant(scene.mood, Lit(scene.mood, QColor(190, 180, 160)), 0.5));
            WaterBelow(scene, horizon + scene.h * 0.045, 0.5);
            SceneRandom reeds = random.Fork(7);
            PaintMarram(scene, reeds, scene.h * 0.8, scene.h * 1.02, 120);
            SceneRandom birds = random.Fork(8);
            for (int i = 0; i < random.Int(3, 7); ++i)
                PaintBeast(
                    scene, birds, Beast::Swan,
                    QPointF(random.Range(0.1, 0.9) * scene.w, random.Range(0.55, 0.75) * scene.h),
                    random.Range(15, 35) * scene.u, random.Chance(0.5), 0.3);
            break;
        }
        default: {
            PaintDistantHills(scene, horizon, random.Range(30, 60) * scene.u, 2);
            PaintMeadow(scene, horizon, shoreTop + 2);
            PaintTreeBelt(scene, shoreTop, -20 * scene.u, scene.w * random.Range(0.3, 0.6),
                          random.Range(14, 24) * scene.u, 0.6);
            WaterBelow(scene, shoreTop + 1, 0.6);
            // Rowing boats out on the water, and the near bank.
            p.setPen(Qt::NoPen);
            for (int i = 0; i < random.Int(0, 4); ++i) {
                const double f = random.Range(0.1, 0.6);
                const QPointF at(random.Range(0.1, 0.9) * scene.w,
                                 Lerp(shoreTop, scene.h * 0.85, f));
                const double len = (8 + 60 * f) * scene.u;
                p.setBrush(Lit(scene.mood,
                               random.Chance(0.5) ? QColor(180, 60, 40) : QColor(60, 90, 130)));
                p.drawRoundedRect(QRectF(at.x() - len / 2, at.y() - len * 0.15, len, len * 0.18),
                                  len * 0.08, len * 0.08);
            }
            PaintMeadow(scene, scene.h * random.Range(0.86, 0.92), scene.h);
            PaintGrassBlades(scene, scene.h * 0.86, scene.h, 250);
            break;
        }
    }
}
