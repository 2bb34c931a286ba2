// A college quadrangle: a striped lawn, ranges of mullioned windows behind battlements, a
// gate tower with turrets, and spires and a dome on the skyline beyond.
#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// Stone-mullioned windows in two storeys, and a doorway to a staircase here and there.
FaceDetail CollegeRange(const OpeningLook& look, double storey) {
    return [=](QPainter& p, double w, double h) {
        const int bays = std::max(2, static_cast<int>(w / 4));
        PaintWindowRow(p, 0, w, 1.1, bays, 1.8, 1.8, Arch::Flat, look, 3, 2);
        PaintWindowRow(p, 0, w, storey + 1.0, bays, 1.8, 1.8, Arch::Flat, look, 3, 2);
        const double bay = w / bays;
        for (int i = 1; i < bays; i += 3)
            PaintDoorway(p, QRectF(bay * i - 0.6, 0, 1.2, 2.4), Arch::Pointed, QColor(60, 46, 36),
                         look.dressing);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(QRectF(0, h - 0.7, w, 0.12));
    };
}

void PaintRange(SceneContext& scene, const Camera& camera, const Box& range, const Material& stone,
                const FaceDetail& face, bool frontFacing, bool facesRight) {
    BoxFaces faces;
    if (frontFacing)
        faces.front = face;
    else if (facesRight)
        faces.right = face;
    else
        faces.left = face;
    PaintBox(scene, camera, range, stone, faces);
    PaintBattlements(scene, camera, range, stone, 0.6);
}

// The gate tower: four corner turrets rising above it with little lead caps.
void PaintGateTower(SceneContext& scene, const Camera& camera, double cx, double z, double height,
                    const Material& stone, const OpeningLook& look) {
    const double w = 10;
    const Box tower{cx - w / 2, z - 1, w, 8, height, 0};
    FaceDetail front = [look](QPainter& p, double fw, double fh) {
        PaintDoorway(p, QRectF(fw / 2 - 1.6, 0, 3.2, 4.5), Arch::Pointed, QColor(40, 30, 24),
                     look.dressing);
        PaintWindow(p, QRectF(fw / 2 - 1.5, 6, 3.0, 3.5), Arch::Flat, look, 4, 2, false);
        PaintWindow(p, QRectF(fw / 2 - 1.2, fh - 5, 2.4, 2.8), Arch::Pointed, look, 2, 0, false);
    };
    PaintBox(scene, camera, tower, stone, BoxFaces{front, {}, {}, {}, {}});
    PaintBattlements(scene, camera, tower, stone, 0.6);
    const Material lead{QColor(96, 104, 110), Masonry::Smooth};
    for (double dx : {0.0, w - 2.4}) {
        for (double dz : {7.0 - 2.4, 0.0}) {
            const Round turret{tower.x + dx + 1.2, tower.z + dz + 1.2, 1.2};
            PaintCylinder(scene, camera, turret, height - 2, height + 4, stone);
            PaintDome(scene, camera, turret, height + 4, 2.2, lead);
        }
    }
}

// Spires and a dome over the roofs: the rest of the university.
void PaintSkyline(SceneContext& scene, const Camera& camera, SceneRandom& random, double z) {
    const Material stone{QColor(200, 184, 146), Masonry::Ashlar};
    for (int i = 0; i < random.Int(2, 4); ++i) {
        const double x = random.Range(-80, 80), zz = z + random.Range(40, 120);
        const double w = random.Range(5, 8);
        const Box tower{x, zz, w, w, random.Range(25, 40), 0};
        PaintBox(scene, camera, tower, stone);
        if (random.Chance(0.6))
            PaintRoof(scene, camera, tower, RoofDesign{Roof::Pyramid, w * 4, stone, stone, 0.1});
        else
            PaintBattlements(scene, camera, tower, stone, 0.7);
    }
    if (random.Chance(0.6)) {
        const Round drum{random.Range(-50, 50), z + random.Range(40, 80), random.Range(10, 14)};
        PaintCylinder(scene, camera, drum, 0, 24, stone);
        PaintDome(scene, camera, drum, 24, drum.radius * 0.9,
                  Material{QColor(110, 116, 120), Masonry::Smooth});
    }
}

// Mowing stripes running away across the lawn.
void PaintLawn(SceneContext& scene, const Camera& camera, double x0, double x1, double z0,
               double z1) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    const QColor light = Lit(scene.mood, scene.mood.grass), dark = Scaled(scene.mood.grass, 0.93);
    int i = 0;
    for (double x = x0; x < x1; x += 2.5, ++i) {
        p.setBrush(i % 2 ? light : dark);
        p.drawPolygon(QPolygonF({camera.Project(x, 0, z0), camera.Project(x + 2.5, 0, z0),
                                 camera.Project(x + 2.5, 0, z1), camera.Project(x, 0, z1)}));
    }
}

}  // namespace

void PaintUniversity(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x0c5f);
    const double horizon = scene.h * random.Range(0.6, 0.68);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 1.6, random.Jitter(0.25));
    PaintSkyline(scene, horizon, 14);

    const bool brick = scene.year > 1840 && random.Chance(0.5);
    const Material stone{brick                ? QColor(164, 86, 62)
                         : random.Chance(0.5) ? QColor(214, 192, 146)
                                              : QColor(196, 184, 160),
                         brick ? Masonry::Brick : Masonry::Ashlar};
    const OpeningLook look = WindowLook(scene, brick ? QColor(222, 210, 184) : stone.colour);
    const double storey = 4.2;
    const double height = storey * 2 + 1.5;
    const double z = random.Range(55, 70);
    const double half = random.Range(30, 40);
    const double cx = camera.XAt(scene.w * random.Range(0.44, 0.56), z);

    PaintSkyline(scene, camera, random, z);
    const FaceDetail range = CollegeRange(look, storey);
    // Back range, then the two side ranges coming towards the viewer.
    PaintRange(scene, camera, Box{cx - half, z, half * 2, 9, height, 0}, stone, range, true, false);
    PaintGateTower(scene, camera, cx + random.Jitter(half * 0.4), z, height + random.Range(8, 12),
                   stone, look);
    PaintRange(scene, camera, Box{cx - half - 9, z - 50, 9, 59, height, 0}, stone, range, false,
               true);
    PaintRange(scene, camera, Box{cx + half, z - 50, 9, 59, height, 0}, stone, range, false, false);
    PaintLawn(scene, camera, cx - half + 3, cx + half - 3, 2, z - 4);
    if (random.Chance(0.5)) {
        const double tx = cx + random.Jitter(half * 0.5), tz = z - random.Range(12, 25);
        PaintTree(scene, camera.Project(tx, 0, tz), camera.Scale(tx, tz) * random.Range(12, 16),
                  TreeShape::Broadleaf, DistanceDepth(scene.mood, tz));
    }
}
