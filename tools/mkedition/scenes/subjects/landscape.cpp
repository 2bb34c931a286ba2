// The country itself: from a hilltop over patchwork fields and hedgerows to the hills beyond,
// with a village in the valley; or a wild moor round a lake.
#include <QPainter>
#include <QPainterPath>

#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/plants.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// A few roofs and a church tower, small in the valley.
void PaintVillage(SceneContext& scene, double x, double y, double size, double depth) {
    SceneRandom random = scene.random.Fork(0x0111);
    QPainter& p = scene.painter;
    const QColor walls[] = {QColor(230, 224, 210), QColor(200, 180, 150), QColor(170, 100, 80)};
    const QColor roofs[] = {QColor(90, 94, 104), QColor(150, 90, 70)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < random.Int(6, 14); ++i) {
        const double hx = x + random.Jitter(size * 1.6), hy = y + random.Jitter(size * 0.2);
        const double w = size * random.Range(0.25, 0.45), h = size * random.Range(0.15, 0.22);
        p.setBrush(Distant(scene.mood, Lit(scene.mood, random.Pick(walls)), depth));
        p.drawRect(QRectF(hx, hy - h, w, h));
        p.setBrush(Distant(scene.mood, random.Pick(roofs), depth));
        p.drawPolygon(QPolygonF({QPointF(hx - w * 0.05, hy - h), QPointF(hx + w * 1.05, hy - h),
                                 QPointF(hx + w * 0.8, hy - h - h * 0.6),
                                 QPointF(hx + w * 0.2, hy - h - h * 0.6)}));
    }
    const QColor stone = Distant(scene.mood, QColor(170, 160, 140), depth);
    const double tw = size * 0.2, th = size * 0.8;
    p.setBrush(Lit(scene.mood, stone));
    p.drawRect(QRectF(x, y - th, tw, th));
    p.setBrush(Shaded(scene.mood, stone));
    p.drawRect(QRectF(x + tw, y - th * 0.95, tw * 0.4, th * 0.95));
    if (random.Chance(0.5))
        p.drawPolygon(QPolygonF({QPointF(x - tw * 0.05, y - th), QPointF(x + tw * 1.45, y - th),
                                 QPointF(x + tw * 0.6, y - th * 1.8)}));
}

void PaintFarmland(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.3, 0.42);
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(10, 30) * scene.u, 2);
    const double span = scene.h - horizon;
    // Far country under the nearer hills, so no gap shows between them.
    scene.painter.fillRect(QRectF(0, horizon + 3, scene.w, span),
                           Distant(scene.mood, scene.mood.grass, 0.8));
    // Layers of country, each nearer and lower than the last, patchworked with fields.
    const int layers = random.Int(3, 4);
    for (int i = 0; i < layers; ++i) {
        const double f = (i + 1.0) / (layers + 1);
        const double depth = 0.75 - 0.6 * f;
        const double base = horizon + span * (0.08 + 0.55 * f * f);
        const Ridge ridge(random, base, span * random.Range(0.08, 0.2),
                          scene.w * random.Range(0.8, 1.5), 0.25);
        PaintHillLayer(scene, ridge, depth, scene.mood.grass, scene.h);
        PaintFields(scene, ridge, scene.h, depth);
        if (i == 0 && random.Chance(0.7))
            PaintVillage(scene, random.Range(0.2, 0.8) * scene.w,
                         ridge.At(scene.w / 2) + span * 0.12, random.Range(10, 16) * scene.u,
                         depth);
    }
    // The near slope the viewer stands on.
    const Ridge near(random, scene.h * random.Range(0.84, 0.92), scene.h * 0.08, scene.w * 1.5,
                     0.2);
    PaintHillLayer(scene, near, 0.0, scene.mood.grass, scene.h + 2);
    QPainter& p = scene.painter;
    p.save();
    p.setClipPath(near.Area(scene.w, scene.h + 2));
    PaintGrassBlades(scene, near.At(scene.w / 2) - 10, scene.h, 600);
    PaintFlowers(scene, near.At(scene.w / 2), scene.h, 60);
    p.restore();
    if (random.Chance(0.6)) {
        const double x = random.Chance(0.5) ? random.Range(0.02, 0.15) : random.Range(0.85, 0.98);
        PaintTree(scene, QPointF(x * scene.w, near.At(x * scene.w) + 6),
                  scene.h * random.Range(0.45, 0.7), TreeShape::Broadleaf, 0.0);
    }
}

void PaintMoor(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.38, 0.5);
    PaintSky(scene, horizon);
    const QColor heather =
        scene.mood.snow ? QColor(230, 232, 238)
        : scene.mood.season == Season::Summer || scene.mood.season == Season::Autumn
            ? QColor(120, 86, 96)
            : QColor(126, 112, 80);
    const QColor rock(120, 116, 110);
    // Craggy ridges behind a lake in the valley floor.
    const Ridge far(random, horizon + 2, scene.h * random.Range(0.15, 0.28), scene.w * 0.8, 0.8);
    PaintHillLayer(scene, far, 0.85, Mix(heather, rock, 0.5), horizon + 4);
    const Ridge mid(random, horizon + scene.h * 0.04, scene.h * random.Range(0.12, 0.2),
                    scene.w * 0.9, 0.7);
    PaintHillLayer(scene, mid, 0.55, Mix(heather, scene.mood.grass, 0.3), scene.h);
    const double lakeTop = horizon + scene.h * random.Range(0.08, 0.14);
    const bool lake = random.Chance(0.65);
    if (lake) {
        QPainterPath water;
        water.addRect(QRectF(0, lakeTop, scene.w, scene.h - lakeTop));
        PaintStillWater(scene, water, lakeTop, scene.h);
        ReflectInto(scene, water, lakeTop, 0.6);
    }
    const Ridge near(random, scene.h * random.Range(0.78, 0.9), scene.h * random.Range(0.1, 0.2),
                     scene.w * 1.2, 0.6);
    PaintHillLayer(scene, near, 0.05, heather, scene.h + 2);
    QPainter& p = scene.painter;
    p.save();
    p.setClipPath(near.Area(scene.w, scene.h + 2));
    // Heather and bracken in clumps, and boulders.
    SceneRandom clumps = random.Fork(3);
    const double heatherTop = near.At(scene.w / 2) - scene.h * 0.1;
    PaintHeather(scene, clumps, heather, heatherTop, heatherTop + scene.h * 0.3, 500);
    for (int i = 0; i < random.Int(2, 6); ++i) {
        const QPointF at(random.Range(0, scene.w),
                         near.At(scene.w / 2) + random.Range(10, 80) * scene.u);
        const double r = random.Range(6, 18) * scene.u;
        QLinearGradient shade(at.x() - r, 0, at.x() + r, 0);
        shade.setColorAt(scene.mood.sunFromLeft ? 0 : 1, Lit(scene.mood, rock));
        shade.setColorAt(scene.mood.sunFromLeft ? 1 : 0, Shaded(scene.mood, rock));
        p.setBrush(shade);
        p.drawEllipse(at, r * 1.3, r * 0.7);
    }
    p.restore();
}

}  // namespace

// A hill ringed by the grassy banks and ditches of an ancient fort, the low sun picking out
// each rampart.
void PaintRamparts(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.45, 0.55);
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(10, 25) * scene.u, 2);
    const double cx = scene.w * random.Range(0.4, 0.6),
                 top = horizon - scene.h * random.Range(0.16, 0.24);
    const double half = scene.w * random.Range(0.45, 0.7);
    QPainter& p = scene.painter;
    QPainterPath hill(QPointF(cx - half * 1.6, horizon + 4));
    hill.cubicTo(cx - half * 0.6, top, cx + half * 0.6, top, cx + half * 1.6, horizon + 4);
    hill.lineTo(scene.w + 5, scene.h + 5);
    hill.lineTo(-5, scene.h + 5);
    hill.closeSubpath();
    p.fillPath(hill, Distant(scene.mood, scene.mood.grass, 0.3));
    // The banks: each an arc round the hill, lit on its crest, the ditch below in shade.
    const int banks = random.Int(2, 3);
    for (int i = 0; i < banks; ++i) {
        const double f = (i + 1.0) / (banks + 1);
        const double y = top + (horizon - top) * 0.25 + scene.h * 0.16 * f;
        const double w = half * (0.45 + 0.6 * f);
        QPainterPath crest(QPointF(cx - w, y + scene.h * 0.08));
        crest.quadTo(cx, y - scene.h * 0.05, cx + w, y + scene.h * 0.08);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Scaled(scene.mood.grass, 0.5), (14 + 10 * f) * scene.u));
        p.drawPath(crest.translated(0, (10 + 8 * f) * scene.u));
        p.setPen(QPen(Lit(scene.mood, Scaled(scene.mood.grass, 1.3)), (9 + 7 * f) * scene.u));
        p.drawPath(crest);
    }
    PaintMeadow(scene, scene.h * 0.82, scene.h);
    PaintGrassBlades(scene, scene.h * 0.82, scene.h, 400);
}

void PaintLandscape(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x1a5d);
    const int form = scene.FormOr(random.Chance(0.65) ? kFarmland : kMoor);
    if (form == kRamparts)
        PaintRamparts(scene, random);
    else if (form == kFarmland)
        PaintFarmland(scene, random);
    else
        PaintMoor(scene, random);
}
