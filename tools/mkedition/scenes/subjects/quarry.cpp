// Quarries: a terraced face of cut rock with its benches and spoil, the pit drowned in a still
// green lake once the pumps stopped, or white china-clay heaps over a turquoise pool.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// The worked face in steps: each bench a lit top and a shaded, fissured riser.
void PaintTerracedFace(SceneContext& scene, SceneRandom& random, const QColor& rock, double topY,
                       double footY) {
    QPainter& p = scene.painter;
    const int benches = random.Int(4, 7);
    const double step = (footY - topY) / benches;
    for (int i = 0; i < benches; ++i) {
        const double y = topY + i * step;
        const double inset = (benches - i) * scene.w * 0.035;
        QPainterPath riser;
        riser.moveTo(-5, y + step * 0.2);
        for (double x = 0; x <= scene.w + 20; x += 30 * scene.u)
            riser.lineTo(x, y + step * 0.2 + random.Jitter(3) * scene.u +
                                std::abs(x - scene.w / 2) / scene.w * inset * 0.4);
        riser.lineTo(scene.w + 5, footY + 5);
        riser.lineTo(-5, footY + 5);
        riser.closeSubpath();
        const double depth = 0.35 * (1 - double(i) / benches);
        QLinearGradient shade(0, y, 0, y + step);
        shade.setColorAt(0, Distant(scene.mood, Lit(scene.mood, rock), depth));
        shade.setColorAt(0.15, Distant(scene.mood, Shaded(scene.mood, rock), depth));
        shade.setColorAt(1, Distant(scene.mood, Scaled(Shaded(scene.mood, rock), 0.85), depth));
        p.fillPath(riser, shade);
        p.save();
        p.setClipPath(riser);
        p.setPen(QPen(Distant(scene.mood, Scaled(rock, 0.55), depth), 1.2 * scene.u));
        for (int c = 0; c < 40; ++c) {
            const double x = random.Range(0, scene.w), top = y + step * random.Range(0.25, 0.4);
            p.drawLine(QPointF(x, top), QPointF(x + random.Jitter(6) * scene.u,
                                                top + step * random.Range(0.3, 0.7)));
        }
        p.restore();
    }
}

}  // namespace

void PaintQuarry(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x9a44);
    const int form = scene.FormOr(random.Int(0, kClayPits));
    const double horizon = scene.h * random.Range(0.22, 0.3);
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(8, 20) * scene.u, 1);
    QPainter& p = scene.painter;
    if (form == kClayPits) {
        PaintMeadow(scene, horizon, scene.h);
        // White spoil cones standing against the moor.
        for (int i = 0; i < random.Int(3, 5); ++i) {
            const double cx = random.Range(0.05, 0.95) * scene.w;
            const double base = horizon + random.Range(0.05, 0.2) * scene.h;
            const double hgt = random.Range(0.12, 0.26) * scene.h,
                         half = hgt * random.Range(1.1, 1.8);
            QPolygonF cone({QPointF(cx - half, base), QPointF(cx - half * 0.1, base - hgt),
                            QPointF(cx + half * 0.1, base - hgt), QPointF(cx + half, base)});
            const bool sunLeft = scene.mood.sunFromLeft;
            QLinearGradient shade(cx - half, 0, cx + half, 0);
            shade.setColorAt(sunLeft ? 0 : 1, Lit(scene.mood, QColor(240, 240, 236)));
            shade.setColorAt(sunLeft ? 1 : 0, Shaded(scene.mood, QColor(214, 216, 218)));
            p.setPen(Qt::NoPen);
            p.setBrush(shade);
            p.drawPolygon(cone);
        }
        const double poolTop = scene.h * random.Range(0.6, 0.68);
        QPainterPath pool;
        pool.addEllipse(QRectF(-scene.w * 0.2, poolTop, scene.w * 1.4, (scene.h - poolTop) * 1.6));
        scene.mood.water = QColor(60, 170, 170);
        PaintStillWater(scene, pool, poolTop, scene.h);
        p.fillPath(pool, WithAlpha(QColor(80, 200, 190), 120));
        return;
    }
    static const QColor kRocks[] = {QColor(150, 146, 140), QColor(196, 184, 156),
                                    QColor(90, 96, 104)};
    const QColor rock = random.Pick(kRocks);
    // Trees along the rim, then the face dropping to the floor of the pit.
    PaintTreeBelt(scene, horizon + scene.h * 0.04, -20 * scene.u, scene.w + 20 * scene.u,
                  random.Range(18, 30) * scene.u, 0.5);
    const double footY = scene.h * random.Range(0.7, 0.78);
    PaintTerracedFace(scene, random, rock, horizon + scene.h * 0.04, footY);
    if (form == kFloodedQuarry) {
        QPainterPath water;
        water.addRect(QRectF(-5, footY - scene.h * 0.06, scene.w + 10, scene.h));
        scene.mood.water = Mix(scene.mood.water, QColor(40, 110, 80), 0.6);
        PaintStillWater(scene, water, footY - scene.h * 0.06, scene.h);
        ReflectInto(scene, water, footY - scene.h * 0.06, 0.6);
    } else {
        // Blocks and rubble on the floor of the pit.
        p.fillRect(QRectF(-5, footY, scene.w + 10, scene.h - footY + 5),
                   Lit(scene.mood, Scaled(rock, 0.9)));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            const double f = random.Unit();
            const double s = (4 + 40 * f * f) * scene.u;
            const QPointF at(random.Range(0, scene.w), Lerp(footY, scene.h, f));
            p.setBrush(Shaded(scene.mood, rock));
            p.drawRect(QRectF(at.x(), at.y() - s * 0.6, s, s * 0.6));
            p.setBrush(Lit(scene.mood, Scaled(rock, 1.1)));
            p.drawRect(QRectF(at.x(), at.y() - s * 0.6, s, s * 0.18));
        }
    }
}
