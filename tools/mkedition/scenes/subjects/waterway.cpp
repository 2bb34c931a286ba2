// Works on a river or canal: stone stairs down the river wall to the water, a canal lock with
// its gates and balance beams, an iron swing bridge turned for a ship, the steel-hooded piers
// of a flood barrier, and brick warehouses along a waterfront.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/boats.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/riverworks.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/ships.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/water.h"

namespace {

const Material kStone{QColor(180, 170, 150), Masonry::Ashlar};

void PaintPerson3d(SceneContext& scene, const Camera& camera, SceneRandom& random, Vec3 foot) {
    PaintPerson(scene, random, camera.Project(foot), camera.Scale(foot.x, foot.z) * 1.75,
                DistanceDepth(scene.mood, foot.z));
}

// A ground-level quadrilateral filled as water, far edge first.
QPainterPath WaterBetween(const Camera& camera, double x0, double x1, double y, double z0,
                          double z1) {
    QPainterPath area;
    area.addPolygon(QPolygonF({camera.Project(x0, y, z0), camera.Project(x1, y, z0),
                               camera.Project(x1, y, z1), camera.Project(x0, y, z1)}));
    area.closeSubpath();
    return area;
}

// A terrace of town houses standing on the embankment at height base.
void PaintBankHouses(SceneContext& scene, const Camera& camera, SceneRandom& random, double z,
                     double base) {
    const HouseStyle style = RandomHouseStyle(random, std::max(scene.year, 1700));
    for (double x = camera.LeftAt(z); x < camera.RightAt(z);) {
        const double width = random.Range(6, 10);
        House house = RandomHouse(random, style, Box{x, z + random.Range(0, 3), width, 9, 0, base});
        SetStoreys(house, random.Int(3, 4));
        PaintHouse(scene, camera, house, Frontage::Front);
        x += width;
    }
}

// Stone steps cut down the face of the river wall, seen from a boat on the river: one flight,
// or a pair meeting at a landing for the state stairs.
void PaintRiverStairs(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.36, 0.44);
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.95), random.Range(1.4, 2.2),
                        random.Jitter(0.1));
    PaintSkyline(scene, horizon, random.Range(8, 20));
    const double wallZ = random.Range(24, 30), wallH = random.Range(4.5, 6.5);
    PaintBankHouses(scene, camera, random, wallZ + random.Range(8, 14), wallH);
    PaintQuayAndWater(scene, camera, wallZ, wallH);
    const bool pair = random.Chance(0.5);
    const int steps = static_cast<int>(wallH / 0.3);
    const double tread = 0.5, out = random.Range(3.4, 4.4);
    const double centre = camera.XAt(scene.w * random.Range(0.4, 0.6), wallZ);
    const double landing = pair ? 6 : 4;
    // The landing at the foot, awash at its edge.
    const Box foot{centre - landing / 2, wallZ - out - 2, landing, out + 2, 0.5, -0.5};
    std::vector<Box> treads;
    for (int i = 0; i < steps; ++i) {
        const double height = wallH - (i + 1) * (wallH - 0.5) / steps;
        const double fromLanding = (steps - i) * tread;
        treads.push_back(Box{centre + landing / 2 + fromLanding - tread, wallZ - out, tread, out,
                             height + 0.5, -0.5});
        if (pair)
            treads.push_back(Box{centre - landing / 2 - fromLanding, wallZ - out, tread, out,
                                 height + 0.5, -0.5});
    }
    // Outer steps first: those nearer the middle of the view hide their sides.
    std::sort(treads.begin(), treads.end(), [&](const Box& a, const Box& b) {
        return std::abs(camera.Project(a.x, 0, a.z).x() - scene.w / 2) >
               std::abs(camera.Project(b.x, 0, b.z).x() - scene.w / 2);
    });
    for (const Box& step : treads) PaintBox(scene, camera, step, kStone);
    PaintBox(scene, camera, foot, kStone);
    // The waterline's dark wet band along the foot of the steps.
    QPainter& p = scene.painter;
    const QPointF a = camera.Project(foot.x - steps * tread * (pair ? 1 : 0), 0.3, wallZ - out),
                  b = camera.Project(foot.x + landing + steps * tread, 0.3, wallZ - out);
    p.fillRect(QRectF(a.x(), a.y(), b.x() - a.x(), camera.Project(0, 0, wallZ - out).y() - a.y()),
               QColor(40, 50, 40, 110));
    // Iron rails along the outer edge of each flight, lamps at their heads.
    p.setPen(QPen(QColor(30, 32, 34), std::max(1.0, camera.Scale(centre, wallZ) * 0.08)));
    for (double side : pair ? std::vector<double>{-1, 1} : std::vector<double>{1}) {
        const double top = centre + side * (landing / 2 + steps * tread);
        p.drawLine(camera.Project(centre + side * landing / 2, 1.5, wallZ - out),
                   camera.Project(top, wallH + 1.0, wallZ - out));
        PaintLampPost(scene, camera, Vec3{top + side * 0.6, wallH, wallZ - out + 0.3});
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < random.Int(1, 4); ++i) {
        const int at = random.Int(0, steps - 1);
        const double side = pair && random.Chance(0.5) ? -1 : 1;
        const double height = wallH - (at + 1) * (wallH - 0.5) / steps;
        PaintPerson3d(scene, camera, random,
                      Vec3{centre + side * (landing / 2 + (steps - at) * tread), height + 0.5,
                           wallZ - out / 2});
    }
    // The ferry launch or the barge lying at the landing.
    const double boatSide = random.Chance(0.5) ? -1 : 1;
    PaintBoat(scene, camera, random,
              Vec3{centre + boatSide * (landing / 2 + steps * tread + 5), 0, wallZ - out - 4},
              random.Range(7, 10), BoatKind::Fishing);
}

// One lock gate across the chamber with its balance beams over the banks.
void PaintLockGate(SceneContext& scene, const Camera& camera, double x0, double x1, double z,
                   double floor) {
    const Material oak{QColor(70, 56, 44), Masonry::Smooth};
    const FaceDetail planks = [](QPainter& p, double w, double h) {
        p.setBrush(QColor(0, 0, 0, 60));
        for (double y = 0.6; y < h; y += 0.6) p.drawRect(QRectF(0, y, w, 0.08));
        p.drawRect(QRectF(w / 2 - 0.08, 0, 0.16, h));
    };
    PaintBox(scene, camera, Box{x0, z, x1 - x0, 0.6, 1.1 - floor, floor}, oak,
             BoxFaces{planks, planks, {}, {}, {}});
    const Material black{QColor(30, 30, 32), Masonry::Smooth};
    const Material white{QColor(236, 234, 226), Masonry::Smooth};
    for (double side : {-1.0, 1.0}) {
        const double root = side < 0 ? x0 : x1;
        const double tip = root + side * 6.5;
        PaintBox(scene, camera, Box{std::min(root, tip), z + 0.1, 6.5, 0.45, 0.45, 0.75}, black);
        PaintBox(scene, camera, Box{side < 0 ? tip : tip - 1.2, z + 0.09, 1.2, 0.47, 0.47, 0.74},
                 white);
        // The paddle gear: a post with its rack and the keeper's windlass.
        PaintBox(scene, camera, Box{root - side * 1.2 - 0.2, z - 0.4, 0.4, 0.4, 1.3, 0}, black);
    }
}

// Looking along a lock from its side: the chamber walls dropping to the water, the gates at
// the far end, the keeper's cottage, the river or basin beyond.
void PaintLock(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.42, 0.5);
    const double side = random.Chance(0.5) ? -1 : 1;
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.95), random.Range(2.4, 3.4),
                        side * random.Range(0.05, 0.12));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(10, 25), true});
    const double cx = side * random.Range(2.2, 3.2), half = random.Range(2.6, 3.4);
    const double x0 = cx - half, x1 = cx + half;
    const double zNear = 3, zGate = random.Range(22, 30);
    const bool full = random.Chance(0.35);
    const double water = full ? -0.5 : -random.Range(2.4, 3.2);
    // The canal or basin beyond the gates, at the upper level.
    const double farZ = zGate + random.Range(120, 220);
    QPainterPath pound = WaterBetween(camera, x0 - 4, x1 + 4, -0.4, zGate + 0.6, farZ);
    PaintStillWater(scene, pound, camera.Project(0, 0, farZ).y(), camera.Project(0, 0, zGate).y());
    // The keeper's cottage beside the top gates.
    House cottage = RandomHouse(random, HouseStyle::Cottage,
                                Box{side > 0 ? x1 + 5 : x0 - 13, zGate - 4, 8, 6, 0, 0});
    SetStoreys(cottage, 2);
    PaintHouse(scene, camera, cottage, side > 0 ? Frontage::Left : Frontage::Right);
    PaintLockGate(scene, camera, x0, x1, zGate, water - 0.5);
    // The chamber: water low between the wet walls.
    QPainterPath chamber = WaterBetween(camera, x0, x1, water, zNear, zGate);
    PaintStillWater(scene, chamber, camera.Project(cx, water, zGate).y(), scene.h);
    const Material wall{QColor(150, 136, 116), Masonry::Ashlar};
    PaintPlane(scene, camera,
               {{x0, water, zNear}, {x0, water, zGate}, {x0, 0, zGate}, {x0, 0, zNear}}, wall);
    PaintPlane(scene, camera,
               {{x1, water, zGate}, {x1, water, zNear}, {x1, 0, zNear}, {x1, 0, zGate}}, wall);
    ReflectInto(scene, chamber, camera.Project(cx, water, zGate).y(), 0.4);
    // Coping stones along both edges, white-edged as locks are.
    const Material coping{QColor(210, 206, 196), Masonry::Smooth};
    PaintBox(scene, camera, Box{x0 - 0.7, zNear, 0.7, zGate - zNear, 0.25, 0}, coping);
    PaintBox(scene, camera, Box{x1, zNear, 0.7, zGate - zNear, 0.25, 0}, coping);
    if (random.Chance(0.6))
        PaintPerson3d(scene, camera, random, Vec3{side > 0 ? x1 + 2 : x0 - 2, 0, zGate - 2});
    if (scene.coastal || random.Chance(0.5))
        PaintBoat(scene, camera, random, Vec3{cx, -0.4, zGate + 30}, 9, BoatKind::Fishing);
}

// An iron lattice girder in its own plane: chords, posts and crossed diagonals.
FaceDetail LatticeGirder(const QColor& paint) {
    return [paint](QPainter& p, double w, double h) {
        p.setBrush(paint);
        p.drawRect(QRectF(0, 0, w, 0.5));
        p.drawRect(QRectF(0, h - 0.45, w, 0.45));
        const double bay = h * 0.9;
        p.setPen(QPen(paint, 0.22));
        for (double x = 0; x <= w + 0.01; x += bay) {
            p.drawLine(QPointF(x, 0), QPointF(x, h));
            if (x + bay <= w + 0.01) {
                p.drawLine(QPointF(x, 0), QPointF(x + bay, h));
                p.drawLine(QPointF(x, h), QPointF(x + bay, 0));
            }
        }
        p.setPen(Qt::NoPen);
    };
}

void PaintSwingBridge(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.44, 0.52);
    const bool open = random.Chance(0.7);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(2, 3),
                        random.Jitter(0.1));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(8, 20), true});
    // The creek runs across the view between wharves.
    const double nearBank = random.Range(11, 15), farBank = nearBank + random.Range(30, 40);
    PaintStorehouse(scene, camera, random,
                    Box{camera.XAt(scene.w * random.Range(0.05, 0.5), farBank + 10), farBank + 10,
                        random.Range(30, 45), 14, 12, 0},
                    3, true);
    const double left = camera.LeftAt(farBank) - 60, right = camera.RightAt(farBank) + 60;
    PaintBox(scene, camera, Box{left, farBank, right - left, 6, 2.5, -1.5}, kStone);
    QPainterPath creek = WaterBetween(camera, left, right, 0, nearBank, farBank);
    PaintStillWater(scene, creek, camera.Project(0, 0, farBank).y(),
                    camera.Project(0, 0, nearBank).y());
    ReflectInto(scene, creek, camera.Project(0, 0, farBank).y(), 0.5);
    static const QColor kPaints[] = {QColor(226, 224, 214), QColor(60, 90, 70), QColor(70, 80, 96),
                                     QColor(150, 50, 40)};
    const QColor paint = Distant(scene.mood, Lit(scene.mood, random.Pick(kPaints)), 0.15);
    const double span = farBank - nearBank + 10, deck = 2.8, width = 6, girder = 4.5;
    const double pivotX =
        open ? random.Jitter(6) : (random.Chance(0.5) ? -1 : 1) * random.Range(9, 13);
    const double pivotZ = nearBank + 2.5;
    // The pivot pier in the water by the near wharf.
    PaintCylinder(scene, camera, Round{pivotX, pivotZ + 2, 4}, -1, deck,
                  Material{QColor(150, 140, 126), Masonry::Ashlar});
    if (open) {
        // Swung round to lie along the creek: a coaster steams through the gap.
        PaintShip(scene, camera, ShipKind::Drifter,
                  ShipPlacing{
                      {camera.XAt(scene.w * random.Range(0.2, 0.8), farBank - 12), 0, farBank - 12},
                      random.Range(30, 40),
                      random.Chance(0.5),
                      true,
                      false,
                      0});
        const double x0 = pivotX - span * 0.35, x1 = pivotX + span * 0.65;
        PaintDecal(scene, camera, {x0, deck, pivotZ + width}, {x1, deck, pivotZ + width}, girder,
                   LatticeGirder(Scaled(paint, 0.8)));
        PaintBox(scene, camera, Box{x0, pivotZ, x1 - x0, width, 0.6, deck - 0.6},
                 Material{QColor(60, 58, 56), Masonry::Smooth});
        PaintDecal(scene, camera, {x0, deck, pivotZ}, {x1, deck, pivotZ}, girder,
                   LatticeGirder(paint));
    } else {
        // Closed across the creek, the road carried from wharf to wharf.
        const double z0 = nearBank - 5, z1 = z0 + span;
        for (double x : {pivotX + width / 2, pivotX - width / 2}) {
            PaintDecal(scene, camera, {x, deck, z0}, {x, deck, z1}, girder,
                       LatticeGirder(x > pivotX ? Scaled(paint, 0.8) : paint));
            if (x > pivotX)
                PaintBox(scene, camera, Box{pivotX - width / 2, z0, width, span, 0.6, deck - 0.6},
                         Material{QColor(60, 58, 56), Masonry::Smooth});
        }
    }
    // The near wharf with people waiting.
    const double nl = camera.LeftAt(nearBank) - 20, nr = camera.RightAt(nearBank) + 20;
    QPainter& p = scene.painter;
    const double nearY = camera.Project(0, 0, nearBank).y();
    QLinearGradient setts(0, nearY, 0, scene.h);
    setts.setColorAt(0, Distant(scene.mood, QColor(120, 116, 110), 0.2));
    setts.setColorAt(1, Lit(scene.mood, QColor(110, 104, 96)));
    p.fillRect(QRectF(0, nearY, scene.w, scene.h - nearY), setts);
    PaintBox(scene, camera, Box{nl, nearBank - 1, nr - nl, 1, 0.3, -0.3}, kStone);
    for (int i = 0; i < random.Int(2, 5); ++i)
        PaintPerson3d(scene, camera, random,
                      Vec3{pivotX + random.Jitter(8), 0, nearBank - random.Range(3, 8)});
}

// A steel hood over a barrier pier, seen from the side: a rounded shell, ribbed.
FaceDetail SteelHood(const SceneContext& scene) {
    const QColor bright = Lit(scene.mood, QColor(226, 230, 234)),
                 dull = Shaded(scene.mood, QColor(170, 176, 184));
    return [=](QPainter& p, double w, double h) {
        QPainterPath shell(QPointF(0, 0));
        shell.cubicTo(QPointF(w * 0.05, h * 0.7), QPointF(w * 0.35, h), QPointF(w * 0.55, h));
        shell.cubicTo(QPointF(w * 0.75, h * 0.98), QPointF(w * 0.95, h * 0.5), QPointF(w, 0));
        shell.closeSubpath();
        QLinearGradient fill(0, h, w, 0);
        fill.setColorAt(0, dull);
        fill.setColorAt(0.45, bright);
        fill.setColorAt(1, dull);
        p.fillPath(shell, fill);
        p.save();
        p.setClipPath(shell);
        p.setPen(QPen(QColor(90, 96, 104, 110), w * 0.006));
        for (double x = w * 0.06; x < w; x += w * 0.06) p.drawLine(QPointF(x, 0), QPointF(x, h));
        p.restore();
    };
}

void PaintFloodBarrier(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.4, 0.48);
    const double side = random.Chance(0.5) ? -1 : 1;
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(4, 7),
                        random.Jitter(0.08));
    PaintSkyline(scene, horizon, random.Range(4, 10));
    const double farZ = random.Range(500, 700);
    // The far bank: the city's blocks.
    for (double x = camera.LeftAt(farZ); x < camera.RightAt(farZ);) {
        const double width = random.Range(20, 50);
        PaintBox(scene, camera, Box{x, farZ, width, 20, random.Range(10, 50), 0},
                 Material{QColor(170, 166, 160), Masonry::Smooth});
        x += width + random.Range(0, 30);
    }
    QPainterPath river;
    const double far = camera.Project(0, 0, farZ).y();
    river.addRect(QRectF(0, far, scene.w, scene.h - far));
    PaintStillWater(scene, river, far, scene.h);
    ReflectInto(scene, river, far, 0.4);
    // The piers in a line slanting across the river away from the viewer, far ones first.
    const double barrierZ = random.Range(60, 80), spacing = random.Range(50, 60);
    const bool raised = random.Chance(0.4);
    std::vector<Vec3> piers;
    for (int i = 8; i >= 0; --i)
        piers.push_back(
            {side * (i * spacing * 0.75 - spacing * 0.6), 0, barrierZ + i * spacing * 0.7});
    const Material concrete{QColor(196, 192, 184), Masonry::Smooth};
    const FaceDetail hood = SteelHood(scene);
    const FaceDetail gateFace = [](QPainter& p, double w, double h) {
        p.fillRect(QRectF(0, 0, w, h), QColor(150, 150, 140));
        p.fillRect(QRectF(0, h - 0.6, w, 0.6), QColor(200, 170, 60));
    };
    for (size_t i = 0; i < piers.size(); ++i) {
        const Vec3 pier = piers[i];
        if (raised && i + 1 < piers.size()) {
            // The gate swung up out of the river bed between this pier and the next.
            const Vec3 next = piers[i + 1];
            PaintDecal(scene, camera, {next.x, -0.5, next.z + 14}, {pier.x, -0.5, pier.z + 14}, 5.5,
                       gateFace);
        }
        PaintBox(scene, camera, Box{pier.x - 5, pier.z, 10, 32, 5, -1}, concrete);
        PaintDecal(scene, camera, {pier.x, 5, pier.z + 2}, {pier.x, 5, pier.z + 30}, 22, hood);
    }
    // The near bank: a grassy embankment with its railing.
    QPainter& p = scene.painter;
    const double bankY = scene.h * random.Range(0.84, 0.9);
    QLinearGradient grass(0, bankY, 0, scene.h);
    grass.setColorAt(0, Lit(scene.mood, scene.mood.grass));
    grass.setColorAt(1, Scaled(scene.mood.grass, 0.75));
    p.fillRect(QRectF(0, bankY, scene.w, scene.h - bankY), grass);
    p.setPen(QPen(QColor(40, 44, 48), 2 * scene.u));
    p.drawLine(QPointF(0, bankY - 18 * scene.u), QPointF(scene.w, bankY - 18 * scene.u));
    for (double x = 0; x < scene.w; x += 40 * scene.u)
        p.drawLine(QPointF(x, bankY - 18 * scene.u), QPointF(x, bankY));
    p.setPen(Qt::NoPen);
    if (random.Chance(0.5))
        PaintBoat(scene, camera, random, Vec3{-side * random.Range(10, 30), 0, barrierZ - 20}, 12,
                  BoatKind::Fishing);
}

void PaintWarehouses(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.4, 0.5);
    const double side = random.Chance(0.5) ? -1 : 1;
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(2, 4),
                        side * random.Range(0.25, 0.45));
    PaintSkyline(scene, horizon, random.Range(8, 18));
    const double quayZ = random.Range(40, 55);
    std::vector<Box> blocks;
    for (double x = camera.LeftAt(quayZ) - 30; x < camera.RightAt(quayZ) + 30;) {
        const double width = random.Range(16, 24);
        blocks.push_back(Box{x, quayZ + 4, width, 16, random.Int(5, 7) * 3.3, 0});
        x += width + (random.Chance(0.2) ? random.Range(3, 6) : 0);
    }
    std::sort(blocks.begin(), blocks.end(), [&](const Box& a, const Box& b) {
        return camera.Depth(a.x + a.width / 2, a.z) > camera.Depth(b.x + b.width / 2, b.z);
    });
    for (const Box& block : blocks)
        PaintStorehouse(scene, camera, random, block, static_cast<int>(block.height / 3.3 + 0.5),
                        true);
    for (int i = 0; i < random.Int(2, 3); ++i)
        PaintJibCrane(
            scene, camera,
            Vec3{camera.XAt(scene.w * random.Range(0.15, 0.85), quayZ + 1.5), 2.5, quayZ + 1.5},
            random.Range(7, 10), random.Chance(0.5));
    PaintQuayAndWater(scene, camera, quayZ, 2.5);
    PaintShip(scene, camera, ShipKind::SailingBarge,
              ShipPlacing{{camera.XAt(scene.w * random.Range(0.3, 0.7), quayZ - 8), 0, quayZ - 8},
                          random.Range(22, 26),
                          random.Chance(0.5),
                          true,
                          false,
                          0});
}

}  // namespace

void PaintWaterway(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0x3a7e);
    switch (scene.FormOr(random.Int(kRiverStairs, kWarehouses))) {
        case kLock:
            PaintLock(scene, random);
            break;
        case kSwingBridge:
            PaintSwingBridge(scene, random);
            break;
        case kFloodBarrier:
            PaintFloodBarrier(scene, random);
            break;
        case kWarehouses:
            PaintWarehouses(scene, random);
            break;
        default:
            PaintRiverStairs(scene, random);
            break;
    }
}
