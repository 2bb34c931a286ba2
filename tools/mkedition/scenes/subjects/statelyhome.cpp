// A country house: a symmetrical front with its portico, wings either side, a drive across
// the lawn and the cedars of its park.
#include <QPainter>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Rows of sash windows, tallest on the principal floor, the line of a cornice above.
FaceDetail MansionFront(const OpeningLook& look, double storey, int storeys, const QColor& wall) {
    return [=](QPainter& p, double w, double h) {
        const int bays = std::max(2, static_cast<int>(w / 4.2));
        for (int s = 0; s < storeys; ++s) {
            const double height = s == 1 ? 2.8 : 2.0;
            PaintWindowRow(p, 0, w, s * storey + 1.0, bays, 1.3, height, Arch::Flat, look, 2, 3);
        }
        p.setBrush(Scaled(wall, 1.12));
        p.drawRect(QRectF(0, storey - 0.25, w, 0.3));
        p.drawRect(QRectF(0, h - 0.9, w, 0.9));
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRect(QRectF(0, h - 1.05, w, 0.15));
    };
}

void PaintChimneys(SceneContext& scene, const Camera& camera, const Box& block, double rise,
                   const Material& material) {
    for (double f : {0.2, 0.8}) {
        const Box stack{
            block.x + block.width * f - 1, block.z + block.depth * 0.4, 2, 1.2, rise + 2.5,
            block.base + block.height};
        PaintBox(scene, camera, stack, material);
    }
}

}  // namespace

void PaintStatelyHome(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x57a7e);
    const double horizon = scene.h * random.Range(0.56, 0.64);
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.95), random.Range(1.6, 4),
                        random.Jitter(0.3));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(10, 30), true});

    const bool brick = random.Chance(0.3);
    const Material wall{brick                ? QColor(160, 84, 64)
                        : random.Chance(0.5) ? QColor(214, 204, 180)
                                             : QColor(196, 186, 160),
                        brick ? Masonry::Brick : Masonry::Ashlar};
    const Material dressing{QColor(226, 218, 198), Masonry::Smooth};
    const Material roofing{QColor(88, 94, 104), Masonry::Slate};
    const OpeningLook look = WindowLook(scene, dressing.colour);
    const double storey = 4.5;
    const int storeys = 3;
    const double width = random.Range(40, 60), height = storey * storeys + 1.2, depth = 22;
    const double z = random.Range(55, 80);
    const double cx = camera.XAt(scene.w * random.Range(0.4, 0.6), z);
    const bool hipped = random.Chance(0.6);

    // A belt of trees behind and cedars on the lawn.
    PaintTreeBelt(scene, camera.Project(0, 0, z + 60).y(), -30, scene.w + 30,
                  camera.Scale(0, z + 60) * 20, 0.25);
    const double wingWidth = random.Range(14, 22);
    for (double side : {-1.0, 1.0}) {
        const Box wing{cx + side * (width / 2 + wingWidth / 2) - wingWidth / 2,
                       z + 6,
                       wingWidth,
                       depth - 6,
                       storey * 2 + 1,
                       0};
        PaintBox(scene, camera, wing, wall,
                 BoxFaces{MansionFront(look, storey, 2, dressing.colour), {}, {}, {}, {}});
        PaintRoof(scene, camera, wing, RoofDesign{Roof::Hip, 3, roofing, wall});
    }
    const Box block{cx - width / 2, z, width, depth, height, 0};
    const FaceDetail front = MansionFront(look, storey, storeys, dressing.colour);
    PaintBox(scene, camera, block, wall, BoxFaces{front, {}, front, front, {}});
    if (hipped) {
        PaintRoof(scene, camera, block, RoofDesign{Roof::Hip, 5, roofing, wall});
        PaintChimneys(scene, camera, block, 5, wall);
    } else {
        PaintBalustrade(scene, camera, block, dressing);
    }
    const int columns = random.Chance(0.5) ? 4 : 6;
    PaintPortico(scene, camera, cx, z - 6, columns * 2.8, 6, height - 1.5, columns, dressing);

    // Before the house: a lake that mirrors it, a parterre of clipped box, or the drive
    // sweeping up to the door across the lawn.
    // (the hedge painter turns with the seasons, clipped box does not)
    const bool evergreenSeason =
        scene.mood.season == Season::Spring || scene.mood.season == Season::Summer;
    int approach = random.Int(0, 2);
    if (approach == 1 && !evergreenSeason) approach = 2;
    if (approach == 0) {
        PaintMirrorWater(scene, camera, camera.LeftAt(z), camera.RightAt(z), random.Range(12, 20),
                         z - random.Range(10, 16));
    } else if (approach == 1) {
        const double gap = random.Range(4, 6);
        for (double bz = z - 12; bz > 8; bz -= gap)
            for (double bx = cx - width * 0.7; bx < cx + width * 0.7; bx += gap * 1.6)
                PaintHedge(scene, camera.Project(bx, 0, bz), camera.Project(bx + gap, 0, bz),
                           camera.Scale(bx, bz) * 0.7, DistanceDepth(scene.mood, bz));
    } else {
        PaintPath(scene, camera, {cx * 0.3 + random.Jitter(6), 0, 7}, {cx, 0, z - 9}, 5,
                  QColor(176, 160, 134));
    }
    for (int i = 0; i < random.Int(2, 4); ++i) {
        const double side = random.Chance(0.5) ? -1 : 1;
        const double tz = random.Range(25, z - 15),
                     tx = cx + side * random.Range(width * 0.6, width * 1.2);
        const TreeShape shape = random.Chance(0.4) ? TreeShape::Conifer : TreeShape::Broadleaf;
        PaintTree(scene, camera.Project(tx, 0, tz), camera.Scale(tx, tz) * random.Range(16, 24),
                  shape, DistanceDepth(scene.mood, tz));
    }
    PaintGrassBlades(scene, scene.h * 0.85, scene.h, 300);
}
