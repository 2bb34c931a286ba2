// What people made on the open moor: a Roman road running dead straight to the skyline, the
// black banks of old peat diggings, a field of burial cairns, an army camp of huts and tents.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/plants.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/smoke.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

QColor HeatherColour(const Mood& mood) {
    if (mood.snow) return QColor(230, 232, 238);
    const bool flowering = mood.season == Season::Summer || mood.season == Season::Autumn;
    return flowering ? QColor(120, 86, 96) : QColor(126, 112, 80);
}

// Sky, the far fells, and the moor rolling to the viewer in heather and grass.
void PaintOpenMoor(SceneContext& scene, SceneRandom& random, double horizon) {
    PaintSky(scene, horizon);
    const QColor heather = HeatherColour(scene.mood);
    const Ridge fells(random, horizon + 2, scene.h * random.Range(0.04, 0.1), scene.w * 0.9, 0.5);
    PaintHillLayer(scene, fells, 0.8, Mix(heather, QColor(110, 110, 120), 0.5), horizon + 4);
    QLinearGradient ground(0, horizon, 0, scene.h);
    ground.setColorAt(0, Distant(scene.mood, Mix(heather, scene.mood.grass, 0.4), 0.6));
    ground.setColorAt(0.4, Lit(scene.mood, Mix(heather, scene.mood.grass, 0.5)));
    ground.setColorAt(1, Scaled(heather, 0.8));
    scene.painter.fillRect(QRectF(0, horizon + 2, scene.w, scene.h - horizon), ground);
    PaintHeather(scene, random, heather, horizon + 2, scene.h, 900);
}

QPolygonF GroundQuad(const Camera& camera, double x0, double x1, double z0, double z1, double y) {
    return QPolygonF({camera.Project(x0, y, z0), camera.Project(x1, y, z0),
                      camera.Project(x1, y, z1), camera.Project(x0, y, z1)});
}

void PaintRomanRoad(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.36, 0.44);
    scene.horizonY = horizon;
    PaintOpenMoor(scene, random, horizon);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 2.2),
                        random.Jitter(0.12));
    QPainter& p = scene.painter;
    const double half = random.Range(2.5, 3.5), far = 3000;
    // The agger's grassy shoulders, the ditches, then the metalled way between its kerbs.
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(Lit(scene.mood, scene.mood.grass), HeatherColour(scene.mood), 0.35));
    p.drawPolygon(GroundQuad(camera, -half - 2.5, half + 2.5, 1, far, 0));
    p.setBrush(Shaded(scene.mood, Scaled(scene.mood.grassDark, 0.7)));
    p.drawPolygon(GroundQuad(camera, -half - 3.2, -half - 2.5, 1, far, 0));
    p.drawPolygon(GroundQuad(camera, half + 2.5, half + 3.2, 1, far, 0));
    const QColor metal = scene.mood.snow ? QColor(220, 222, 228) : QColor(176, 166, 146);
    QLinearGradient way(0, horizon, 0, scene.h);
    way.setColorAt(0, Distant(scene.mood, metal, 0.7));
    way.setColorAt(1, Lit(scene.mood, metal));
    p.setBrush(way);
    p.drawPolygon(GroundQuad(camera, -half, half, 1, far, 0.25));
    // Setts and cobbles near at hand, grass growing in the joints down the crown.
    SceneRandom stones = random.Fork(5);
    for (double z = 60; z > 1; z -= 0.3 * (1 + z / 20)) {
        const double step = 0.3 * (1 + z / 20), depth = DistanceDepth(scene.mood, z);
        for (double x = -half + step / 2; x < half; x += step) {
            const QPointF at = camera.Project(x + stones.Jitter(0.06), 0.25, z);
            const double r = camera.Scale(x, z) * step * 0.42;
            const QColor stone = Scaled(metal, stones.Range(0.7, 1.1));
            p.setBrush(
                Distant(scene.mood, stones.Chance(0.5) ? Lit(scene.mood, stone) : stone, depth));
            p.drawEllipse(at, r, r * 0.5);
        }
    }
    for (double z = 40; z > 1; z -= 0.8) {
        const QPointF at = camera.Project(stones.Jitter(0.8), 0.25, z);
        p.setBrush(WithAlpha(Scaled(scene.mood.grass, 0.9), 170));
        const double r = camera.Scale(0, z) * 0.15;
        p.drawEllipse(at, r * 1.5, r * 0.3);
    }
    // The kerbs: a line of upright stones along each edge.
    p.setPen(QPen(Shaded(scene.mood, Scaled(metal, 0.55)), 1.5 * scene.u));
    for (double side : {-half, half}) {
        QPolygonF kerb;
        for (double z = 1; z < far; z *= 1.2) kerb << camera.Project(side, 0.3, z);
        p.drawPolyline(kerb);
    }
    // A walker for the scale of it, and a stone milepost.
    const double walkerZ = random.Range(25, 60);
    PaintPerson(scene, random, camera.Project(random.Jitter(1), 0.25, walkerZ),
                camera.Scale(0, walkerZ) * 1.7, DistanceDepth(scene.mood, walkerZ));
    const double postZ = random.Range(6, 12), postX = (random.Chance(0.5) ? -1 : 1) * (half + 1.5);
    PaintCylinder(scene, camera, Round{postX, postZ, 0.25}, 0, 1.3,
                  Material{QColor(150, 146, 136), Masonry::Smooth});
}

void PaintPeatBanks(SceneContext& scene, SceneRandom& random) {
    // Snow would hide the black of the banks the picture is of.
    ClearSnow(scene.mood);
    const double horizon = scene.h * random.Range(0.22, 0.3);
    scene.horizonY = horizon;
    PaintOpenMoor(scene, random, horizon);
    // Looking along the banks, so that they run away across the hillside.
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.8, 2.4),
                        (random.Chance(0.5) ? -1 : 1) * random.Range(0.45, 0.7));
    QPainter& p = scene.painter;
    const QColor heather = HeatherColour(scene.mood);
    const QColor peat(40, 30, 24);
    // Banks stepping up the hillside, farthest first: the heather above each, its black cut
    // face, and the wet floor of the cutting below.
    std::vector<double> banks;
    // An upright picture looks down at the nearest bank.
    const double nearest = scene.Portrait() ? random.Range(4, 6) : random.Range(8, 12);
    for (double z = nearest; z < 200; z *= random.Range(1.5, 1.9)) banks.push_back(z);
    double ground = 0;
    std::vector<double> levels;
    for (size_t i = 0; i < banks.size(); ++i) {
        levels.push_back(ground);
        ground += random.Range(0.8, 1.5);
    }
    for (size_t n = banks.size(); n-- > 0;) {
        const double z = banks[n], bottom = levels[n],
                     top = bottom + (n + 1 < levels.size() ? levels[n + 1] - bottom : 1.0);
        const double depth = DistanceDepth(scene.mood, z);
        const double x0 = camera.XAt(-0.3 * scene.w, z) + random.Jitter(5),
                     x1 = camera.XAt(random.Range(0.55, 1.3) * scene.w, z);
        const double next = n + 1 < banks.size() ? banks[n + 1] : z * 1.7;
        p.setPen(Qt::NoPen);
        p.setBrush(Distant(scene.mood, Lit(scene.mood, heather), depth));
        p.drawPolygon(GroundQuad(camera, x0, x1, z, next, top));
        // The cut face, ragged along its lip where the heather overhangs.
        QPolygonF face;
        for (double x = x0; x <= x1; x += (x1 - x0) / 30)
            face << camera.Project(x, top - random.Range(0, 0.15), z);
        face << camera.Project(x1, bottom, z) << camera.Project(x0, bottom, z);
        QLinearGradient dark(0, camera.Project(0, top, z).y(), 0, camera.Project(0, bottom, z).y());
        dark.setColorAt(0, Distant(scene.mood, Lit(scene.mood, Scaled(peat, 1.3)), depth * 0.5));
        dark.setColorAt(1, Distant(scene.mood, Scaled(peat, 0.7), depth * 0.5));
        p.setBrush(dark);
        p.drawPolygon(face);
        // Spade cuts down the face.
        p.setPen(QPen(WithAlpha(Lit(scene.mood, QColor(90, 70, 56)), 70),
                      std::max(0.5, camera.Scale(0, z) * 0.02)));
        for (double x = x0; x < x1; x += random.Range(0.4, 1.2))
            p.drawLine(camera.Project(x, top - 0.1, z),
                       camera.Project(x + random.Jitter(0.1), Lerp(bottom, top, random.Unit()), z));
        // Heather overhanging the lip.
        PaintHeather(scene, random, heather,
                     camera.Project(0, top, z).y() - camera.Scale(0, z) * 0.1,
                     camera.Project(0, top, z).y() + camera.Scale(0, z) * 0.05, 60);
        // The floor of the cutting, with peats stacked to dry.
        p.setPen(Qt::NoPen);
        const double front = n > 0 ? banks[n - 1] : 1;
        p.setBrush(Distant(scene.mood, Mix(peat, scene.mood.grass, 0.45), depth));
        p.drawPolygon(GroundQuad(camera, x0, x1, front, z, bottom));
        // Pools of rainwater in the floor, bright with the sky.
        for (int pool = 0; pool < 3; ++pool) {
            const double pz = Lerp(front, z, random.Range(0.2, 0.9));
            const double px = camera.XAt(random.Range(0.0, 1.0) * scene.w, pz);
            p.setBrush(WithAlpha(Mix(scene.mood.skyHorizon, peat, 0.45), 200));
            p.drawEllipse(QRectF(camera.Project(px, bottom, pz),
                                 camera.Project(px + random.Range(0.8, 2), bottom, pz - 0.4)));
        }
        for (int s = 0; s < random.Int(2, 6); ++s) {
            const double sz = Lerp(front, z, random.Range(0.3, 0.8));
            const double sx = camera.XAt(random.Range(0.05, 0.95) * scene.w, sz);
            const double scale = camera.Scale(sx, sz);
            const QPointF foot = camera.Project(sx, bottom, sz);
            const double dz = DistanceDepth(scene.mood, sz);
            for (int row = 0; row < 3; ++row)
                for (int c = 0; c < 3 - row; ++c) {
                    const QRectF brick(foot.x() + (c - (2 - row) / 2.0 - 0.5) * scale * 0.3 +
                                           random.Jitter(0.04) * scale,
                                       foot.y() - (row + 1) * scale * 0.11,
                                       scale * random.Range(0.22, 0.3), scale * 0.1);
                    p.setBrush(Distant(scene.mood, Lit(scene.mood, Scaled(peat, 1.4)), dz));
                    p.drawRect(brick);
                    p.setBrush(Distant(scene.mood, peat, dz));
                    p.drawRect(brick.adjusted(0, brick.height() * 0.4, 0, 0));
                }
        }
    }
    // Heather tussocks at the viewer's feet.
    PaintHeather(scene, random, heather, camera.Project(0, 0, 2).y(), scene.h, 200);
}

// A heap of moor stones, lit on one side, half sunk in the heather.
void PaintCairn(SceneContext& scene, SceneRandom& random, QPointF foot, double radius,
                double depth) {
    QPainter& p = scene.painter;
    const QColor stone(150, 144, 132);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(QColor(20, 20, 20), 60));
    p.drawEllipse(foot + QPointF(scene.mood.sunFromLeft ? radius * 0.4 : -radius * 0.4, 0),
                  radius * 1.2, radius * 0.25);
    const int count = std::clamp(static_cast<int>(radius / scene.u * 4), 8, 400);
    for (int i = 0; i < count; ++i) {
        const double a = random.Range(-kPi, 0), r = std::sqrt(random.Unit());
        const double x = std::cos(a) * r * radius, y = std::sin(a) * r * radius * 0.55;
        const double s = radius * random.Range(0.06, 0.12);
        const bool lit = (x < 0) == scene.mood.sunFromLeft;
        const QColor c = Scaled(stone, random.Range(0.8, 1.15));
        p.setBrush(Distant(scene.mood,
                           lit ? Lit(scene.mood, c) : Mix(c, Shaded(scene.mood, c), 0.6), depth));
        p.drawEllipse(foot + QPointF(x, y), s * 1.2, s * 0.8);
    }
}

void PaintCairnField(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.34, 0.42);
    scene.horizonY = horizon;
    PaintOpenMoor(scene, random, horizon);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 2.2), 0);
    struct Spot {
        double x, z;
    };
    std::vector<Spot> spots;
    for (int i = 0; i < random.Int(60, 90); ++i) {
        const double z = 14 + 300 * std::pow(random.Unit(), 1.8);
        spots.push_back({camera.XAt(random.Range(-0.1, 1.1) * scene.w, z), z});
    }
    // One big cairn close by, to one side.
    spots.push_back({(random.Chance(0.5) ? -1 : 1) * random.Range(2, 4), random.Range(7, 9)});
    std::sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) { return a.z > b.z; });
    for (const Spot& spot : spots)
        PaintCairn(scene, random, camera.Project(spot.x, 0, spot.z),
                   camera.Scale(spot.x, spot.z) * random.Range(1.0, 1.8),
                   DistanceDepth(scene.mood, spot.z));
}

void PaintArmyCamp(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.4, 0.46);
    scene.horizonY = horizon;
    PaintOpenMoor(scene, random, horizon);
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.9), random.Range(5, 9),
                        random.Jitter(0.3));
    // The guns at practice on the far moor.
    for (int i = 0; i < random.Int(1, 3); ++i)
        PaintSmoke(scene, QPointF(random.Range(0.1, 0.9) * scene.w, horizon + 2 * scene.u),
                   random.Range(8, 16) * scene.u, random.Jitter(1), QColor(200, 200, 196));
    // Rows of tarred huts with grey iron roofs, and bell tents beyond them.
    const Material timber{random.Chance(0.5) ? QColor(60, 58, 52) : QColor(120, 110, 86),
                          Masonry::Smooth};
    const Material iron{QColor(130, 132, 136), Masonry::Smooth};
    const Material canvas{QColor(232, 226, 206), Masonry::Smooth};
    const double rowsZ = random.Range(24, 34), hutLength = random.Range(14, 20);
    for (int row = 3; row >= 0; --row) {
        const double z = rowsZ + row * (hutLength + 10);
        if (row == 3) {
            for (double x = camera.XAt(0, z + 40); x < camera.XAt(scene.w, z + 40); x += 7)
                PaintCone(scene, camera,
                          Round{x + random.Jitter(1), z + 40 + random.Jitter(2), 2.2}, 0, 3.2,
                          canvas);
            continue;
        }
        std::vector<double> xs;
        for (double x = camera.XAt(-0.2 * scene.w, z); x < camera.XAt(1.2 * scene.w, z); x += 12)
            xs.push_back(x);
        // Nearest the line of sight last, so nearer walls cover farther ones.
        std::sort(xs.begin(), xs.end(),
                  [](double a, double b) { return std::abs(a) > std::abs(b); });
        for (double x : xs) {
            const Box hut{x, z, 6, hutLength, 2.8, 0};
            PaintBox(scene, camera, hut, timber);
            PaintRoof(scene, camera, hut, RoofDesign{Roof::GableEndOn, 1.8, iron, timber});
        }
    }
    // The flagstaff on the parade ground, and the perimeter fence.
    const double flagZ = rowsZ - 4, flagX = camera.XAt(random.Range(0.3, 0.7) * scene.w, flagZ);
    QPainter& p = scene.painter;
    const QPointF foot = camera.Project(flagX, 0, flagZ), head = camera.Project(flagX, 10, flagZ);
    p.setPen(QPen(QColor(236, 236, 230), std::max(1.0, camera.Scale(flagX, flagZ) * 0.08)));
    p.drawLine(foot, head);
    p.setPen(Qt::NoPen);
    p.setBrush(Lit(scene.mood, QColor(180, 30, 36)));
    const double flag = camera.Scale(flagX, flagZ) * 1.2;
    p.drawPolygon(QPolygonF({head, head + QPointF(flag * 1.6, flag * 0.15),
                             head + QPointF(flag * 1.5, flag * 0.95), head + QPointF(0, flag)}));
    // A squad drilling on the parade ground.
    const double squadZ = flagZ - random.Range(3, 6), squadX = flagX + random.Range(3, 8);
    for (int rank = 0; rank < 2; ++rank)
        for (int file = 0; file < random.Int(4, 7); ++file) {
            const double x = squadX + file * 0.9, z = squadZ + rank * 1.2;
            PaintPerson(scene, random, camera.Project(x, 0, z), camera.Scale(x, z) * 1.75,
                        DistanceDepth(scene.mood, z));
        }
    PaintFence(scene, camera, camera.XAt(-0.2 * scene.w, 9), camera.XAt(1.2 * scene.w, 9), 9);
}

}  // namespace

void PaintMoorWorks(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x300f);
    switch (scene.FormOr(random.Int(kRomanRoad, kArmyCamp))) {
        case kRomanRoad:
            PaintRomanRoad(scene, random);
            break;
        case kPeatBanks:
            PaintPeatBanks(scene, random);
            break;
        case kCairns:
            PaintCairnField(scene, random);
            break;
        default:
            PaintArmyCamp(scene, random);
            break;
    }
}
