// A zoo: animals in their paddock or pool beyond the visitors' railing, the animal house and
// trees behind.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/animals.h"
#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

struct Placement {
    Vec3 foot;
    bool facingRight;
};

// Animals of one kind spread over the middle of the view, between depths z0 and z1, far to
// near.
std::vector<Placement> Herd(SceneRandom& random, const Camera& camera, double width, int count,
                            double z0, double z1) {
    std::vector<Placement> herd;
    for (int i = 0; i < count; ++i) {
        const double z = random.Range(z0, z1);
        herd.push_back(
            {{camera.XAt(width * random.Range(0.22, 0.78), z), 0, z}, random.Chance(0.5)});
    }
    std::sort(herd.begin(), herd.end(),
              [](const Placement& a, const Placement& b) { return a.foot.z > b.foot.z; });
    return herd;
}

// Iron railings along the front of the paddock, where the visitors lean.
void PaintRailings(SceneContext& scene, const Camera& camera, double z) {
    QPainter& p = scene.painter;
    const QColor iron = QColor(36, 44, 40);
    const double left = camera.LeftAt(z), right = camera.RightAt(z);
    for (double x = left; x < right; x += 0.25) {
        p.setPen(QPen(iron, std::max(0.6, camera.Scale(x, z) * 0.03)));
        p.drawLine(camera.Project(x, 0, z), camera.Project(x, 1.1, z));
    }
    for (double y : {0.15, 1.05}) {
        p.setPen(QPen(iron, std::max(1.0, camera.Scale(0, z) * 0.06)));
        p.drawLine(camera.Project(left, y, z), camera.Project(right, y, z));
    }
}

void PaintAnimalHouse(SceneContext& scene, const Camera& camera, SceneRandom& random, double z) {
    House house = RandomHouse(random, HouseStyle::Cottage,
                              Box{random.Range(-30, 10), z + 15, random.Range(14, 20), 10, 0, 0});
    SetStoreys(house, 2);
    PaintHouse(scene, camera, house, Frontage::Front);
}

// The rocky back wall of a pool enclosure: boulders piled along it.
void PaintRockwork(SceneContext& scene, const Camera& camera, SceneRandom& random, double z) {
    QPainter& p = scene.painter;
    const QColor rock(150, 144, 134);
    p.setPen(Qt::NoPen);
    for (double x = camera.LeftAt(z); x < camera.RightAt(z); x += random.Range(1.5, 3.0)) {
        const QPointF foot = camera.Project(x, 0, z + random.Range(0, 2));
        const double r = camera.Scale(x, z) * random.Range(1.0, 2.2);
        QLinearGradient shade(foot.x() - r, 0, foot.x() + r, 0);
        shade.setColorAt(scene.mood.sunFromLeft ? 0 : 1,
                         Distant(scene.mood, Lit(scene.mood, rock), 0.2));
        shade.setColorAt(scene.mood.sunFromLeft ? 1 : 0,
                         Distant(scene.mood, Shaded(scene.mood, rock), 0.2));
        p.setBrush(shade);
        p.drawEllipse(QPointF(foot.x(), foot.y() - r * 0.5), r * 1.2, r * 0.8);
    }
}

}  // namespace

void PaintZoo(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x200);
    static constexpr Species kKinds[] = {Species::Giraffe, Species::Zebra,    Species::Elephant,
                                         Species::Penguin, Species::Flamingo, Species::Giraffe};
    const Species species = random.Pick(kKinds);
    const bool small = species == Species::Penguin || species == Species::Flamingo;
    const double horizon = scene.h * random.Range(0.5, 0.58);
    const Camera camera(scene.w, horizon, scene.FieldOfView(small ? 0.7 : 0.8), 1.6,
                        random.Jitter(0.15));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(10, 25), true});

    const double railing = small ? 5 : 7;
    const double back = small ? random.Range(24, 32) : random.Range(50, 65);
    PaintTreeBelt(scene, camera.Project(0, 0, back + 10).y(), -20, scene.w + 20,
                  camera.Scale(0, back + 10) * 12, 0.25);
    if (small)
        PaintRockwork(scene, camera, random, back);
    else
        PaintAnimalHouse(scene, camera, random, back);
    QPainter& p = scene.painter;
    // The floor of the enclosure: sand for the grazers, a pool for the birds.
    const double left = camera.LeftAt(back), right = camera.RightAt(back);
    QPainterPath floor;
    floor.addPolygon(
        QPolygonF({camera.Project(left, 0, railing), camera.Project(right, 0, railing),
                   camera.Project(right, 0, back - 1), camera.Project(left, 0, back - 1)}));
    floor.closeSubpath();
    if (small) {
        PaintStillWater(scene, floor, camera.Project(0, 0, back - 1).y(),
                        camera.Project(0, 0, railing).y());
    } else {
        const QColor sand = scene.mood.snow ? QColor(226, 228, 232) : QColor(200, 180, 130);
        QLinearGradient fill(0, camera.Project(0, 0, back).y(), 0,
                             camera.Project(0, 0, railing).y());
        fill.setColorAt(0, Distant(scene.mood, Mix(sand, scene.mood.grass, 0.4), 0.3));
        fill.setColorAt(1, Lit(scene.mood, Mix(sand, scene.mood.grass, 0.25)));
        p.fillPath(floor, fill);
    }

    int count = 0;
    double z0 = railing + 7, z1 = railing + 22;
    switch (species) {
        case Species::Giraffe:
            count = random.Int(2, 4);
            break;
        case Species::Zebra:
            count = random.Int(3, 7);
            break;
        case Species::Elephant:
            count = random.Int(1, 3);
            z0 += 4;
            break;
        case Species::Penguin:
            count = random.Int(8, 18);
            z0 = railing + 2;
            z1 = back - 3;
            break;
        case Species::Flamingo:
            count = random.Int(6, 14);
            z0 = railing + 2;
            z1 = back - 3;
            break;
    }
    if (species == Species::Giraffe) {
        // A flat-topped tree of the savanna to browse.
        const double tz = z1 + 4, tx = camera.XAt(scene.w * (random.Chance(0.5) ? 0.12 : 0.88), tz);
        PaintTree(scene, camera.Project(tx, 0, tz), camera.Scale(tx, tz) * 7, TreeShape::Broadleaf,
                  DistanceDepth(scene.mood, tz));
    }
    for (const Placement& animal : Herd(random, camera, scene.w, count, z0, z1))
        PaintAnimal(scene, random, species, camera.Project(animal.foot),
                    camera.Scale(animal.foot.x, animal.foot.z), animal.facingRight,
                    DistanceDepth(scene.mood, animal.foot.z));

    PaintRailings(scene, camera, railing);
    // Visitors at the rail, seen from behind, leaving the middle clear.
    for (int i = 0; i < random.Int(1, 3); ++i) {
        const Vec3 foot{(random.Chance(0.5) ? -1 : 1) * random.Range(2.5, 5), 0,
                        railing - random.Range(1.0, 2.0)};
        PaintPerson(scene, random, camera.Project(foot),
                    camera.Scale(foot.x, foot.z) * random.Range(1.2, 1.8),
                    DistanceDepth(scene.mood, foot.z));
    }
}
