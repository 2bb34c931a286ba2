// The open coast: cliffs and headlands going away one behind another, seen from the clifftop
// or from the beach below.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "tools/mkedition/scenes/coastland.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Sand from the water's edge to the viewer's feet, wet and shining near the sea.
void PaintBeach(SceneContext& scene, double shoreY, bool landOnLeft, SceneRandom& random) {
    QPainter& p = scene.painter;
    const double rise = random.Range(0.02, 0.08) * scene.h * (landOnLeft ? -1 : 1);
    QPainterPath sand(QPointF(-5, shoreY + rise));
    sand.cubicTo(scene.w * 0.35, shoreY + rise * 0.3, scene.w * 0.65, shoreY - rise * 0.2,
                 scene.w + 5, shoreY - rise);
    sand.lineTo(scene.w + 5, scene.h + 5);
    sand.lineTo(-5, scene.h + 5);
    sand.closeSubpath();
    const QColor dry = scene.mood.snow ? QColor(226, 228, 232) : QColor(222, 204, 164);
    const QColor wet = Mix(Scaled(dry, 0.7), scene.mood.skyHorizon, 0.35);
    QLinearGradient fill(0, shoreY - std::abs(rise), 0, scene.h);
    fill.setColorAt(0.0, wet);
    fill.setColorAt(0.25, Mix(wet, dry, 0.6));
    fill.setColorAt(1.0, Lit(scene.mood, dry));
    p.fillPath(sand, fill);
    // The last wave running up the sand.
    QPainterPath edge(QPointF(-5, shoreY + rise));
    edge.cubicTo(scene.w * 0.35, shoreY + rise * 0.3, scene.w * 0.65, shoreY - rise * 0.2,
                 scene.w + 5, shoreY - rise);
    PaintSurf(scene, edge, 2.2 * scene.u);
    // Pebbles and footprints speckle the sand.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 400; ++i) {
        const double f = random.Unit();
        const double y = Lerp(shoreY + std::abs(rise), scene.h, f);
        const double r = (0.4 + 2.2 * f) * scene.u;
        p.setBrush(WithAlpha(random.Chance(0.5) ? Scaled(dry, 0.75) : Scaled(dry, 1.1), 120));
        p.drawEllipse(QPointF(random.Range(0, scene.w), y), r * 1.4, r * 0.8);
    }
}

// Turf at the cliff edge under the viewer's feet, with sea pinks.
void PaintClifftop(SceneContext& scene, bool landOnLeft, SceneRandom& random) {
    QPainter& p = scene.painter;
    const double y0 = scene.h * random.Range(0.72, 0.82);
    QPainterPath turf(QPointF(landOnLeft ? -5 : scene.w + 5, y0 - scene.h * 0.08));
    const double far =
        landOnLeft ? scene.w * random.Range(0.55, 0.9) : scene.w * random.Range(0.1, 0.45);
    turf.cubicTo(Lerp(0, far, 0.5), y0 - scene.h * 0.05, far, y0, landOnLeft ? scene.w + 5 : -5,
                 y0 + scene.h * 0.12);
    turf.lineTo(landOnLeft ? scene.w + 5 : -5, scene.h + 5);
    turf.lineTo(landOnLeft ? -5 : scene.w + 5, scene.h + 5);
    turf.closeSubpath();
    const QRectF box = turf.boundingRect();
    QLinearGradient fill(0, box.top(), 0, scene.h);
    fill.setColorAt(0, Lit(scene.mood, scene.mood.grass));
    fill.setColorAt(1, Scaled(scene.mood.grass, 0.75));
    p.fillPath(turf, fill);
    p.save();
    p.setClipPath(turf);
    PaintGrassBlades(scene, box.top(), scene.h, 900);
    PaintFlowers(scene, box.top(), scene.h, 140);
    p.restore();
}

}  // namespace

void PaintCliffs(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0xc11f);
    const bool fromBeach = scene.FormOr(random.Chance(0.45)) == kCliffsFromBeach;
    const double horizon =
        scene.h * (fromBeach ? random.Range(0.42, 0.52) : random.Range(0.36, 0.46));
    const double eye = fromBeach ? random.Range(1.6, 12) : random.Range(40, 70);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), eye, 0);
    PaintSeaView(scene, horizon);

    const bool landOnLeft = random.Chance(0.5);
    static constexpr Rock kRocks[] = {Rock::Chalk, Rock::Chalk, Rock::Sandstone, Rock::Granite};
    const Rock rock = random.Pick(kRocks);
    const int count = random.Int(3, 5);
    const double nearest = fromBeach ? random.Range(120, 220) : random.Range(250, 400);
    for (int i = count - 1; i >= 0; --i) {
        Headland headland;
        headland.height = random.Range(35, 90);
        // Far enough off that the nearest cliff top stays inside the picture.
        const double room = horizon - scene.h * 0.16;
        const double fits = camera.Focal() * std::max(5.0, headland.height - eye) / room;
        headland.distance = std::max(fits, nearest) * std::pow(random.Range(1.7, 2.2), i);
        headland.tip = (fromBeach ? 0.25 : 0.2) + 0.12 * i + random.Jitter(0.04);
        headland.landOnLeft = landOnLeft;
        headland.rock = rock;
        headland.stack = i == 1 && random.Chance(0.5);
        PaintHeadland(scene, camera, headland);
    }
    if (fromBeach)
        PaintBeach(scene, scene.h * random.Range(0.62, 0.72), landOnLeft, random);
    else
        PaintClifftop(scene, landOnLeft, random);
}
