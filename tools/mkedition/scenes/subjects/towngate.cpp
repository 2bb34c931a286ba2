// A town gate: a battlemented gate tower between two drum towers, the road running through
// its arch into the old street beyond, stubs of the town wall either side, and the meadow
// where the harbour once was grazed by sheep.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/beasts.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

// The gate arch, open on the street behind, a window over it and the arms carved between.
FaceDetail GateFront(const QImage& behind, const OpeningLook& look, const QColor& stone) {
    return [=](QPainter& p, double w, double h) {
        const QRectF arch(w / 2 - 2.2, 0, 4.4, 6.5);
        p.fillPath(OpeningPath(arch.adjusted(-0.5, 0, 0.5, 0.6), Arch::Pointed),
                   Scaled(stone, 1.12));
        PaintThrough(p, OpeningPath(arch, Arch::Pointed), behind);
        // The shadow of the vault just inside the arch.
        QLinearGradient vault(0, arch.bottom(), 0, arch.top());
        vault.setColorAt(0, QColor(0, 0, 0, 170));
        vault.setColorAt(1, QColor(0, 0, 0, 20));
        p.fillPath(OpeningPath(arch, Arch::Pointed), vault);
        PaintWindow(p, QRectF(w / 2 - 0.9, h * 0.62, 1.8, 2.6), Arch::Pointed, look, 2, 2, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Scaled(stone, 1.15));
        p.drawRect(QRectF(w / 2 - 0.7, 7.8, 1.4, 1.4));
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QRectF(w / 2 - 0.45, 8.0, 0.9, 1.0));
    };
}

}  // namespace

void PaintTownGate(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x6a7e);
    const double horizon = scene.h * random.Range(0.58, 0.68);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, random.Jitter(0.25));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(15, 30), false});
    const double z = random.Range(38, 50);
    const double cx = camera.XAt(scene.w * random.Range(0.42, 0.58), z);
    const QColor stones[] = {QColor(190, 176, 146), QColor(170, 162, 150), QColor(200, 184, 150)};
    const Material stone{random.Pick(stones), Masonry::Ashlar};
    // The street inside the gate, seen through the arch.
    for (double hz = z + 60; hz > z + 8; hz -= 7)
        for (double side : {-1.0, 1.0}) {
            House house = RandomHouse(random, RandomHouseStyle(random, scene.year),
                                      Box{side < 0 ? cx - 13 : cx + 5, hz, 8, 7, 0, 0});
            PaintHouse(scene, camera, house, side < 0 ? Frontage::Right : Frontage::Left);
        }
    PaintPath(scene, camera, {cx + random.Jitter(3), 0, 1}, {cx, 0, z + 60}, 5,
              Lit(scene.mood, QColor(170, 156, 126)));
    // Stubs of the town wall running off to both sides.
    for (double side : {-1.0, 1.0}) {
        const Box wall{side < 0 ? cx - 40 : cx + 8, z + 3, 32, 2.5, 6, 0};
        PaintBox(scene, camera, wall, stone);
        PaintBattlements(scene, camera, wall, stone, 0.8);
    }
    const QImage behind = scene.image.copy();
    const Box gate{cx - 6, z, 12, 9, 13, 0};
    const FaceDetail front =
        GateFront(behind, WindowLook(scene, Scaled(stone.colour, 1.1)), stone.colour);
    PaintBox(scene, camera, gate, stone, BoxFaces{front, {}, {}, {}, {}});
    PaintBattlements(scene, camera, gate, stone, 0.9);
    for (double side : {-1.0, 1.0}) {
        const Round drum{cx + side * 7, z + 1.5, 3.4};
        PaintCylinder(scene, camera, drum, 0, 15, stone);
        PaintRoundBattlements(scene, camera, drum, 15, stone, 0.8);
        for (double y : {5.0, 10.0})
            PaintOnCylinder(scene, camera, drum, -side * 0.4, y, 0.3, 1.4,
                            [](QPainter& p, double w, double h) {
                                p.fillRect(QRectF(0, 0, w, h), QColor(20, 18, 16));
                            });
    }
    // Sheep grazing on the old harbour floor in front.
    std::vector<Vec3> flock;
    for (int i = 0; i < random.Int(4, 9); ++i)
        flock.push_back({cx + random.Jitter(30), 0, random.Range(10, z - 8)});
    std::sort(flock.begin(), flock.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : flock)
        PaintBeast(scene, random, Beast::Sheep, camera.Project(foot), camera.Scale(foot.x, foot.z),
                   random.Chance(0.5), DistanceDepth(scene.mood, foot.z));
    PaintGrassBlades(scene, scene.h * 0.88, scene.h, 240);
}
