// A harbour: boats at their moorings in the basin, the quay, and the town climbing the hill
// behind, all mirrored in the water.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/boats.h"
#include "tools/mkedition/scenes/coastland.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

constexpr double kQuayHeight = 3.0;

// One terrace of houses along the hillside at depth z, standing at height base.
void PaintTerrace(SceneContext& scene, const Camera& camera, SceneRandom& random, double z,
                  double base, double reach) {
    std::vector<House> houses;
    for (double x = -reach; x < reach;) {
        const double width = random.Range(5.5, 9);
        const HouseStyle style =
            random.Chance(0.6) ? HouseStyle::Painted : RandomHouseStyle(random, scene.year);
        houses.push_back(
            RandomHouse(random, style, Box{x, z + random.Range(0, 2), width, 8, 0, base}));
        x += width + (random.Chance(0.15) ? random.Range(2, 8) : 0);
    }
    // Outer houses first: the ones near the middle of the view stand in front of them.
    std::sort(houses.begin(), houses.end(), [](const House& a, const House& b) {
        return std::abs(a.box.x + a.box.width / 2) > std::abs(b.box.x + b.box.width / 2);
    });
    for (const House& house : houses) PaintHouse(scene, camera, house, Frontage::Front);
}

// The slope the town is built on, from the back of the quay up to the skyline.
void PaintHillside(SceneContext& scene, const Camera& camera, double z0, double z1, double top) {
    const double left = camera.LeftAt(z1), right = camera.RightAt(z1);
    const QPointF a = camera.Project(left, kQuayHeight, z0),
                  b = camera.Project(right, kQuayHeight, z0);
    const QPointF c = camera.Project(right, top, z1), d = camera.Project(left, top, z1);
    QPainterPath slope;
    slope.addPolygon(QPolygonF({a, b, c, d}));
    const QColor ground = scene.mood.snow ? QColor(226, 230, 236) : Scaled(scene.mood.grass, 0.85);
    QLinearGradient fill(0, c.y(), 0, a.y());
    fill.setColorAt(0, Distant(scene.mood, ground, DistanceDepth(scene.mood, z1)));
    fill.setColorAt(1, Distant(scene.mood, ground, DistanceDepth(scene.mood, z0)));
    scene.painter.fillPath(slope, fill);
}

}  // namespace

void PaintHarbour(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0x4a7b);
    const double horizon = scene.h * random.Range(0.4, 0.48);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), random.Range(4, 9),
                        random.Jitter(0.15));
    PaintSeaView(scene, horizon);

    // The hill behind the town, with woods on its crest.
    const double back = random.Range(90, 130);
    const int rows = random.Int(2, 4);
    const double rise = random.Range(5, 9);
    const double crest = kQuayHeight + rows * rise + random.Range(10, 30);
    Ridge hill(random, camera.Project(0, crest, back + rows * 20 + 60).y(), scene.h * 0.06,
               scene.w * 1.2, 0.3);
    if (random.Chance(0.5))
        hill.Taper(scene.w * 0.2, -scene.w * 0.2);
    else
        hill.Taper(scene.w * 0.8, scene.w * 1.2);
    PaintHillLayer(scene, hill, 0.4, scene.mood.grass,
                   camera.Project(0, kQuayHeight, back).y() + 2);
    PaintTreeBelt(scene, hill.At(scene.w * 0.5) + 6, scene.w * 0.3, scene.w * 0.7,
                  camera.Scale(0, back + 100) * 12, 0.5);
    for (int row = rows - 1; row >= 0; --row) {
        const double z = back + 6 + row * 20;
        PaintHillside(scene, camera, back, z + 20, kQuayHeight + row * rise + rise);
        PaintTerrace(scene, camera, random, z, kQuayHeight + row * rise, 70 + row * 20);
    }

    // The quay along the back of the basin, and the water in front reflecting it all.
    const Material quayStone{QColor(150, 140, 122), Masonry::Ashlar};
    const double quayLeft = camera.LeftAt(back - 4), quayRight = camera.RightAt(back - 4);
    PaintBox(scene, camera, Box{quayLeft, back - 4, quayRight - quayLeft, 4, kQuayHeight, 0},
             quayStone);
    const double waterline = camera.Project(0, 0, back - 4).y();
    QPainterPath basin;
    basin.addRect(QRectF(0, waterline, scene.w, scene.h - waterline));
    PaintStillWater(scene, basin, waterline, scene.h);
    ReflectInto(scene, basin, waterline, 0.55);

    // A harbour arm running out on one side, with a small light at its end.
    const double side = random.Chance(0.5) ? -1 : 1;
    const double armX = side * random.Range(22, 40);
    const Box arm{side < 0 ? armX - 8 : armX, 12, 8, back - 16, kQuayHeight + 0.5, 0};
    PaintBox(scene, camera, arm, quayStone);
    if (random.Chance(0.6)) {
        const Round light{armX + side * 4, 18, 1.6};
        const Material white{QColor(236, 234, 226), Masonry::Smooth};
        PaintCylinder(scene, camera, light, kQuayHeight + 0.5, kQuayHeight + 7, white);
        PaintCone(scene, camera, light, kQuayHeight + 7, kQuayHeight + 8.5,
                  Material{QColor(40, 44, 40), Masonry::Smooth});
    }

    // Boats at their moorings, far to near.
    std::vector<Vec3> moorings;
    for (int i = 0; i < random.Int(4, 9); ++i)
        moorings.push_back({random.Range(-30, 30) - side * 5, 0, random.Range(22, back - 12)});
    std::sort(moorings.begin(), moorings.end(),
              [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& mooring : moorings) {
        const BoatKind kind = random.Chance(0.55)  ? BoatKind::Fishing
                              : random.Chance(0.5) ? BoatKind::Yacht
                                                   : BoatKind::Rowing;
        PaintBoat(scene, camera, random, mooring,
                  kind == BoatKind::Rowing ? random.Range(3.5, 5) : random.Range(7, 13), kind);
    }
}
