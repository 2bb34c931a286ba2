// A city seen from a hill: the roofs spreading out below into the haze, streets cutting
// through them, a river winding away, the great dome and the clock tower standing up out of
// the roofs, and the grass and trees of the hilltop in front.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/gothicfront.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Where the river runs at a distance: it winds from side to side as it goes away.
double RiverX(double z, double phase, double swing) {
    return swing * std::sin(z / 700.0 + phase) + z * 0.15;
}

void PaintRiver(SceneContext& scene, const Camera& camera, double phase, double swing) {
    QPolygonF left, right;
    for (double z = 300; z < 6000; z *= 1.08) {
        const double x = RiverX(z, phase, swing), half = 40 + z * 0.01;
        left << camera.Project(x - half, 0, z);
        right.prepend(camera.Project(x + half, 0, z));
    }
    QPainterPath river;
    river.addPolygon(left + right);
    river.closeSubpath();
    PaintStillWater(scene, river, camera.HorizonY(), scene.h);
}

// Blocks of buildings: roofs in rows, paler and bluer with distance, the river left open.
void PaintRoofs(SceneContext& scene, const Camera& camera, SceneRandom& random, double phase,
                double swing) {
    static const QColor kWalls[] = {QColor(200, 190, 170), QColor(170, 110, 90),
                                    QColor(220, 214, 200), QColor(150, 120, 100)};
    static const QColor kRoofs[] = {QColor(90, 94, 104), QColor(150, 90, 70), QColor(110, 100, 96)};
    for (double z = 5000; z > 280; z *= 0.93) {
        const double step = 14 + z * 0.02;
        for (double x = camera.LeftAt(z); x < camera.RightAt(z);
             x += step * random.Range(0.8, 1.3)) {
            if (std::abs(x - RiverX(z, phase, swing)) < 60 + z * 0.012) continue;
            if (random.Chance(0.12)) continue;  // a street or a square
            const Box block{x, z, step * 0.9, step * 0.6, random.Range(8, 18) * (1 + z / 4000), 0};
            const Material wall{random.Pick(kWalls)};
            PaintBox(scene, camera, block, wall);
            if (z < 1500)
                PaintRoof(scene, camera, block,
                          RoofDesign{Roof::Hip, block.depth * 0.3, Material{random.Pick(kRoofs)},
                                     wall, 0});
        }
    }
}

void PaintLandmarks(SceneContext& scene, const Camera& camera, SceneRandom& random) {
    const Material stone{QColor(220, 214, 196), Masonry::Ashlar};
    // The domed cathedral.
    const double dz = random.Range(800, 1100);
    const double dx = camera.XAt(scene.w * random.Range(0.25, 0.45), dz);
    PaintBox(scene, camera, Box{dx - 60, dz - 20, 120, 70, 34, 0}, stone);
    PaintCylinder(scene, camera, Round{dx, dz + 15, 28}, 34, 76, stone);
    PaintDome(scene, camera, Round{dx, dz + 15, 30}, 76, 34, Material{QColor(150, 160, 160)});
    PaintCylinder(scene, camera, Round{dx, dz + 15, 5}, 110, 126, stone);
    // The clock tower by the river.
    const double tz = random.Range(1300, 1900);
    const double tx = camera.XAt(scene.w * random.Range(0.6, 0.8), tz);
    const Box tower{tx - 9, tz, 18, 18, 110, 0};
    const FaceDetail clock = ClockFace(scene, 11, 98, false);
    PaintBox(scene, camera, tower, Material{QColor(214, 196, 150)},
             BoxFaces{clock, {}, clock, clock, {}});
    PaintRoof(scene, camera, tower,
              RoofDesign{Roof::Pyramid, 30, Material{QColor(70, 76, 84)}, stone});
}

}  // namespace

void PaintCityView(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xc17e);
    const double horizon = scene.h * random.Range(0.3, 0.38);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.1), random.Range(70, 110),
                        random.Jitter(0.15));
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(6, 14) * scene.u, 1);
    // The plain the city stands on, then the river, the roofs and the landmarks.
    scene.painter.fillRect(QRectF(0, horizon, scene.w, scene.h - horizon),
                           Distant(scene.mood, QColor(140, 134, 120), 0.6));
    const double phase = random.Range(0, 6.28), swing = random.Range(150, 300);
    PaintRiver(scene, camera, phase, swing);
    PaintRoofs(scene, camera, random, phase, swing);
    PaintLandmarks(scene, camera, random);
    // The hilltop in front: a grassy brow, trees to one side, people at the view.
    const Ridge brow(random, scene.h * random.Range(0.72, 0.8), scene.h * 0.04, scene.w * 1.2, 0.1);
    PaintHillLayer(scene, brow, 0.0, scene.mood.grass, scene.h + 2);
    const double treeX = random.Chance(0.5) ? scene.w * 0.08 : scene.w * 0.92;
    PaintTree(scene, QPointF(treeX, brow.At(treeX) + 10 * scene.u),
              scene.h * random.Range(0.5, 0.7), TreeShape::Broadleaf, 0.0);
    for (int i = 0; i < random.Int(1, 4); ++i) {
        const double x = scene.w * random.Range(0.25, 0.75);
        const double y = brow.At(x) + random.Range(10, 40) * scene.u;
        PaintPerson(scene, random, QPointF(x, y), (y - horizon) * 0.45, 0.0);
    }
    PaintGrassBlades(scene, brow.At(scene.w / 2) + 20 * scene.u, scene.h, 220);
}
