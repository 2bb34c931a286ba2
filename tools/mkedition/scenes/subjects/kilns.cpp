// Kilns: a row of round oast houses with their white cowls beside the hop garden, and the
// great brick cone of a glassworks over the town's roofs.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

const Material kBrick{QColor(160, 84, 60), Masonry::Brick};
const Material kTiles{QColor(120, 62, 46), Masonry::Slate};

// The white wooden cowl on an oast's apex, its hood turned from the wind and the vane behind.
void PaintCowl(SceneContext& scene, QPointF apex, double scale, double facing, double depth) {
    QPainter& p = scene.painter;
    const double h = 2.4 * scale, w = 1.5 * scale;
    const QColor white = Distant(scene.mood, Lit(scene.mood, QColor(240, 238, 230)), depth);
    const QColor shade = Distant(scene.mood, Shaded(scene.mood, QColor(220, 218, 210)), depth);
    QPainterPath hood(apex + QPointF(-w / 2, 0));
    hood.lineTo(apex + QPointF(-w / 2, -h * 0.75));
    hood.quadTo(apex + QPointF(-w / 2, -h), apex + QPointF(facing * w * 0.6, -h * 0.95));
    hood.lineTo(apex + QPointF(facing * w * 0.7, -h * 0.35));
    hood.lineTo(apex + QPointF(w / 2, 0));
    hood.closeSubpath();
    QLinearGradient fill(apex.x() - w / 2, 0, apex.x() + w / 2, 0);
    fill.setColorAt(0, scene.mood.sunFromLeft ? white : shade);
    fill.setColorAt(1, scene.mood.sunFromLeft ? shade : white);
    p.setPen(Qt::NoPen);
    p.fillPath(hood, fill);
    // The dark mouth of the hood and the fan-shaped vane on the other side.
    p.setBrush(Distant(scene.mood, QColor(50, 46, 44), depth));
    p.drawRect(
        QRectF(apex.x() + facing * w * 0.35 - w * 0.15, apex.y() - h * 0.85, w * 0.3, h * 0.45));
    p.setBrush(white);
    p.drawPolygon(QPolygonF({apex + QPointF(-facing * w * 0.5, -h * 0.8),
                             apex + QPointF(-facing * w * 1.5, -h * 1.0),
                             apex + QPointF(-facing * w * 1.5, -h * 0.5),
                             apex + QPointF(-facing * w * 0.5, -h * 0.4)}));
}

// Hop bines climbing their strings on rows of poles, in the foreground on one side.
void PaintHopRows(SceneContext& scene, const Camera& camera, SceneRandom& random, double x0,
                  double x1) {
    QPainter& p = scene.painter;
    for (double z = 22; z >= 7; z -= 3)
        for (double x = x0; x <= x1; x += 2.5) {
            const double scale = camera.Scale(x, z), depth = DistanceDepth(scene.mood, z);
            const QPointF foot = camera.Project(x, 0, z), top = camera.Project(x, 4.5, z);
            p.setPen(
                QPen(Distant(scene.mood, QColor(110, 90, 70), depth), std::max(0.6, scale * 0.1)));
            p.drawLine(foot, top);
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 10; ++i) {
                const double t = random.Range(0.05, 0.95);
                p.setBrush(Foliage(scene.mood, random.Int(0, 2), depth));
                p.drawEllipse(Lerp(foot, top, t) + QPointF(random.Jitter(0.2) * scale, 0),
                              scale * 0.25, scale * 0.2);
            }
        }
}

void PaintOastHouses(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.5, 0.58);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.5, 2),
                        random.Jitter(0.2));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(15, 35), true});
    const int roundels = random.Int(2, 4);
    const double spacing = 8, length = roundels * spacing + random.Range(8, 14);
    const double z = camera.DistanceToFit(15, scene.h * random.Range(0.12, 0.2));
    const bool kilnsLeft = random.Chance(0.5);
    const double x0 = camera.XAt(scene.w * 0.5, z) - length / 2;
    // The stowage barn, white boarded over a brick ground floor.
    const OpeningLook look = WindowLook(scene, QColor(236, 232, 222));
    const FaceDetail boards = [look](QPainter& p, double w, double h) {
        p.fillRect(QRectF(0, 0, w, 2.6), QColor(150, 80, 60));
        p.setBrush(QColor(0, 0, 0, 35));
        for (double y = 2.9; y < h; y += 0.3) p.drawRect(QRectF(0, y, w, 0.04));
        PaintDoorway(p, QRectF(w * 0.45, 0, 2.4, 2.4), Arch::Flat, QColor(70, 60, 50),
                     QColor(220, 216, 206));
        PaintWindowRow(p, 0, w, 3.6, std::max(2, int(w / 5)), 0.9, 1.0, Arch::Flat, look, 2, 2);
    };
    const Box barn{x0, z + 4, length, 9, 6.5, 0};
    const Material white{QColor(236, 232, 222), Masonry::Smooth};
    PaintBox(scene, camera, barn, white, BoxFaces{boards, {}, boards, boards, {}});
    PaintRoof(scene, camera, barn, RoofDesign{Roof::Gable, 4, kTiles, white});
    // The round kilns standing in front of the barn, each with its cowl.
    const double facing = random.Chance(0.5) ? 1 : -1;
    for (int i = 0; i < roundels; ++i) {
        const double rx = kilnsLeft ? x0 + 4 + i * spacing : x0 + length - 4 - i * spacing;
        const Round kiln{rx, z + 3.2, 3.4};
        PaintCylinder(scene, camera, kiln, 0, 7.5, kBrick);
        PaintCone(scene, camera, kiln, 7.5, 14, kTiles);
        PaintCowl(scene, camera.Project(rx, 13.4, z), camera.Scale(rx, z), facing,
                  DistanceDepth(scene.mood, z));
    }
    const bool hopsLeft = !kilnsLeft;
    PaintHopRows(scene, camera, random,
                 hopsLeft ? camera.XAt(0, 15) - 6 : camera.XAt(scene.w * 0.8, 15),
                 hopsLeft ? camera.XAt(scene.w * 0.2, 15) : camera.XAt(scene.w, 15) + 6);
    PaintGrassBlades(scene, scene.h * 0.9, scene.h, 160);
}

void PaintGlassCone(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.55, 0.62);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 2),
                        random.Jitter(0.12));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(10, 25), false});
    const double height = random.Range(28, 34);
    const double z = camera.DistanceToFit(height, scene.h * random.Range(0.04, 0.08));
    const double x = camera.XAt(scene.w * random.Range(0.42, 0.58), z);
    // The works' lower buildings and the houses of the town on either side.
    for (double hx = camera.LeftAt(z + 10); hx < camera.RightAt(z + 10); hx += 8) {
        if (std::abs(hx - x) < 16) continue;
        House house = RandomHouse(random, HouseStyle::Georgian, Box{hx, z + 8, 8, 9, 0, 0});
        PaintHouse(scene, camera, house, Frontage::Front);
    }
    const Round cone{x, z + 12, random.Range(10, 12)};
    const Material brick{random.Chance(0.5) ? QColor(160, 84, 60) : QColor(130, 70, 56),
                         Masonry::Brick};
    PaintFrustum(scene, camera, cone, 0, height, 2.8, brick);
    Round rim = cone;
    rim.radius = 3.1;
    PaintCylinder(scene, camera, rim, height - 0.2, height + 1,
                  Material{QColor(80, 50, 44), Masonry::Brick});
    const QColor door(50, 44, 40), dressing(200, 180, 150);
    PaintOnCylinder(scene, camera, cone, random.Jitter(0.3), 0, 4, 5.5,
                    [=](QPainter& p, double w, double h) {
                        PaintDoorway(p, QRectF(0, 0, w, h), Arch::Round, door, dressing);
                    });
    const OpeningLook look = WindowLook(scene, QColor(200, 180, 150));
    for (double a : {-0.7, 0.7})
        PaintOnCylinder(scene, camera, cone, a, 3, 1.6, 2.6, [=](QPainter& p, double w, double h) {
            PaintWindow(p, QRectF(0, 0, w, h), Arch::Round, look, 2, 3, false);
        });
    // The square in front, with visitors to the gallery.
    const double near = 6, far = z + 2;
    PaintFlagstones(scene, camera, near, far, 1.2, QColor(170, 162, 150));
    for (int i = 0; i < random.Int(3, 7); ++i) {
        const double pz = random.Range(near + 4, far), px = x + random.Jitter(18);
        PaintPerson(scene, random, camera.Project(px, 0, pz), camera.Scale(px, pz) * 1.75,
                    DistanceDepth(scene.mood, pz));
    }
}

}  // namespace

void PaintKilns(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x4117);
    if (scene.FormOr(random.Chance(0.5) ? kOastHouses : kGlassCone) == kOastHouses)
        PaintOastHouses(scene, random);
    else
        PaintGlassCone(scene, random);
}
