// Industry: a many-storeyed mill by its canal with the chimney smoking, or a colliery's
// winding gear over its engine house and spoil heap.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/smoke.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/water.h"

namespace {

const Material kBrick{QColor(150, 78, 58), Masonry::Brick};

// A tall tapering chimney with a cap, smoking.
void PaintChimneyStack(SceneContext& scene, const Camera& camera, double x, double z, double height,
                       double radius) {
    const Round foot{x, z, radius};
    PaintFrustum(scene, camera, foot, 0, height, radius * 0.6, kBrick);
    Round cap = foot;
    cap.radius = radius * 0.75;
    PaintCylinder(scene, camera, cap, height, height + 1.2,
                  Material{QColor(60, 50, 46), Masonry::Smooth});
    PaintSmoke(scene, camera.Project(x, height + 1.5, z), camera.Scale(x, z) * radius * 1.6,
               scene.mood.sunFromLeft ? 1 : -1, QColor(150, 146, 144));
}

// Rows and rows of windows, a storey each.
FaceDetail MillFront(const OpeningLook& look, int storeys, double storey) {
    return [=](QPainter& p, double w, double) {
        const int bays = std::max(4, static_cast<int>(w / 3.4));
        for (int s = 0; s < storeys; ++s)
            PaintWindowRow(p, 0, w, s * storey + 1.0, bays, 1.6, 2.2, Arch::Round, look, 3, 4);
        p.setBrush(QColor(0, 0, 0, 35));
        for (int s = 1; s < storeys; ++s) p.drawRect(QRectF(0, s * storey - 0.1, w, 0.2));
    };
}

void PaintMill(SceneContext& scene, const Camera& camera, SceneRandom& random) {
    const OpeningLook look = WindowLook(scene, QColor(210, 196, 170));
    const int storeys = random.Int(4, 6);
    const double storey = 3.8, height = storeys * storey + 1;
    const double length = random.Range(55, 80), z = random.Range(60, 80);
    const double x0 = camera.XAt(scene.w * random.Range(0.4, 0.6), z) - length / 2;
    const bool chimneyLeft = random.Chance(0.5);
    const double chimneyX = chimneyLeft ? x0 - 12 : x0 + length + 12;
    PaintChimneyStack(scene, camera, chimneyX, z + 10, random.Range(45, 60), 2.6);
    const Box mill{x0, z, length, 18, height, 0};
    const FaceDetail front = MillFront(look, storeys, storey);
    PaintBox(scene, camera, mill, kBrick, BoxFaces{front, {}, front, front, {}});
    PaintRoof(scene, camera, mill,
              RoofDesign{Roof::Gable, 4, Material{QColor(80, 84, 94), Masonry::Slate}, kBrick});
    // The stair and water tower rising at one end.
    const Box tower{chimneyLeft ? x0 + length - 4 : x0 - 4, z - 2, 8, 8, height + 7, 0};
    PaintBox(scene, camera, tower, kBrick,
             BoxFaces{MillFront(look, storeys + 1, storey), {}, {}, {}, {}});
    PaintRoof(scene, camera, tower,
              RoofDesign{Roof::Pyramid, 4, Material{QColor(80, 84, 94), Masonry::Slate}, kBrick});

    // The canal in front with its towpath, mirroring the mill.
    const double bankZ = z - 6, nearZ = random.Range(10, 16);
    const double far = camera.Project(0, 0, bankZ).y(), near = camera.Project(0, 0, nearZ).y();
    QPainterPath canal;
    canal.addRect(QRectF(0, far, scene.w, near - far));
    PaintStillWater(scene, canal, far, near);
    ReflectInto(scene, canal, far, 0.6);
    const Material coping{QColor(150, 144, 130), Masonry::Ashlar};
    const double left = camera.LeftAt(nearZ - 1.5), right = camera.RightAt(nearZ - 1.5);
    PaintBox(scene, camera, Box{left, nearZ - 1.5, right - left, 1.5, 0.6, -0.4}, coping);
}

// The winding gear: two legs and a braced frame carrying the great wheels.
void PaintHeadframe(SceneContext& scene, const Camera& camera, double x, double z, double height) {
    QPainter& p = scene.painter;
    const double scale = camera.Scale(x, z);
    const QColor steel = Distant(scene.mood, QColor(60, 56, 54), DistanceDepth(scene.mood, z));
    const double half = height * 0.18;
    const QPointF baseLeft = camera.Project(x - half, 0, z),
                  baseRight = camera.Project(x + half, 0, z);
    const QPointF topLeft = camera.Project(x - half * 0.35, height, z),
                  topRight = camera.Project(x + half * 0.35, height, z);
    p.setPen(QPen(steel, std::max(1.0, scale * 0.35)));
    p.drawLine(baseLeft, topLeft);
    p.drawLine(baseRight, topRight);
    // Cross bracing up the frame.
    p.setPen(QPen(steel, std::max(0.6, scale * 0.15)));
    for (int i = 0; i < 6; ++i) {
        const double t0 = i / 6.0, t1 = (i + 1) / 6.0;
        const QPointF l0 = Lerp(baseLeft, topLeft, t0), l1 = Lerp(baseLeft, topLeft, t1);
        const QPointF r0 = Lerp(baseRight, topRight, t0), r1 = Lerp(baseRight, topRight, t1);
        p.drawLine(l0, r1);
        p.drawLine(r0, l1);
        p.drawLine(l1, r1);
    }
    // The back leg strut raking down to the engine house.
    p.setPen(QPen(steel, std::max(1.0, scale * 0.3)));
    const QPointF strutFoot = camera.Project(x + height * 0.55, 0, z + 4);
    p.drawLine(Lerp(topLeft, topRight, 0.5), strutFoot);
    // Two wheels side by side at the top.
    for (double dx : {-0.25, 0.25}) {
        const QPointF hub = camera.Project(x + dx * half, height + half * 0.35, z);
        const double r = half * 0.55 * scale;
        p.setPen(QPen(steel, std::max(0.8, scale * 0.18)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(hub, r, r);
        for (int s = 0; s < 6; ++s) {
            const double a = s * kPi / 3;
            p.drawLine(hub, hub + QPointF(std::cos(a) * r, std::sin(a) * r));
        }
    }
}

void PaintColliery(SceneContext& scene, const Camera& camera, SceneRandom& random) {
    const double z = random.Range(70, 100);
    // The spoil heap: a long dark cone behind.
    const QPointF heapFoot = camera.Project(random.Range(-60, 60), 0, z + 120);
    const double heapH = camera.Scale(0, z + 120) * random.Range(25, 45);
    const QColor spoil = Distant(scene.mood, QColor(60, 58, 60), 0.4);
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(spoil);
    p.drawPolygon(
        QPolygonF({heapFoot + QPointF(-heapH * 2.2, 0), heapFoot + QPointF(-heapH * 0.2, -heapH),
                   heapFoot + QPointF(heapH * 0.3, -heapH), heapFoot + QPointF(heapH * 2.4, 0)}));
    const double x = random.Jitter(15);
    const OpeningLook look = WindowLook(scene, QColor(210, 196, 170));
    const Box engineHouse{x + 6, z + 2, 16, 12, 14, 0};
    FaceDetail tall = [look](QPainter& pp, double w, double) {
        PaintWindowRow(pp, 0, w, 2.5, std::max(2, static_cast<int>(w / 5)), 2.0, 7.0, Arch::Round,
                       look, 3, 6);
    };
    PaintBox(scene, camera, engineHouse, kBrick, BoxFaces{tall, {}, tall, tall, {}});
    PaintRoof(scene, camera, engineHouse,
              RoofDesign{Roof::Gable, 4, Material{QColor(80, 84, 94), Masonry::Slate}, kBrick});
    PaintChimneyStack(scene, camera, x + 30, z + 8, random.Range(35, 45), 2.0);
    PaintHeadframe(scene, camera, x - 6, z, random.Range(26, 34));
    // A row of miners' cottages in front.
    for (double hx = -70; hx < 70; hx += 7) {
        if (std::abs(hx - x) < 20) continue;
        House cottage = RandomHouse(random, HouseStyle::Victorian, Box{hx, z - 25, 7, 8, 0, 0});
        SetStoreys(cottage, 2);
        PaintHouse(scene, camera, cottage, Frontage::Front);
    }
}

}  // namespace

void PaintIndustry(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x1d57);
    const double horizon = scene.h * random.Range(0.55, 0.64);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 3),
                        random.Jitter(0.25));
    // Industrial air is hazier.
    scene.mood.hazeStrength = std::min(0.9, scene.mood.hazeStrength + 0.12);
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(20, 50), false});
    if (scene.FormOr(random.Chance(0.6) ? kMill : kColliery) == kMill)
        PaintMill(scene, camera, random);
    else
        PaintColliery(scene, camera, random);
    PaintGrassBlades(scene, scene.h * 0.9, scene.h, 200);
}
