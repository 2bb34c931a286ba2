// The beach: sand running out to the surf between headlands, a cove under its cliffs, dunes
// of marram grass, rock ledges at low tide, a shingle bank, boats drawn up above the tide, an
// island at the end of its causeway, sand yachts on the strand.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/mkedition/scenes/boats.h"
#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/coastland.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/opensands.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// A boat hauled up on the beach, seen side on: tarred or painted hull, its stripe, a mast.
void PaintBeachedBoat(SceneContext& scene, SceneRandom& random, QPointF keel, double length) {
    static const QColor kHulls[] = {QColor(40, 80, 120), QColor(200, 190, 170), QColor(60, 110, 80),
                                    QColor(150, 50, 40), QColor(40, 40, 44)};
    QPainter& p = scene.painter;
    const double h = length * 0.32;
    const bool bowRight = random.Chance(0.5);
    const double dir = bowRight ? 1 : -1;
    const double x0 = keel.x() - dir * length / 2, x1 = keel.x() + dir * length / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(keel.x() + (scene.mood.sunFromLeft ? 1 : -1) * length * 0.12, keel.y()),
                  length * 0.6, h * 0.2);
    QPainterPath hull(QPointF(x0, keel.y() - h));
    hull.lineTo(x1 + dir * length * 0.08, keel.y() - h * 1.25);
    hull.quadTo(x1, keel.y() - h * 0.2, keel.x(), keel.y());
    hull.quadTo(x0, keel.y(), x0, keel.y() - h);
    hull.closeSubpath();
    const QColor colour = random.Pick(kHulls);
    QLinearGradient shade(0, keel.y() - h * 1.2, 0, keel.y());
    shade.setColorAt(0, Lit(scene.mood, colour));
    shade.setColorAt(1, Shaded(scene.mood, colour));
    p.setBrush(shade);
    p.drawPath(hull);
    p.setPen(QPen(Lit(scene.mood, QColor(230, 220, 200)), h * 0.1));
    p.drawLine(QPointF(x0, keel.y() - h * 0.9),
               QPointF(x1 + dir * length * 0.06, keel.y() - h * 1.12));
    p.setPen(QPen(QColor(70, 56, 44), length * 0.025));
    p.drawLine(QPointF(keel.x() + dir * length * 0.1, keel.y() - h),
               QPointF(keel.x() + dir * length * 0.1, keel.y() - h - length * 0.7));
}

void PaintSandYacht(SceneContext& scene, SceneRandom& random, QPointF foot, double size) {
    static const QColor kSails[] = {QColor(220, 60, 40), QColor(240, 200, 60), QColor(60, 110, 190),
                                    QColor(240, 240, 236)};
    QPainter& p = scene.painter;
    p.setPen(QPen(QColor(40, 40, 44), size * 0.03));
    p.drawLine(foot - QPointF(size * 0.5, 0), foot + QPointF(size * 0.5, 0));
    p.setBrush(QColor(30, 30, 30));
    for (double dx : {-0.45, 0.45})
        p.drawEllipse(foot + QPointF(dx * size, 0), size * 0.06, size * 0.06);
    QPolygonF sail;
    sail << foot + QPointF(-size * 0.1, -size * 0.08) << foot + QPointF(-size * 0.05, -size * 1.3)
         << foot + QPointF(size * 0.55, -size * 0.1);
    p.setPen(Qt::NoPen);
    p.setBrush(Lit(scene.mood, random.Pick(kSails)));
    p.drawPolygon(sail);
}

void PaintIsland(SceneContext& scene, SceneRandom& random, double horizon) {
    QPainter& p = scene.painter;
    const double cx = scene.w * random.Range(0.45, 0.7), width = scene.w * random.Range(0.25, 0.4);
    const double top = horizon - scene.h * random.Range(0.05, 0.09);
    QPainterPath land(QPointF(cx - width / 2, horizon + 2));
    land.cubicTo(cx - width * 0.3, top, cx + width * 0.1, top - scene.h * 0.01, cx + width / 2,
                 horizon + 2);
    land.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, scene.mood.grass, 0.5));
    p.drawPath(land);
    // The chapel on its crown and a few cottages.
    const QColor stone = Distant(scene.mood, Lit(scene.mood, QColor(200, 190, 170)), 0.45);
    const double s = width / 14;
    p.setBrush(stone);
    p.drawRect(QRectF(cx - s * 2, top - s * 1.2, s * 3, s * 1.6));
    p.drawRect(QRectF(cx + s * 0.6, top - s * 2.6, s * 1.1, s * 3));
    p.setBrush(Distant(scene.mood, QColor(90, 84, 80), 0.45));
    p.drawPolygon(
        QPolygonF({QPointF(cx - s * 2.2, top - s * 1.2), QPointF(cx - s * 0.5, top - s * 2.2),
                   QPointF(cx + s * 1.2, top - s * 1.2)}));
}

// A pier striding out over the sea on its iron legs, a pavilion at its end.
void PaintPier(SceneContext& scene, const Camera& camera, SceneRandom& random) {
    // It runs out from the beach off to one side, so that its length shows.
    const double side = random.Chance(0.5) ? -1 : 1;
    const double x = side * random.Range(12, 20) - (side < 0 ? 8 : 0);
    const double deck = 7, width = 8, z0 = 20, z1 = random.Range(260, 420);
    const Material iron{QColor(70, 76, 80), Masonry::Smooth};
    const Material boards{QColor(150, 120, 90), Masonry::Smooth};
    // Far end first: the pavilion with its domes, then the legs and deck coming nearer.
    const Box pavilion{x - 10, z1, 20 + width, 16, 7, deck};
    PaintBox(scene, camera, pavilion, Material{QColor(236, 232, 222), Masonry::Smooth});
    PaintRoof(scene, camera, pavilion,
              RoofDesign{Roof::Hip, 3, Material{QColor(70, 110, 100), Masonry::Smooth},
                         Material{QColor(236, 232, 222), Masonry::Smooth}});
    for (double z = z1; z >= z0; z -= 9)
        for (double lx : {x, x + width})
            PaintBox(scene, camera, Box{lx - 0.3, z, 0.6, 0.6, deck, 0}, iron);
    PaintBox(scene, camera, Box{x - 0.5, z0, width + 1, z1 - z0, 0.6, deck}, boards);
    // Railings along both edges.
    QPainter& p = scene.painter;
    p.setPen(QPen(Lit(scene.mood, QColor(230, 230, 226)), std::max(1.0, 1.2 * scene.u)));
    for (double lx : {x - 0.5, x + width + 0.5})
        p.drawLine(camera.Project(lx, deck + 1.1, z0), camera.Project(lx, deck + 1.1, z1));
}

// The sea wall curving away along the foot of the cliffs, the waves breaking against it,
// bursting into spray in a gale.
void PaintSeaWall(SceneContext& scene, const Camera& camera, SceneRandom& random, bool left) {
    const double side = left ? -1 : 1;
    const Material stone{QColor(170, 160, 146), Masonry::Ashlar};
    const double x = side * random.Range(6, 12);
    PaintBox(scene, camera, Box{side < 0 ? x - 6 : x, 6, 6, 600, 6, 0}, stone);
    const bool gale =
        scene.mood.weather == Weather::Rain || scene.mood.weather == Weather::Overcast;
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (double z = 30; z < 400; z *= random.Range(1.3, 1.6)) {
        const QPointF foot = camera.Project(x, 0, z);
        const double s = camera.Scale(x, z);
        const double burst =
            std::min((gale ? random.Range(4, 8) : random.Range(1, 2)) * s, scene.h * 0.12);
        for (int i = 0; i < 12; ++i) {
            p.setBrush(WithAlpha(QColor(250, 250, 250), gale ? 110 : 80));
            p.drawEllipse(foot + QPointF(random.Jitter(burst * 0.5), -random.Range(0, burst)),
                          burst * 0.3, burst * 0.22);
        }
    }
}

// Sails set and drawing: a mainsail and a jib leaning with the wind.
void PaintRacingSails(SceneContext& scene, const Camera& camera, SceneRandom& random, Vec3 at,
                      double length) {
    static const QColor kSails[] = {QColor(246, 244, 236), QColor(246, 244, 236),
                                    QColor(190, 70, 40), QColor(240, 200, 80)};
    QPainter& p = scene.painter;
    const double s = camera.Scale(at.x, at.z);
    const QPointF foot = camera.Project(at) - QPointF(0, length * 0.18 * s);
    const double lean = random.Jitter(0.12) * length * s, mast = length * 1.3 * s;
    const QColor sail =
        Distant(scene.mood, Lit(scene.mood, random.Pick(kSails)), DistanceDepth(scene.mood, at.z));
    p.setPen(Qt::NoPen);
    p.setBrush(sail);
    p.drawPolygon(QPolygonF({foot, foot + QPointF(lean, -mast),
                             foot + QPointF(length * 0.45 * s, -length * 0.05 * s)}));
    p.setBrush(Scaled(sail, 0.85));
    p.drawPolygon(QPolygonF({foot + QPointF(-length * 0.05 * s, -length * 0.05 * s),
                             foot + QPointF(lean * 0.95, -mast * 0.92),
                             foot + QPointF(-length * 0.4 * s, -length * 0.02 * s)}));
}

// Where a building on the shore stands, and how deep it is: the sand reaches behind it.
double ShoreBuildingDistance(bool boathouse, SceneRandom& random) {
    return boathouse ? random.Range(27, 34) : random.Range(14, 20);
}
double ShoreBuildingDepth(bool boathouse) { return boathouse ? 16 : 4; }

// A building on the shore: the lifeboat's house with the boat behind its great doors, or a
// tarred hut.
void PaintShoreBuilding(SceneContext& scene, const Camera& camera, SceneRandom& random,
                        bool boathouse, double z) {
    const double width = boathouse ? 9 : 4.5, depth = ShoreBuildingDepth(boathouse);
    const double x = camera.XAt(scene.w * random.Range(0.35, 0.6), z) - width / 2;
    House house = RandomHouse(random, boathouse ? HouseStyle::Painted : HouseStyle::Cottage,
                              Box{x, z, width, depth, boathouse ? 7 : 3, 0});
    SetStoreys(house, 1);
    house.box.height = boathouse ? 7 : 2.8;
    house.roof = Roof::GableEndOn;
    house.roofRise = boathouse ? 3 : 1.6;
    if (!boathouse) house.wall = Material{QColor(46, 42, 40), Masonry::Smooth};
    PaintHouse(scene, camera, house, Frontage::Front);
    if (boathouse) {
        // The great doors, the boat's bow showing between them.
        PaintDecal(scene, camera, {x + 1.5, 0, z - 0.05}, {x + width - 1.5, 0, z - 0.05}, 5,
                   [](QPainter& p, double w, double h) {
                       p.fillRect(QRectF(0, 0, w, h), QColor(30, 28, 30));
                       p.setBrush(QColor(30, 70, 150));
                       p.drawPolygon(QPolygonF({QPointF(w * 0.3, 0.4), QPointF(w * 0.7, 0.4),
                                                QPointF(w * 0.5, h * 0.6)}));
                   });
    }
}

}  // namespace

void PaintBeach(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0xbeac);
    const int form = scene.FormOr(random.Int(0, kSandYachts));
    const bool dunes = form == kDunes;
    const double horizon = scene.h * (dunes            ? random.Range(0.4, 0.46)
                                      : form == kSands ? random.Range(0.3, 0.48)
                                                       : random.Range(0.36, 0.44));
    const double eye = dunes              ? random.Range(5, 8)
                       : form == kSeaWall ? random.Range(7.5, 9)
                                          : random.Range(1.6, 3);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), eye, 0);
    scene.horizonY = horizon;
    PaintSeaView(scene, horizon);
    if (form == kSands) {
        PaintOpenSands(scene, camera, random);
        return;
    }

    // The headlands that hold the beach: close on both sides for a cove, far for a bay.
    const bool landOnLeft = random.Chance(0.5);
    static constexpr Rock kRockKinds[] = {Rock::Chalk, Rock::Sandstone, Rock::Granite};
    const Rock rock = random.Pick(kRockKinds);
    auto headland = [&](bool left, double distance, double tip, double height) {
        Headland h;
        h.distance = distance;
        h.height = height;
        h.tip = tip;
        h.landOnLeft = left;
        h.rock = rock;
        h.stack = random.Chance(0.3);
        PaintHeadland(scene, camera, h);
    };
    if (form == kCove) {
        headland(landOnLeft, random.Range(300, 500), 0.3, random.Range(40, 60));
        headland(!landOnLeft, random.Range(120, 180), 0.3, random.Range(35, 55));
        headland(landOnLeft, random.Range(90, 140), 0.22, random.Range(30, 45));
    } else if (form == kSeaWall) {
        headland(landOnLeft, random.Range(220, 320), 0.4, random.Range(50, 80));
    } else if (form == kBay) {
        headland(landOnLeft, random.Range(1500, 2500), 0.3, random.Range(50, 90));
        headland(!landOnLeft, random.Range(700, 1200), 0.25, random.Range(40, 70));
    } else if (form == kIsland) {
        PaintIsland(scene, random, horizon);
    } else {
        headland(landOnLeft, random.Range(900, 2000), random.Range(0.25, 0.45),
                 random.Range(30, 80));
    }

    // The surf lines of a rolling swell further out.
    if (form == kSurf) {
        for (double f : {0.25, 0.45, 0.65}) {
            const double y = Lerp(horizon, scene.h * 0.66, f);
            QPainterPath wave(QPointF(-5, y));
            wave.cubicTo(scene.w * 0.3, y - 3 * scene.u, scene.w * 0.7, y + 3 * scene.u,
                         scene.w + 5, y);
            PaintSurf(scene, wave, (2 + 4 * f) * scene.u);
        }
    }

    // The strand is seen between the tide line and the top of the beach.
    const double shoreY =
        scene.h * (form == kCove ? random.Range(0.6, 0.68) : random.Range(0.56, 0.66));
    const double tilt = random.Jitter(0.05) * scene.h;
    QPainter& p = scene.painter;
    switch (form) {
        case kPier:
            PaintSand(scene, random, shoreY, tilt);
            PaintPier(scene, camera, random);
            break;
        case kSeaWall:
            PaintSeaWall(scene, camera, random, landOnLeft);
            break;
        case kRegatta:
        case kFishingFleet: {
            // Boats out on the water, a strip of beach under the viewer's feet.
            std::vector<double> distances;
            for (int i = 0; i < random.Int(4, 8); ++i)
                // The nearest boat close enough to fill the eye, far enough for its sails.
                distances.push_back(i == 0 ? random.Range(form == kRegatta ? 26 : 14, 32)
                                           : random.Range(32, 140));
            std::sort(distances.begin(), distances.end(), std::greater<double>());
            for (double z : distances) {
                const Vec3 at{camera.XAt(scene.w * random.Range(0.1, 0.9), z), 0, z};
                const double length = form == kRegatta ? random.Range(6, 10) : random.Range(9, 14);
                PaintBoat(scene, camera, random, at, length,
                          form == kRegatta ? BoatKind::Yacht : BoatKind::Fishing);
                if (form == kRegatta) PaintRacingSails(scene, camera, random, at, length);
            }
            PaintSand(scene, random, scene.h * random.Range(0.84, 0.9), 0);
            break;
        }
        case kBoathouse:
        case kShoreHut: {
            const bool boathouse = form == kBoathouse;
            const double z = ShoreBuildingDistance(boathouse, random);
            // The water's edge lies behind the building, so that it stands on the shore.
            const double edge = camera.Project(0, 0, z + ShoreBuildingDepth(boathouse) + 8).y();
            if (random.Chance(0.5))
                PaintShingle(scene, random, edge, 0);
            else
                PaintSand(scene, random, edge, 0);
            PaintShoreBuilding(scene, camera, random, boathouse, z);
            for (int i = 0; i < random.Int(1, 4); ++i) {
                const double pz = random.Range(8, 16);
                const double px = camera.XAt(scene.w * random.Range(0.2, 0.8), pz);
                PaintPerson(scene, random, camera.Project(px, 0, pz), camera.Scale(px, pz) * 1.75,
                            0);
            }
            break;
        }
        case kRocks:
            PaintSand(scene, random, shoreY, tilt);
            PaintRockLedges(scene, random, shoreY + scene.h * 0.02);
            break;
        case kShingle:
            PaintShingle(scene, random, shoreY, tilt);
            break;
        case kDunes: {
            PaintSand(scene, random, shoreY, tilt);
            // Dunes rolling in the foreground, marram on their crests.
            QPainterPath dune(QPointF(-5, scene.h * 0.78));
            for (double x = 0; x < scene.w + 60 * scene.u; x += random.Range(80, 160) * scene.u)
                dune.quadTo(x + 40 * scene.u, scene.h * random.Range(0.62, 0.74), x + 80 * scene.u,
                            scene.h * random.Range(0.74, 0.8));
            dune.lineTo(scene.w + 5, scene.h + 5);
            dune.lineTo(-5, scene.h + 5);
            dune.closeSubpath();
            QLinearGradient fill(0, scene.h * 0.62, 0, scene.h);
            fill.setColorAt(0, Lit(scene.mood, QColor(226, 208, 168)));
            fill.setColorAt(1, Shaded(scene.mood, QColor(200, 180, 140)));
            p.fillPath(dune, fill);
            p.save();
            p.setClipPath(dune);
            PaintMarram(scene, random, scene.h * 0.62, scene.h, 160);
            p.restore();
            break;
        }
        case kBoatsDrawnUp: {
            if (random.Chance(0.5))
                PaintShingle(scene, random, shoreY, tilt);
            else
                PaintSand(scene, random, shoreY, tilt);
            std::vector<double> rows;
            for (int i = 0; i < random.Int(2, 4); ++i) rows.push_back(random.Range(0.1, 0.8));
            std::sort(rows.begin(), rows.end());
            for (double f : rows) {
                const double y = Lerp(shoreY + scene.h * 0.04, scene.h * 0.95, f);
                const double length = (60 + 260 * f) * scene.u;
                PaintBeachedBoat(scene, random, QPointF(random.Range(0.15, 0.85) * scene.w, y),
                                 length);
            }
            break;
        }
        default: {
            PaintSand(scene, random, shoreY, tilt);
            if (form == kSandYachts)
                for (int i = 0; i < random.Int(3, 5); ++i) {
                    const double f = random.Range(0.05, 0.6);
                    PaintSandYacht(scene, random,
                                   QPointF(random.Range(0.1, 0.9) * scene.w,
                                           Lerp(shoreY + 6 * scene.u, scene.h, f)),
                                   (20 + 90 * f) * scene.u);
                }
            if (form == kIsland) {
                // The causeway's stones running out across the wet sand to the island.
                const double cx = scene.w * 0.55;
                p.setPen(Qt::NoPen);
                for (double f = 0; f < 1; f += 0.01) {
                    const double y = Lerp(horizon + 4 * scene.u, scene.h, f * f);
                    const double half = (2 + 90 * f * f) * scene.u;
                    p.setBrush(Lit(scene.mood, QColor(140, 130, 116)));
                    p.drawRect(QRectF(cx - half + random.Jitter(half * 0.1), y, half * 2,
                                      (1 + 6 * f) * scene.u));
                }
            }
            // People at the water's edge give the sand its size.
            for (int i = 0; i < random.Int(1, 5); ++i) {
                const double f = random.Range(0.02, 0.3);
                const double y = Lerp(shoreY + 4 * scene.u, scene.h, f);
                PaintPerson(scene, random, QPointF(random.Range(0.1, 0.9) * scene.w, y),
                            (8 + 120 * f) * scene.u, 0.3 * (1 - f));
            }
            break;
        }
    }
}
