// A great tithe barn: long buttressed stone walls under a vast steep roof, the cart porch
// with its high doors in the middle; on a harvest evening the doors stand open on the lamplit
// supper tables inside.
#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// Arrow slits for air along the walls.
FaceDetail Slits() {
    return [](QPainter& p, double w, double h) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 18, 16, 200));
        for (double x = 3; x < w - 2; x += 4.5) p.drawRect(QRectF(x, h * 0.45, 0.25, 1.4));
    };
}

// The porch's high doors: shut oak, or open on the supper inside.
FaceDetail PorchDoors(bool supper) {
    return [supper](QPainter& p, double w, double h) {
        const QRectF door(w * 0.15, 0, w * 0.7, h * 0.85);
        p.setPen(Qt::NoPen);
        if (!supper) {
            p.setBrush(QColor(80, 60, 40));
            p.drawRect(door);
            p.setBrush(QColor(0, 0, 0, 50));
            for (double x = door.left() + 0.4; x < door.right(); x += 0.5)
                p.drawRect(QRectF(x, 0, 0.05, door.height()));
            p.drawRect(QRectF(door.center().x() - 0.05, 0, 0.1, door.height()));
            return;
        }
        QLinearGradient glow(0, 0, 0, door.height());
        glow.setColorAt(0, QColor(130, 80, 40));
        glow.setColorAt(1, QColor(250, 190, 110));
        p.setBrush(glow);
        p.drawRect(door);
        // Lamps hung from the roof timbers, the long table and the heads of the company.
        p.setBrush(QColor(255, 240, 190));
        for (double x = door.left() + 0.8; x < door.right(); x += 1.6)
            p.drawEllipse(QPointF(x, door.height() * 0.8), 0.18, 0.18);
        p.setBrush(QColor(236, 226, 206));
        p.drawRect(QRectF(door.left(), 0.7, door.width(), 0.25));
        p.setBrush(QColor(50, 34, 26));
        for (double x = door.left() + 0.3; x < door.right() - 0.2; x += 0.55)
            p.drawEllipse(QRectF(x, 0.95, 0.35, 0.45));
        p.setBrush(QColor(60, 40, 28));
        p.drawRect(QRectF(door.left() - 0.4, 0, 0.4, door.height()));
        p.drawRect(QRectF(door.right(), 0, 0.4, door.height()));
    };
}

}  // namespace

void PaintBarn(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xba4e);
    // Harvest home: the supper in the barn on an autumn evening.
    const bool supper = scene.mood.season == Season::Autumn &&
                        (scene.mood.time == DayTime::Evening || scene.mood.time == DayTime::Dusk ||
                         scene.mood.time == DayTime::Night);
    if (supper) scene.mood.windowsLit = true;
    const double horizon = scene.h * random.Range(0.56, 0.64);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 1.6,
                        (random.Chance(0.5) ? 1 : -1) * random.Range(0.2, 0.45));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(20, 40), true});
    const double length = random.Range(40, 46), depth = random.Range(11, 13);
    const double z = random.Range(32, 40);
    const double cx = camera.XAt(scene.w * random.Range(0.45, 0.55), z);
    const QColor stones[] = {QColor(196, 170, 120), QColor(170, 160, 140), QColor(200, 186, 156)};
    const Material stone{random.Pick(stones), Masonry::Rubble};
    const bool thatch = random.Chance(0.3);
    const Material roofing{thatch ? QColor(150, 120, 70) : QColor(120, 110, 96), Masonry::Slate};
    const Box barn{cx - length / 2, z, length, depth, 5.5, 0};
    PaintBox(scene, camera, barn, stone, BoxFaces{Slits(), {}, Slits(), Slits(), {}});
    PaintRoof(scene, camera, barn, RoofDesign{Roof::Gable, depth * 0.95, roofing, stone, 0.6});
    // Buttresses stepping down the long wall.
    for (double x = barn.x + 1; x < barn.x + length - 1; x += length / 8) {
        if (std::abs(x - cx) < 5) continue;
        PaintBox(scene, camera, Box{x, z - 1.2, 1.0, 1.2, 4.6, 0}, stone);
    }
    // The cart porch, its own gable towards the yard.
    const Box porch{cx - 4, z - 6, 8, 6, 6.5, 0};
    PaintBox(scene, camera, porch, stone, BoxFaces{PorchDoors(supper), {}, {}, {}, {}});
    PaintRoof(scene, camera, porch, RoofDesign{Roof::GableEndOn, 5, roofing, stone, 0.5});
    // The yard: a rutted track to the porch, and people at the doors on supper night.
    PaintPath(scene, camera, {cx + random.Jitter(6), 0, 1}, {cx, 0, z - 6}, 4,
              Lit(scene.mood, scene.mood.earth));
    if (supper) {
        std::vector<Vec3> company;
        for (int i = 0; i < random.Int(6, 12); ++i)
            company.push_back({cx + random.Jitter(9), 0, random.Range(z - 16, z - 7)});
        PaintCrowd(scene, camera, random, company);
    }
    if (random.Chance(0.7))
        PaintTree(scene,
                  camera.Project(cx + (random.Chance(0.5) ? 1 : -1) * length * 0.7, 0, z - 4),
                  camera.Scale(cx, z) * random.Range(12, 16), TreeShape::Broadleaf, 0.2);
    PaintGrassBlades(scene, scene.h * 0.9, scene.h, 200);
}
