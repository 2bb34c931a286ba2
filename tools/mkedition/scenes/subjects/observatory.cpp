// An observatory on its hill: a brick house of instruments under copper domes, one turned so
// that its shutter slit shows, a time-ball on its mast over the turret, and the courtyard in
// front with the brass meridian line running across it, visitors standing astride.
#include <QPainter>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// A dome of copper gone green, with the shutter slit running from its foot over the top.
void PaintObservingDome(SceneContext& scene, const Camera& camera, const Round& round,
                        double bottom, const QColor& copper) {
    PaintDome(scene, camera, round, bottom, round.radius, Material{copper});
    QPainter& p = scene.painter;
    QPolygonF slit;
    for (int i = 0; i <= 12; ++i) {
        const double a = kPi / 2 * i / 12;
        slit << camera.Project(round.x, bottom + round.radius * std::sin(a),
                               round.z - round.radius * std::cos(a));
    }
    p.setPen(QPen(QColor(30, 30, 34), std::max(1.5, camera.Scale(round.x, round.z) * 0.7),
                  Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(slit);
    p.setPen(Qt::NoPen);
}

}  // namespace

void PaintObservatory(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x0b5e);
    const double horizon = scene.h * random.Range(0.55, 0.63);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 1.6, random.Jitter(0.25));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(10, 20), true});
    const double z = random.Range(34, 42);
    const double cx = camera.XAt(scene.w * random.Range(0.42, 0.58), z);
    const Material brick{random.Chance(0.6) ? QColor(170, 90, 66) : QColor(200, 186, 156),
                         random.Chance(0.6) ? Masonry::Brick : Masonry::Ashlar};
    const Material dressing{QColor(224, 214, 190)};
    const QColor copper = random.Chance(0.7) ? QColor(110, 160, 140) : QColor(150, 150, 150);
    PaintFlagstones(scene, camera, 1, z, 1.6, QColor(170, 164, 150));
    // The meridian line: a brass strip in the paving from the building to the viewer's feet.
    const double lineX = cx + random.Jitter(4);
    PaintPlane(scene, camera,
               {{lineX - 0.08, 0.02, 1},
                {lineX + 0.08, 0.02, 1},
                {lineX + 0.08, 0.02, z},
                {lineX - 0.08, 0.02, z}},
               Material{QColor(230, 190, 90)});
    const OpeningLook look = WindowLook(scene, dressing.colour);
    const FaceDetail front = [look](QPainter& p, double w, double h) {
        PaintWindowRow(p, 0, w, 1.0, std::max(2, static_cast<int>(w / 3)), 1.1, 2.2, Arch::Round,
                       look, 2, 3);
        PaintWindowRow(p, 0, w, h * 0.6, std::max(2, static_cast<int>(w / 3)), 1.0, 1.6, Arch::Flat,
                       look, 2, 2);
    };
    // The long range with the great dome at one end and the turret with its time-ball.
    const bool domeLeft = random.Chance(0.5);
    const Box range{cx - 14, z, 28, 10, 9, 0};
    PaintBox(scene, camera, range, brick, BoxFaces{front, {}, front, front, {}});
    PaintBalustrade(scene, camera, range, dressing);
    const double domeX = domeLeft ? cx - 10 : cx + 10;
    const Box drum{domeX - 5, z - 3, 10, 10, 11, 0};
    PaintBox(scene, camera, drum, brick, BoxFaces{front, {}, front, front, {}});
    PaintObservingDome(scene, camera, Round{domeX, z + 2, 5}, 11, copper);
    const double turretX = domeLeft ? cx + 8 : cx - 8;
    const Box turret{turretX - 2.5, z + 2, 5, 5, 14, 0};
    PaintBox(scene, camera, turret, brick, BoxFaces{front, {}, {}, {}, {}});
    QPainter& p = scene.painter;
    const QPointF mastFoot = camera.Project(turretX, 14, z + 4.5);
    const QPointF mastTop = camera.Project(turretX, 19, z + 4.5);
    p.setPen(QPen(QColor(40, 40, 44), std::max(1.0, camera.Scale(turretX, z) * 0.2)));
    p.drawLine(mastFoot, mastTop);
    p.setPen(Qt::NoPen);
    p.setBrush(Lit(scene.mood, QColor(200, 50, 40)));
    const double ball = camera.Scale(turretX, z) * 0.9;
    p.drawEllipse(Lerp(mastFoot, mastTop, 0.7), ball, ball);
    // A smaller dome on the roof of the range.
    PaintObservingDome(scene, camera, Round{domeLeft ? cx + 2 : cx - 2, z + 5, 2.5}, 9, copper);
    for (double side : {-1.0, 1.0})
        PaintTree(scene, camera.Project(cx + side * random.Range(22, 30), 0, z + 8),
                  camera.Scale(cx, z + 8) * random.Range(10, 14), TreeShape::Broadleaf,
                  DistanceDepth(scene.mood, z + 8));
    std::vector<Vec3> visitors;
    visitors.push_back({lineX, 0, random.Range(8, 14)});
    for (int i = 0; i < random.Int(3, 8); ++i)
        visitors.push_back({lineX + random.Jitter(12), 0, random.Range(6, z - 4)});
    PaintCrowd(scene, camera, random, visitors);
}
