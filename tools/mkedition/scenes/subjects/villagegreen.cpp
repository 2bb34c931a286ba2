// A village green: a wedge of mown grass between two rows of old cottages, a lane round it,
// a great tree and a bench; where the green is by the sea it runs down to the shingle.
#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Where a row of cottages stands at distance z: the green widens away from the viewer.
double RowX(double side, double z, double spread) { return side * (6 + z * spread); }

}  // namespace

void PaintVillageGreen(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x9ee4);
    const bool sea = scene.coastal || random.Chance(0.3);
    if (sea) ClearSnow(scene.mood);
    const double horizon = scene.h * random.Range(0.44, 0.5);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.15), random.Range(1.6, 2.2),
                        random.Jitter(0.12));
    PaintSky(scene, horizon);
    const double end = random.Range(110, 150);  // where the green meets the shore
    const double endY = camera.Project(0, 0, end).y();
    if (sea) {
        PaintSea(scene, horizon, endY + 2);
        SceneRandom shore = random.Fork(3);
        PaintShingle(scene, shore, endY - 3 * scene.u, 0);
    } else {
        PaintDistantHills(scene, horizon, 24 * scene.u, 2);
        PaintTreeBelt(scene, endY, -10, scene.w + 10, camera.Scale(0, end) * 14, 0.5);
    }
    PaintMeadow(scene, sea ? endY + 5 * scene.u : endY, scene.h);
    // The lane round the green in front of each row.
    const double spread = random.Range(0.18, 0.3);
    const QColor lane = Lit(scene.mood, QColor(176, 160, 130));
    for (double side : {-1.0, 1.0})
        PaintPlane(scene, camera,
                   side < 0 ? std::vector<Vec3>{{RowX(-1, 6, spread) - 3, 0, 6},
                                                {RowX(-1, 6, spread) + 1, 0, 6},
                                                {RowX(-1, end, spread) + 1, 0, end},
                                                {RowX(-1, end, spread) - 3, 0, end}}
                            : std::vector<Vec3>{{RowX(1, 6, spread) - 1, 0, 6},
                                                {RowX(1, 6, spread) + 3, 0, 6},
                                                {RowX(1, end, spread) + 3, 0, end},
                                                {RowX(1, end, spread) - 1, 0, end}},
                   Material{lane});
    // The cottages, far to near so the nearer hide the farther.
    for (double z = end - 8; z > 10; z -= random.Range(7, 9)) {
        for (double side : {-1.0, 1.0}) {
            const double x = RowX(side, z, spread) + side * 3.5;
            House house = RandomHouse(random, RandomHouseStyle(random, scene.year),
                                      Box{side < 0 ? x - 7 : x, z - 7, 7, 7, 0, 0});
            if (house.style != HouseStyle::Timbered) house.style = HouseStyle::Cottage;
            SetStoreys(house, 2);
            PaintHouse(scene, camera, house, side < 0 ? Frontage::Right : Frontage::Left);
        }
    }
    // A great tree and a bench on the green, people crossing it.
    const double treeZ = random.Range(35, 60);
    const double treeX = random.Jitter(treeZ * spread * 0.5);
    PaintTree(scene, camera.Project(treeX, 0, treeZ),
              camera.Scale(treeX, treeZ) * random.Range(12, 16), TreeShape::Broadleaf,
              DistanceDepth(scene.mood, treeZ));
    PaintBox(scene, camera, Box{treeX + 3, treeZ - 3, 2, 0.5, 0.5, 0},
             Material{QColor(120, 90, 60)});
    std::vector<Vec3> people;
    for (int i = 0; i < random.Int(3, 8); ++i) {
        const double z = random.Range(8, end * 0.7);
        people.push_back({random.Jitter(z * spread), 0, z});
    }
    PaintCrowd(scene, camera, random, people);
    PaintFlowers(scene, scene.h * 0.8, scene.h, 40);
    PaintGrassBlades(scene, scene.h * 0.86, scene.h, 260);
}
