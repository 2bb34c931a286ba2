// Shipyards: a naval dockyard with a ship of the line alongside its storehouses, an iron
// warship at her berth, a fishing yard with a hull on the stocks, and sailing barges on the
// hard of an estuary.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/riverworks.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/ships.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/water.h"

namespace {

const Material kStone{QColor(176, 166, 146), Masonry::Ashlar};

// Ranges of storehouses along the back of the yard at depth z, with a gap here and there.
void PaintYardBuildings(SceneContext& scene, const Camera& camera, SceneRandom& random, double z) {
    for (double x = camera.LeftAt(z); x < camera.RightAt(z);) {
        const double length = random.Range(30, 70);
        const int storeys = random.Int(2, 4);
        PaintStorehouse(scene, camera, random,
                        Box{x, z + random.Range(0, 15), length, 14, storeys * 4.2, 0}, storeys,
                        random.Chance(0.3));
        x += length + random.Range(4, 25);
    }
}

// The dockyard's old round tower guarding the harbour mouth.
void PaintRoundTower(SceneContext& scene, const Camera& camera, double x, double z) {
    const Round tower{x, z, 7};
    PaintCylinder(scene, camera, tower, 0, 16, kStone);
    PaintRoundBattlements(scene, camera, tower, 16, kStone, 1.2);
}

void PaintPeopleAlong(SceneContext& scene, const Camera& camera, SceneRandom& random, double x0,
                      double x1, double z, double y, int count) {
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(x0, x1), pz = z + random.Jitter(1.5);
        PaintPerson(scene, random, camera.Project(x, y, pz), camera.Scale(x, pz) * 1.75,
                    DistanceDepth(scene.mood, pz));
    }
}

void PaintDockyard(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.4, 0.48);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(4, 8),
                        random.Jitter(0.12));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(10, 30), false});
    const double quayZ = random.Range(110, 150);
    PaintYardBuildings(scene, camera, random, quayZ + 12);
    const bool towerLeft = random.Chance(0.5);
    if (random.Chance(0.6))
        PaintRoundTower(scene, camera, camera.XAt(scene.w * (towerLeft ? 0.08 : 0.92), quayZ),
                        quayZ + 4);
    for (int i = 0; i < random.Int(1, 3); ++i)
        PaintJibCrane(scene, camera,
                      Vec3{camera.XAt(scene.w * random.Range(0.1, 0.9), quayZ), 3, quayZ + 2},
                      random.Range(10, 16), random.Chance(0.5));
    PaintQuayAndWater(scene, camera, quayZ, 3);
    // The ship of the line lying alongside, filling the middle of the view.
    const double shipZ = quayZ - random.Range(14, 24);
    const double length = random.Range(55, 65);
    PaintShip(scene, camera, ShipKind::ShipOfTheLine,
              ShipPlacing{{camera.XAt(scene.w * random.Range(0.42, 0.58), shipZ), 0, shipZ},
                          length,
                          random.Chance(0.5),
                          true,
                          false,
                          0});
}

void PaintWarship(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.46, 0.54);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(3, 5),
                        random.Jitter(0.08));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(10, 25), false});
    // She fills most of the width: her berth is as far off as that takes.
    const double length = random.Range(110, 125);
    const double shipZ = length * camera.Focal() / (scene.w * random.Range(0.85, 1.0));
    PaintYardBuildings(scene, camera, random, shipZ + 25);
    PaintJibCrane(scene, camera, Vec3{camera.XAt(scene.w * 0.1, shipZ + 14), 3, shipZ + 14}, 18,
                  true);
    PaintQuayAndWater(scene, camera, shipZ + 12, 3);
    const double x = camera.XAt(scene.w * random.Range(0.46, 0.54), shipZ);
    const bool facingRight = random.Chance(0.5);
    PaintShip(scene, camera, ShipKind::Ironclad,
              ShipPlacing{{x, 0, shipZ}, length, facingRight, true, false, 0});
    // Visitors on her deck and on the quay in front.
    PaintPeopleAlong(scene, camera, random, x - length * 0.4, x + length * 0.4, shipZ,
                     length * 0.085, random.Int(6, 14));
    const double nearZ = random.Range(16, 22);
    QPainter& p = scene.painter;
    const double edge = camera.Project(0, 0, nearZ).y();
    QLinearGradient paving(0, edge, 0, scene.h);
    paving.setColorAt(0, Lit(scene.mood, QColor(170, 160, 144)));
    paving.setColorAt(1, Scaled(Lit(scene.mood, QColor(160, 150, 134)), 0.8));
    p.fillRect(QRectF(0, edge, scene.w, scene.h - edge), paving);
    p.fillRect(QRectF(0, edge, scene.w, 3 * scene.u), Lit(scene.mood, QColor(200, 192, 176)));
    PaintPeopleAlong(scene, camera, random, camera.XAt(0, nearZ - 3),
                     camera.XAt(scene.w, nearZ - 3), nearZ - 3, 0, random.Int(2, 5));
}

// Upright poles and planks round a hull on the stocks, for the shipwrights to work from.
void PaintStaging(SceneContext& scene, const Camera& camera, double x0, double x1, double z,
                  double height) {
    QPainter& p = scene.painter;
    const double scale = camera.Scale(x0, z);
    const QColor pole = Distant(scene.mood, QColor(150, 120, 84), DistanceDepth(scene.mood, z));
    p.setPen(QPen(pole, std::max(0.8, scale * 0.2)));
    for (double x = x0; x <= x1; x += 4.5)
        p.drawLine(camera.Project(x, 0, z), camera.Project(x, height, z));
    p.setPen(QPen(pole, std::max(1.0, scale * 0.3)));
    for (double y = height * 0.4; y < height; y += height * 0.35)
        p.drawLine(camera.Project(x0, y, z), camera.Project(x1, y, z));
    p.setPen(Qt::NoPen);
}

void PaintBoatyard(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.44, 0.52);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.7, 3),
                        random.Jitter(0.15));
    PaintBackdrop(scene, horizon, BackdropStyle{true, random.Range(10, 25), false});
    // The building sheds behind, one with its end open on the slip.
    const double shedZ = random.Range(70, 95);
    const Material boards{QColor(70, 66, 60), Masonry::Smooth};
    const Material iron{QColor(120, 110, 100), Masonry::Slate};
    for (int i = 0; i < 3; ++i) {
        const double x = camera.XAt(scene.w * (0.1 + 0.35 * i), shedZ) + random.Jitter(6);
        const Box shed{x - 9, shedZ + random.Range(0, 12), 18, 30, random.Range(9, 13), 0};
        PaintBox(scene, camera, shed, boards);
        PaintRoof(scene, camera, shed, RoofDesign{Roof::GableEndOn, 5, iron, boards});
    }
    // The yard: trodden earth and chips of timber.
    QPainter& p = scene.painter;
    const double yardTop = camera.Project(0, 0, shedZ).y();
    QLinearGradient ground(0, yardTop, 0, scene.h);
    ground.setColorAt(0, Distant(scene.mood, QColor(120, 104, 84), 0.3));
    ground.setColorAt(1, Scaled(Lit(scene.mood, QColor(130, 112, 90)), 0.8));
    p.fillRect(QRectF(0, yardTop, scene.w, scene.h - yardTop), ground);
    SceneRandom chips = random.Fork(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 500; ++i) {
        const double f = chips.Unit(), y = Lerp(yardTop, scene.h, f * f);
        p.setBrush(WithAlpha(chips.Chance(0.5) ? QColor(200, 170, 120) : QColor(60, 50, 40), 60));
        p.drawEllipse(QPointF(chips.Range(0, scene.w), y), 1 + 5 * f * scene.u,
                      0.5 + 1.5 * f * scene.u);
    }
    // The hull on the stocks, keel on its blocks, leaning down the slip towards the water.
    const double z = random.Range(32, 45), length = random.Range(24, 30);
    const double x = camera.XAt(scene.w * random.Range(0.4, 0.6), z);
    const bool facingRight = random.Chance(0.5);
    for (double bx = x - length * 0.4; bx <= x + length * 0.4; bx += length * 0.13)
        PaintBox(scene, camera, Box{bx - 0.4, z - 0.4, 0.8, 0.8, 1.2, 0},
                 Material{QColor(110, 84, 60), Masonry::Smooth});
    PaintStaging(scene, camera, x - length * 0.55, x + length * 0.55, z + 3, length * 0.22);
    PaintShip(scene, camera, ShipKind::Drifter,
              ShipPlacing{{x, 1.2, z}, length, facingRight, false, false, 0.03});
    PaintStaging(scene, camera, x - length * 0.5, x + length * 0.5, z - 2.5, length * 0.2);
    PaintPeopleAlong(scene, camera, random, x - length * 0.6, x + length * 0.6, z - 4, 0,
                     random.Int(2, 5));
    // Baulks of timber stacked in the foreground.
    const double stackX = camera.XAt(scene.w * (facingRight ? 0.12 : 0.88), 20);
    for (int i = 0; i < 3; ++i)
        PaintBox(scene, camera, Box{stackX - 2.5, 20 + i * 0.1, 5, 1.2, 0.4, i * 0.4},
                 Material{QColor(170, 130, 84), Masonry::Smooth});
}

void PaintBargesOnHard(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.55, 0.6);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 2.4),
                        random.Jitter(0.15));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(6, 14), true});
    // The estuary: wide water out to the low far shore.
    const double farShore = horizon + random.Range(4, 8) * scene.u;
    QPainterPath estuary;
    estuary.addRect(QRectF(0, farShore, scene.w, scene.h - farShore));
    PaintStillWater(scene, estuary, farShore, scene.h);
    // One barge under sail out in the channel.
    const double channelZ = random.Range(180, 260);
    PaintShip(scene, camera, ShipKind::SailingBarge,
              ShipPlacing{{camera.XAt(scene.w * random.Range(0.15, 0.85), channelZ), 0, channelZ},
                          26,
                          random.Chance(0.5),
                          true,
                          true,
                          0});
    // The hard: shingle from the tide line to the viewer, the barges sitting on it.
    const double hardZ = random.Range(95, 120);
    SceneRandom stones = random.Fork(3);
    PaintShingle(scene, stones, camera.Project(0, 0, hardZ).y(), random.Jitter(10) * scene.u);
    const int barges = random.Int(2, 3);
    for (int i = 0; i < barges; ++i) {
        const double z = hardZ - 6 - i * random.Range(10, 16);
        const double share = barges == 2 ? 0.3 + 0.4 * i : 0.2 + 0.3 * i;
        PaintShip(scene, camera, ShipKind::SailingBarge,
                  ShipPlacing{{camera.XAt(scene.w * (share + random.Jitter(0.05)), z), 0, z},
                              random.Range(24, 28),
                              random.Chance(0.5),
                              false,
                              random.Chance(0.3),
                              0});
    }
    PaintPeopleAlong(scene, camera, random, -15, 15, hardZ - 40, 0, random.Int(1, 3));
}

}  // namespace

void PaintShipyard(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0x5b1d);
    switch (scene.FormOr(random.Int(kDockyard, kBargesOnHard))) {
        case kWarship:
            PaintWarship(scene, random);
            break;
        case kBoatyard:
            PaintBoatyard(scene, random);
            break;
        case kBargesOnHard:
            PaintBargesOnHard(scene, random);
            break;
        default:
            PaintDockyard(scene, random);
            break;
    }
}
