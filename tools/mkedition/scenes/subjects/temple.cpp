// A garden temple: a little round temple of columns under a dome, on an island in the lake of
// a landscape park, a bridge across to it, trees mirrored in the still water.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

void PaintRoundTemple(SceneContext& scene, const Camera& camera, double cx, double cz,
                      double radius, double base, const Material& stone, const QColor& dome) {
    PaintCylinder(scene, camera, Round{cx, cz, radius + 0.8}, base - 1.2, base, stone);
    const double height = radius * 1.6;
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * kPi * i / 10 + kPi / 10;
        const double x = cx + std::cos(a) * radius, z = cz - std::sin(a) * radius;
        if (z < cz) continue;
        PaintColumn(scene, camera, x, z, radius * 0.09, base, height, stone);
    }
    // The cella wall inside the ring of columns.
    PaintCylinder(scene, camera, Round{cx, cz, radius * 0.6}, base, base + height,
                  Material{Scaled(stone.colour, 0.8)});
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * kPi * i / 10 + kPi / 10;
        const double x = cx + std::cos(a) * radius, z = cz - std::sin(a) * radius;
        if (z >= cz) continue;
        PaintColumn(scene, camera, x, z, radius * 0.09, base, height, stone);
    }
    PaintCylinder(scene, camera, Round{cx, cz, radius + 0.35}, base + height,
                  base + height + radius * 0.3, stone);
    PaintDome(scene, camera, Round{cx, cz, radius + 0.2}, base + height + radius * 0.3,
              radius * 0.8, Material{dome});
    PaintCylinder(scene, camera, Round{cx, cz, radius * 0.18}, base + height + radius * 1.05,
                  base + height + radius * 1.35, stone);
}

}  // namespace

void PaintTemple(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x7e39);
    const double horizon = scene.h * random.Range(0.42, 0.5);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, random.Jitter(0.2));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(15, 30), true});
    const double z = random.Range(34, 44);
    const double cx = camera.XAt(scene.w * random.Range(0.4, 0.6), z);
    // The far shore's trees, then the lake from there to the near bank.
    const double farShore = z + random.Range(30, 60);
    PaintTreeBelt(scene, camera.Project(0, 0, farShore).y(), -20, scene.w + 20,
                  camera.Scale(0, farShore) * 16, 0.35);
    const double waterTop = camera.Project(0, 0, farShore).y();
    const double nearBank = scene.h - random.Range(30, 70) * scene.u;
    QPainterPath lake;
    lake.addRect(QRectF(0, waterTop, scene.w, nearBank - waterTop));
    PaintStillWater(scene, lake, waterTop, nearBank);
    // The island: a low mound of lawn with dark trees behind the temple.
    QPainter& p = scene.painter;
    const double islandR = random.Range(11, 15);
    QPolygonF island;
    for (int i = 0; i <= 24; ++i) {
        const double a = 2 * kPi * i / 24;
        island << camera.Project(cx + std::cos(a) * islandR, 0.3, z + std::sin(a) * islandR * 0.8);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, Lit(scene.mood, scene.mood.grass), 0.2));
    p.drawPolygon(island);
    for (double side : {-1.0, 1.0})
        PaintTree(scene, camera.Project(cx + side * islandR * 0.6, 0.3, z + islandR * 0.4),
                  camera.Scale(cx, z) * random.Range(12, 16),
                  random.Chance(0.4) ? TreeShape::Conifer : TreeShape::Broadleaf,
                  DistanceDepth(scene.mood, z));
    const Material stone{random.Chance(0.5) ? QColor(230, 224, 210) : QColor(214, 200, 170),
                         Masonry::Smooth};
    const QColor dome = random.Chance(0.5) ? QColor(120, 160, 140) : QColor(210, 200, 180);
    // The bridge from the island to the shore at one side, its arches open on the water.
    const double side = random.Chance(0.5) ? 1 : -1;
    const double span = random.Range(22, 30);
    const Box bridge{
        side > 0 ? cx + islandR * 0.8 : cx - islandR * 0.8 - span, z - 1.5, span, 3, 2.6, -0.3};
    const QImage behind = scene.image.copy();
    const FaceDetail arches = [behind](QPainter& face, double w, double h) {
        for (int i = 0; i < 3; ++i) {
            const QRectF opening(w * (i + 0.15) / 3, 0, w * 0.7 / 3, h * 0.7);
            PaintThrough(face, OpeningPath(opening, Arch::Round), behind);
        }
        face.setPen(Qt::NoPen);
        face.setBrush(QColor(0, 0, 0, 40));
        face.drawRect(QRectF(0, h - 0.5, w, 0.12));
    };
    PaintBox(scene, camera, bridge, stone, BoxFaces{arches, {}, {}, {}, {}});
    PaintBalustrade(scene, camera, bridge, stone);
    PaintRoundTemple(scene, camera, cx, z, random.Range(3.2, 4.2), 1.5, stone, dome);
    ReflectInto(scene, lake, camera.Project(0, 0, z - islandR * 0.8).y(), 0.6);
    // The near bank of lawn along the bottom.
    QLinearGradient bank(0, nearBank, 0, scene.h);
    bank.setColorAt(0, Lit(scene.mood, scene.mood.grass));
    bank.setColorAt(1, Scaled(scene.mood.grass, 0.8));
    p.fillRect(QRectF(0, nearBank, scene.w, scene.h - nearBank), bank);
}
