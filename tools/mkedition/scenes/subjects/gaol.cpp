// A gaol on the open moor: a high granite wall round long cell blocks with rows of small
// barred windows under grey slate, the gate in the wall, nothing else for miles but heather.
#include <QPainter>

#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/smoke.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

// Storeys of small barred cell windows.
FaceDetail CellWindows(int storeys) {
    return [storeys](QPainter& p, double w, double h) {
        const double storey = h / storeys;
        p.setPen(Qt::NoPen);
        for (int s = 0; s < storeys; ++s)
            for (double x = 1.2; x < w - 0.8; x += 2.2) {
                const QRectF cell(x, s * storey + storey * 0.45, 0.6, 0.9);
                p.setBrush(QColor(24, 24, 28));
                p.drawRect(cell);
                p.setBrush(QColor(150, 150, 156));
                p.drawRect(QRectF(cell.center().x() - 0.04, cell.top(), 0.08, cell.height()));
            }
    };
}

// The gate: a heavy round arch with studded doors and a keystone.
FaceDetail GaolGate(const QColor& granite) {
    return [granite](QPainter& p, double w, double) {
        const QRectF arch(w / 2 - 1.8, 0, 3.6, 5);
        p.fillPath(OpeningPath(arch.adjusted(-0.8, 0, 0.8, 0.8), Arch::Round),
                   Scaled(granite, 0.8));
        p.fillPath(OpeningPath(arch, Arch::Round), QColor(50, 40, 34));
        p.setPen(QPen(QColor(20, 18, 16), 0.08));
        p.drawLine(QPointF(w / 2, 0), QPointF(w / 2, 5));
        p.setPen(Qt::NoPen);
    };
}

// A tor: granite stacked in rounded slabs on a hilltop of the skyline.
void PaintTor(SceneContext& scene, SceneRandom& random, QPointF foot, double size) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    const QColor rock = Distant(scene.mood, QColor(120, 118, 112), 0.6);
    double y = foot.y();
    for (int i = 0; i < random.Int(3, 5); ++i) {
        const double w = size * random.Range(0.6, 1.2) * (1 - i * 0.12), h = size * 0.28;
        const double x = foot.x() + random.Jitter(size * 0.15);
        p.setBrush(Shaded(scene.mood, rock));
        p.drawRoundedRect(QRectF(x - w / 2, y - h, w, h), h * 0.4, h * 0.4);
        p.setBrush(Lit(scene.mood, rock));
        p.drawRoundedRect(QRectF(x - w / 2, y - h, w * 0.7, h * 0.5), h * 0.3, h * 0.3);
        y -= h * 0.9;
    }
}

void PaintMoorGround(SceneContext& scene, SceneRandom& random, double horizon) {
    const QColor heather =
        scene.mood.snow ? QColor(230, 232, 238) : Mix(QColor(128, 104, 84), scene.mood.grass, 0.35);
    const Ridge far(random, horizon + 2, scene.h * random.Range(0.04, 0.1), scene.w * 0.9, 0.8);
    PaintHillLayer(scene, far, 0.8, Mix(heather, QColor(120, 116, 110), 0.4), horizon + 6);
    for (int i = 0; i < random.Int(1, 2); ++i) {
        const double x = scene.w * random.Range(0.05, 0.95);
        PaintTor(scene, random, QPointF(x, far.At(x) + 2), random.Range(16, 30) * scene.u);
    }
    const QColor saved = scene.mood.grass;
    scene.mood.grass = heather;
    PaintMeadow(scene, horizon + 2, scene.h);
    scene.mood.grass = saved;
}

}  // namespace

void PaintGaol(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x9a01);
    const double horizon = scene.h * random.Range(0.5, 0.58);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.7,
                        (random.Chance(0.5) ? 1 : -1) * random.Range(0.1, 0.35));
    PaintSky(scene, horizon);
    PaintMoorGround(scene, random, horizon);
    const QColor granites[] = {QColor(150, 150, 148), QColor(136, 132, 128), QColor(164, 158, 150)};
    const Material granite{random.Pick(granites), Masonry::Ashlar};
    const Material slate{QColor(70, 74, 80), Masonry::Slate};
    const double z = random.Range(55, 70);
    const double cx = camera.XAt(scene.w * random.Range(0.35, 0.65), z);
    const double width = random.Range(60, 75), depth = random.Range(50, 60);
    // Cell blocks inside the wall, ridges running away from the gate; a chimney smoking.
    for (int i = 0; i < 3; ++i) {
        const Box block{
            cx - width * 0.32 + i * width * 0.26, z + 12, 11, depth - 25, random.Range(11, 14), 0};
        PaintBox(scene, camera, block, granite,
                 BoxFaces{CellWindows(3), {}, CellWindows(3), CellWindows(3), {}});
        PaintRoof(scene, camera, block, RoofDesign{Roof::GableEndOn, 3.5, slate, granite});
    }
    const Box governor{cx - 8, z + 5, 16, 10, 10, 0};
    PaintBox(scene, camera, governor, granite, BoxFaces{CellWindows(2), {}, {}, {}, {}});
    PaintRoof(scene, camera, governor, RoofDesign{Roof::Hip, 3, slate, granite});
    PaintSmoke(scene, camera.Project(cx + 4, 13.5, z + 9), 5 * scene.u, 1, QColor(200, 200, 204));
    // The perimeter wall and its gate.
    const Box wall{cx - width / 2, z, width, 1.2, 7.5, 0};
    PaintBox(scene, camera, Box{wall.x, z, 1.2, depth, 6.5, 0}, granite);
    PaintBox(scene, camera, Box{wall.x + width - 1.2, z, 1.2, depth, 6.5, 0}, granite);
    PaintBox(scene, camera, wall, granite);
    const Box gate{cx - 5, z - 2, 10, 4, 8.5, 0};
    PaintBox(scene, camera, gate, granite, BoxFaces{GaolGate(granite.colour), {}, {}, {}, {}});
    PaintRoof(scene, camera, gate, RoofDesign{Roof::Gable, 1.5, slate, granite});
    // A track across the moor to the gate, and granite boulders in the heather.
    PaintPath(scene, camera, {cx + random.Jitter(10), 0, 2}, {cx, 0, z - 2}, 3.5,
              Lit(scene.mood, QColor(150, 136, 110)));
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < random.Int(3, 7); ++i) {
        const QPointF at(random.Range(0, scene.w), random.Range(0.78, 0.98) * scene.h);
        const double r = random.Range(6, 20) * scene.u * (at.y() / scene.h);
        p.setBrush(Lit(scene.mood, granite.colour));
        p.drawEllipse(at, r * 1.5, r);
        p.setBrush(Shaded(scene.mood, granite.colour));
        p.drawChord(QRectF(at.x() - r * 1.5, at.y() - r, r * 3, r * 2), 180 * 16, 180 * 16);
    }
    PaintGrassBlades(scene, scene.h * 0.85, scene.h, 200);
}
