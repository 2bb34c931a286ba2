// Mills worked by wind and tide: a black post mill turned to the wind on its trestle, its sails
// spread, and a white weatherboarded tide mill astride the dam of its pond, the wheel at its end.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Horizontal boarding on a face, and a window or two.
FaceDetail Weatherboard(const OpeningLook& look, int windows) {
    return [=](QPainter& p, double w, double h) {
        p.setBrush(QColor(0, 0, 0, 45));
        for (double y = 0.25; y < h; y += 0.25) p.drawRect(QRectF(0, y, w, 0.04));
        for (int i = 0; i < windows; ++i)
            PaintWindow(p, QRectF(w * (i + 0.5) / windows - 0.5, h * 0.45, 1.0, 1.1), Arch::Flat,
                        look, 2, 2, false);
    };
}

// Four sails on their stocks, turned to angle: white lattice frames, some with cloth spread.
FaceDetail Sails(double angle, double radius, bool cloth, const QColor& frame) {
    return [=](QPainter& p, double w, double h) {
        p.translate(w / 2, h / 2);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.rotate((angle + i * kPi / 2) * 180 / kPi);
            p.setPen(QPen(Scaled(frame, 0.6), radius * 0.03));
            p.drawLine(QPointF(0, 0), QPointF(0, radius));
            const QRectF sail(radius * 0.02, radius * 0.18, radius * 0.2, radius * 0.82);
            if (cloth) p.fillRect(sail, WithAlpha(QColor(236, 228, 206), 220));
            p.setPen(QPen(frame, radius * 0.012));
            p.setBrush(Qt::NoBrush);
            p.drawRect(sail);
            for (double y = sail.top(); y < sail.bottom(); y += radius * 0.06)
                p.drawLine(QPointF(sail.left(), y), QPointF(sail.right(), y));
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 36, 32));
        p.drawEllipse(QPointF(0, 0), radius * 0.05, radius * 0.05);
    };
}

void PaintPostMill(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.6, 0.7);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.4, 1.8),
                        random.Jitter(0.1));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(8, 18), random.Chance(0.6)});
    const double radius = random.Range(10, 12), body = 8, base = 5.5;
    const double z =
        camera.DistanceToFit(base + body + radius * 0.6, scene.h * random.Range(0.05, 0.1));
    const double x = camera.XAt(scene.w * random.Range(0.42, 0.58), z);
    const Material tar{QColor(44, 42, 40), Masonry::Smooth};
    const OpeningLook look = WindowLook(scene, QColor(220, 214, 200));
    // The tail pole and ladder running down behind to the ground.
    const bool tailRight = random.Chance(0.5);
    QPainter& p = scene.painter;
    const double scale = camera.Scale(x, z);
    p.setPen(QPen(Distant(scene.mood, QColor(60, 52, 44), 0.1), std::max(1.5, scale * 0.35)));
    const QPointF ladderTop = camera.Project(x + (tailRight ? 2 : -2), base + 0.5, z + 4);
    const QPointF ladderFoot = camera.Project(x + (tailRight ? 6.5 : -6.5), 0, z + 6);
    p.drawLine(ladderTop, ladderFoot);
    p.setPen(Qt::NoPen);
    // The roundhouse sheltering the trestle, and the body turning on the post above it.
    const Round roundhouse{x, z + 2, 4};
    PaintCylinder(scene, camera, roundhouse, 0, 3.2,
                  random.Chance(0.5) ? Material{QColor(150, 82, 60), Masonry::Brick} : tar);
    PaintCone(scene, camera, roundhouse, 3.2, 4.8, Material{QColor(60, 58, 56), Masonry::Slate});
    const Box buck{x - 3, z, 6, 6.5, body, base};
    PaintBox(scene, camera, buck, tar,
             BoxFaces{Weatherboard(look, 1), {}, Weatherboard(look, 1), Weatherboard(look, 1), {}});
    PaintRoof(scene, camera, buck, RoofDesign{Roof::GableEndOn, 2.2, tar, tar});
    // The sails on the windshaft at the front, turned at their own angle.
    const double hubY = base + body - 1;
    const bool cloth = random.Chance(0.5);
    PaintDecal(scene, camera, {x - radius, hubY - radius, z - 1},
               {x + radius, hubY - radius, z - 1}, radius * 2,
               Sails(random.Range(0, kPi / 2), radius, cloth, QColor(236, 232, 222)));
    PaintFence(scene, camera, camera.LeftAt(z - 20), camera.RightAt(z - 20), z - 20);
    PaintGrassBlades(scene, scene.h * 0.86, scene.h, 220);
    PaintFlowers(scene, horizon + (scene.h - horizon) * 0.4, scene.h, 60);
}

// A waterwheel's spokes and paddles, the half below the waterline hidden.
FaceDetail Waterwheel(double radius, double waterline) {
    return [=](QPainter& p, double w, double) {
        const QPointF hub(w / 2, radius + 0.3);
        p.save();
        p.setClipRect(QRectF(0, waterline, w, radius * 3));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 46, 34), 0.25));
        p.drawEllipse(hub, radius, radius);
        p.drawEllipse(hub, radius * 0.8, radius * 0.8);
        for (int i = 0; i < 16; ++i) {
            const double a = i * kPi / 8;
            const QPointF dir(std::cos(a), std::sin(a));
            p.drawLine(hub + dir * radius * 0.8, hub + dir * radius * 1.08);
            if (i % 2 == 0) p.drawLine(hub, hub + dir * radius * 0.8);
        }
        p.restore();
    };
}

void PaintTideMill(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.52, 0.6);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.3, 1.8),
                        random.Jitter(0.15));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(8, 18), true});
    const double plinth = 3, walls = random.Range(9, 11), length = random.Range(10, 12);
    const double z = camera.DistanceToFit(plinth + walls + 4, scene.h * random.Range(0.14, 0.2));
    const bool wheelRight = random.Chance(0.5);
    const double x = camera.XAt(scene.w * (wheelRight ? 0.4 : 0.6), z) - length / 2;
    const QColor boards = random.Chance(0.7) ? QColor(236, 232, 220) : QColor(60, 56, 50);
    const OpeningLook look = WindowLook(scene, QColor(230, 226, 214));
    // The pond or creek in front, right up to the viewer.
    const double waterline = camera.Project(0, 0, z - 1).y();
    QPainterPath water;
    water.addRect(QRectF(0, waterline, scene.w, scene.h - waterline));
    // The brick plinth on the dam, its arches letting the tide through.
    const Material brick{QColor(150, 84, 62), Masonry::Brick};
    const FaceDetail sluices = [](QPainter& p, double w, double h) {
        for (double cx = w * 0.2; cx < w; cx += w * 0.3)
            PaintDoorway(p, QRectF(cx - 1.2, 0, 2.4, h * 0.8), Arch::Round, QColor(30, 34, 30),
                         QColor(170, 110, 80));
    };
    // The dam across the creek, grassed over, that holds the pond behind the mill.
    const double damLeft = camera.LeftAt(z + 2), damRight = camera.RightAt(z + 2);
    PaintBox(scene, camera, Box{damLeft, z + 2, damRight - damLeft, 6, 1.2, -1},
             Material{Scaled(scene.mood.grass, 0.9), Masonry::Smooth});
    PaintBox(scene, camera, Box{x - 4, z, length + 8, 5, plinth + 1, -1}, brick,
             BoxFaces{sluices, {}, {}, {}, {}});
    const Box mill{x, z + 0.5, length, 10, walls, plinth};
    PaintBox(scene, camera, mill, Material{boards, Masonry::Smooth},
             BoxFaces{Weatherboard(look, 4), {}, Weatherboard(look, 2), Weatherboard(look, 2), {}});
    PaintRoof(scene, camera, mill,
              RoofDesign{Roof::Gable, 4.5, Material{QColor(150, 80, 56), Masonry::Slate},
                         Material{boards, Masonry::Smooth}});
    // The lucam jutting from the roof over the loading doors.
    const Box lucam{x + length * 0.45, z - 0.7, 2.6, 1.6, 3, plinth + walls - 1};
    PaintBox(scene, camera, lucam, Material{boards, Masonry::Smooth});
    PaintRoof(scene, camera, lucam,
              RoofDesign{Roof::GableEndOn, 1.2, Material{QColor(150, 80, 56), Masonry::Slate},
                         Material{boards, Masonry::Smooth}});
    PaintStillWater(scene, water, waterline, scene.h);
    ReflectInto(scene, water, waterline, 0.6);
    const double wheel = random.Range(3, 4);
    const double wx = wheelRight ? x + length + 1 : x - 1 - wheel * 2.4;
    PaintDecal(scene, camera, {wx, -1, z - 0.8}, {wx + wheel * 2.4, -1, z - 0.8}, wheel * 2.4,
               Waterwheel(wheel, 1.0));
    PaintGrassBlades(scene, scene.h * 0.93, scene.h, 90);
}

}  // namespace

void PaintMills(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x3111);
    if (scene.FormOr(random.Chance(0.5) ? kPostMill : kTideMill) == kPostMill)
        PaintPostMill(scene, random);
    else
        PaintTideMill(scene, random);
}
