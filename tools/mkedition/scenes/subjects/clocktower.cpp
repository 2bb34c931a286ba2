// Towers standing alone: a clock tower over its square, a squat round gun tower on the
// cliff, a coastguard lookout, a round dovecote with its conical roof, a radio mast on the
// hill; each far enough off that its top stands clear in the sky.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

FaceDetail ClockFace(const QColor& stone, bool lit) {
    return [=](QPainter& p, double w, double h) {
        p.setPen(Qt::NoPen);
        // Belfry openings below, the clock above them.
        const OpeningLook dark{QColor(30, 30, 34), QColor(20, 20, 24),    QColor(30, 30, 30),
                               Scaled(stone, 0.9), QColor(255, 210, 140), 0};
        PaintWindowRow(p, 0, w, h * 0.08, 2, w * 0.22, h * 0.32, Arch::Pointed, dark, 0, 0);
        const QPointF c(w / 2, h * 0.72);
        const double r = std::min(w * 0.36, h * 0.22);
        p.setBrush(QColor(60, 50, 30));
        p.drawEllipse(c, r * 1.12, r * 1.12);
        p.setBrush(lit ? QColor(255, 236, 180) : QColor(236, 230, 214));
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor(30, 30, 30), r * 0.09, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(r * 0.45, r * 0.3));
        p.drawLine(c, c + QPointF(-r * 0.1, r * 0.8));
        p.setPen(QPen(QColor(30, 30, 30), r * 0.04));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 0.82,
                       c + QPointF(std::cos(a), std::sin(a)) * r * 0.95);
        }
        // A band of panelling down the shaft.
        p.setPen(QPen(QColor(0, 0, 0, 40), w * 0.02));
        for (double x = w * 0.2; x < w; x += w * 0.3)
            p.drawLine(QPointF(x, 0), QPointF(x, h * 0.45));
    };
}

void ClockTower(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.72, 0.8);
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.9), 1.6, random.Jitter(0.15));
    scene.horizonY = horizon;
    PaintSkyline(scene, horizon, random.Range(8, 20));
    const double side = random.Range(14, 17), shaft = random.Range(55, 70), belfry = side * 1.6;
    const double total = shaft + belfry + side * 2.2;
    const double z = camera.DistanceToFit(total, scene.h * random.Range(0.06, 0.1));
    const double x = camera.XAt(scene.w * random.Range(0.42, 0.6), z) - side / 2;
    static const QColor kStones[] = {QColor(214, 196, 150), QColor(190, 180, 160),
                                     QColor(150, 90, 70)};
    const Material stone{random.Pick(kStones), Masonry::Ashlar};
    scene.painter.fillRect(QRectF(0, horizon, scene.w, scene.h - horizon),
                           Distant(scene.mood, QColor(160, 154, 144), 0.6));
    PaintFlagstones(scene, camera, 1, z + 20, 1.4, QColor(160, 154, 144));
    // The buildings the tower rises among, running off the sides of the picture.
    for (double side0 : {-1.0, 1.0}) {
        const double bx = side0 < 0 ? x - 44 : x + side + 4;
        House house = RandomHouse(random, HouseStyle::Georgian, Box{bx, z + 6, 40, 12, 14, 0});
        SetStoreys(house, 4);
        house.wall = stone;
        PaintHouse(scene, camera, house, Frontage::Front);
    }
    PaintBox(scene, camera, Box{x, z, side, side, shaft, 0}, stone);
    BoxFaces faces;
    faces.front = ClockFace(stone.colour, scene.mood.windowsLit);
    faces.left = faces.front;
    faces.right = faces.front;
    PaintBox(scene, camera, Box{x - 0.5, z - 0.5, side + 1, side + 1, belfry, shaft}, stone, faces);
    PaintRoof(
        scene, camera, Box{x - 0.5, z - 0.5, side + 1, side + 1, belfry, shaft},
        RoofDesign{Roof::Pyramid, side * 2.2, Material{QColor(70, 84, 90), Masonry::Slate}, stone});
    for (int i = 0; i < random.Int(2, 6); ++i) {
        const double pz = random.Range(8, z - 4);
        const double px = camera.XAt(scene.w * random.Range(0.1, 0.9), pz);
        PaintPerson(scene, random, camera.Project(px, 0, pz), camera.Scale(px, pz) * 1.75, 0);
    }
}

void RoundTower(SceneContext& scene, SceneRandom& random, bool dovecote) {
    const double horizon = scene.h * random.Range(0.58, 0.66);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, 0);
    scene.horizonY = horizon;
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(10, 30), dovecote});
    const double radius = dovecote ? random.Range(3.5, 4.5) : random.Range(6, 8);
    const double height = dovecote ? random.Range(6, 8) : random.Range(9, 12);
    const double top = height + (dovecote ? radius * 1.4 : 1.2);
    const double z = camera.DistanceToFit(top, scene.h * random.Range(0.18, 0.26));
    const Round round{camera.XAt(scene.w * random.Range(0.4, 0.6), z), z, radius};
    const Material stone{dovecote ? QColor(200, 186, 160) : QColor(176, 160, 136), Masonry::Rubble};
    PaintCylinder(scene, camera, round, 0, height, stone);
    if (dovecote) {
        PaintCone(scene, camera, round, height, height + radius * 1.3,
                  Material{QColor(120, 84, 64), Masonry::Smooth});
        PaintCylinder(scene, camera, Round{round.x, round.z, radius * 0.25}, height + radius * 1.1,
                      height + radius * 1.5, stone);
        PaintOnCylinder(scene, camera, round, 0, 0, 1.0, 2.0, [](QPainter& p, double w, double h) {
            p.fillRect(QRectF(0, 0, w, h), QColor(50, 40, 30));
        });
    } else {
        PaintRoundBattlements(scene, camera, round, height, stone, 1.0);
        PaintOnCylinder(scene, camera, round, 0.3, height * 0.55, 0.6, 1.0,
                        [](QPainter& p, double w, double h) {
                            p.fillRect(QRectF(0, 0, w, h), QColor(30, 28, 26));
                        });
    }
    PaintGrassBlades(scene, scene.h * 0.85, scene.h, 400);
}

void Lookout(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.55, 0.62);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, random.Jitter(0.3));
    scene.horizonY = horizon;
    PaintBackdrop(scene, horizon, BackdropStyle{true, 10, false});
    const double z = camera.DistanceToFit(9, scene.h * 0.25);
    const double x = camera.XAt(scene.w * random.Range(0.4, 0.6), z);
    const Material white{QColor(240, 238, 230), Masonry::Smooth};
    PaintBox(scene, camera, Box{x - 3, z, 6, 5, 3, 0}, white);
    PaintBox(scene, camera, Box{x - 2, z + 1, 4, 3, 4.2, 3}, white);
    BoxFaces glass;
    glass.front = [](QPainter& p, double w, double h) {
        p.fillRect(QRectF(0.2, h * 0.25, w - 0.4, h * 0.55), QColor(60, 80, 100));
    };
    glass.left = glass.front;
    glass.right = glass.front;
    PaintBox(scene, camera, Box{x - 2.4, z + 0.6, 4.8, 3.8, 2.4, 7.2}, white, glass);
    PaintRoof(scene, camera, Box{x - 2.4, z + 0.6, 4.8, 3.8, 2.4, 7.2},
              RoofDesign{Roof::Hip, 1.0, Material{QColor(40, 50, 60), Masonry::Smooth}, white});
    PaintGrassBlades(scene, scene.h * 0.8, scene.h, 500);
    PaintFlowers(scene, scene.h * 0.8, scene.h, 60);
}

void Mast(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.7, 0.78);
    scene.horizonY = horizon;
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(20, 40), true});
    QPainter& p = scene.painter;
    const double x = scene.w * random.Range(0.4, 0.6);
    const double foot = horizon + 2 * scene.u, top = scene.h * random.Range(0.05, 0.1);
    const double half = (foot - top) * 0.045;
    const QColor steel = Distant(scene.mood, QColor(70, 70, 76), 0.3);
    p.setPen(QPen(steel, std::max(1.0, 1.4 * scene.u)));
    p.drawLine(QPointF(x - half, foot), QPointF(x, top));
    p.drawLine(QPointF(x + half, foot), QPointF(x, top));
    // The lattice between the legs, and the stays fanning out to the ground.
    p.setPen(QPen(steel, std::max(1.0, 0.6 * scene.u)));
    for (double f = 0; f < 0.97; f += 0.035) {
        const double y0 = foot + (top - foot) * f, y1 = foot + (top - foot) * (f + 0.035);
        const double w0 = half * (1 - f), w1 = half * (1 - f - 0.035);
        p.drawLine(QPointF(x - w0, y0), QPointF(x + w1, y1));
        p.drawLine(QPointF(x + w0, y0), QPointF(x - w1, y1));
    }
    p.setPen(QPen(WithAlpha(steel, 120), std::max(1.0, 0.5 * scene.u)));
    for (double f : {0.35, 0.65, 0.9})
        for (double side : {-1.0, 1.0})
            p.drawLine(QPointF(x, foot + (top - foot) * f),
                       QPointF(x + side * (foot - top) * 0.55 * f, foot));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 30));
    p.drawEllipse(QPointF(x, top), 2.2 * scene.u, 2.2 * scene.u);
    PaintGrassBlades(scene, scene.h * 0.88, scene.h, 300);
}

}  // namespace

void PaintClockTower(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xc10c);
    switch (scene.FormOr(random.Int(0, kMast))) {
        case kRoundTower:
            RoundTower(scene, random, false);
            break;
        case kDovecote:
            RoundTower(scene, random, true);
            break;
        case kLookout:
            Lookout(scene, random);
            break;
        case kMast:
            Mast(scene, random);
            break;
        default:
            ClockTower(scene, random);
            break;
    }
}
