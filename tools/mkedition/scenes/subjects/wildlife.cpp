// Animals where they live: seals hauled out on the rocks, swans on a river, seabirds packed on
// the ledges of a cliff, sheep, horses and deer on the grass, wolves in their wooded
// enclosure, donkeys on the sand, herons in the shallows, an otter in the dyke.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/beasts.h"
#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/coastland.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Animals scattered over the ground in perspective, far ones first, one always close by so
// that the herd is the picture's subject and not a speck in a field.
void Herd(SceneContext& scene, const Camera& camera, SceneRandom& random, Beast beast, int count,
          double zNear, double zFar) {
    std::vector<Vec3> feet;
    for (int i = 0; i < count; ++i) {
        const double z = i == 0 ? zNear : zNear + (zFar - zNear) * std::pow(random.Unit(), 1.4);
        feet.push_back({camera.XAt(scene.w * random.Range(0.08, 0.92), z), 0, z});
    }
    std::sort(feet.begin(), feet.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : feet)
        PaintBeast(scene, random, beast, camera.Project(foot), camera.Scale(foot.x, foot.z),
                   random.Chance(0.5), DistanceDepth(scene.mood, foot.z));
}

// Birds or seals placed on the screen between two rows, larger towards the bottom.
void Scatter(SceneContext& scene, SceneRandom& random, Beast beast, int count, double topY,
             double bottomY, double nearSize) {
    std::vector<double> rows;
    for (int i = 0; i < count; ++i) rows.push_back(random.Unit());
    std::sort(rows.begin(), rows.end());
    for (double f : rows) {
        const double y = Lerp(topY, bottomY, f);
        PaintBeast(scene, random, beast, QPointF(random.Range(0.06, 0.94) * scene.w, y),
                   nearSize * (0.15 + 0.85 * f) * scene.u, random.Chance(0.5), 0.4 * (1 - f));
    }
}

void Flock(SceneContext& scene, SceneRandom& random, int count, double topY, double bottomY,
           bool dark) {
    for (int i = 0; i < count; ++i)
        PaintFlyingBird(scene,
                        QPointF(random.Range(0.05, 0.95) * scene.w, random.Range(topY, bottomY)),
                        random.Range(6, 22) * scene.u, dark);
}

void Grassland(SceneContext& scene, SceneRandom& random, int form) {
    const double horizon = scene.h * random.Range(0.4, 0.5);
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.9), 1.6, random.Jitter(0.2));
    scene.horizonY = horizon;
    PaintBackdrop(scene, horizon,
                  BackdropStyle{scene.coastal, random.Range(15, 40), form != kSheepFlock});
    if (form == kDeerPark || form == kWolfPack) {
        // Park oaks or the enclosure's wood behind the animals.
        for (int i = 0; i < random.Int(3, 6); ++i) {
            const double z = random.Range(30, 90);
            const Vec3 foot{camera.XAt(scene.w * random.Range(0, 1), z), 0, z};
            PaintTree(
                scene, camera.Project(foot), camera.Scale(foot.x, foot.z) * random.Range(12, 18),
                form == kWolfPack && random.Chance(0.5) ? TreeShape::Conifer : TreeShape::Broadleaf,
                DistanceDepth(scene.mood, z));
        }
    }
    if (form == kWolfPack)
        PaintTreeBelt(scene, horizon + 2 * scene.u, -20 * scene.u, scene.w + 20 * scene.u,
                      random.Range(50, 80) * scene.u, 0.3);
    PaintGrassBlades(scene, horizon + scene.h * 0.2, scene.h, 500);
    switch (form) {
        case kSheepFlock:
            Herd(scene, camera, random, Beast::Sheep, random.Int(10, 22), 6, 60);
            break;
        case kHorses:
            Herd(scene, camera, random, Beast::Horse, random.Int(2, 5), 9, 50);
            break;
        case kDeerPark:
            Herd(scene, camera, random, Beast::Deer, random.Int(4, 9), 10, 70);
            break;
        default:
            Herd(scene, camera, random, Beast::Wolf, random.Int(2, 4), 7, 25);
            PaintFence(scene, camera, camera.LeftAt(4), camera.RightAt(4), 4);
            break;
    }
}

void OnTheShore(SceneContext& scene, SceneRandom& random, int form) {
    ClearSnow(scene.mood);
    const double horizon = scene.h * random.Range(0.34, 0.42);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 2, 0);
    scene.horizonY = horizon;
    PaintSeaView(scene, horizon);
    Headland far;
    far.distance = random.Range(900, 1600);
    far.height = random.Range(30, 60);
    far.tip = random.Range(0.2, 0.35);
    far.landOnLeft = random.Chance(0.5);
    PaintHeadland(scene, camera, far);
    const double shoreY = scene.h * random.Range(0.52, 0.6);
    if (form == kSeals) {
        PaintRockLedges(scene, random, shoreY);
        Scatter(scene, random, Beast::Seal, random.Int(6, 12), shoreY + scene.h * 0.04,
                scene.h * 0.95, 70);
    } else {
        PaintSand(scene, random, shoreY, random.Jitter(0.03) * scene.h);
        Herd(scene, camera, random, Beast::Donkey, random.Int(3, 6), 7, 30);
    }
    Flock(scene, random, random.Int(2, 6), scene.h * 0.08, horizon - 10 * scene.u, false);
}

// A cliff face filling one side of the picture, its ledges white with nesting birds.
void SeabirdCliff(SceneContext& scene, SceneRandom& random) {
    ClearSnow(scene.mood);
    const double horizon = scene.h * random.Range(0.4, 0.5);
    scene.horizonY = horizon;
    PaintSeaView(scene, horizon);
    QPainter& p = scene.painter;
    const bool left = random.Chance(0.5);
    const double edge = scene.w * random.Range(0.5, 0.62);
    QPainterPath face;
    const double x0 = left ? -5 : scene.w + 5;
    face.moveTo(x0, -5);
    face.lineTo(left ? edge : scene.w - edge, -5);
    for (double y = 0; y <= scene.h + 5; y += 20 * scene.u)
        face.lineTo((left ? edge : scene.w - edge) + random.Jitter(14) * scene.u -
                        (left ? 1 : -1) * y * 0.15,
                    y);
    face.lineTo(x0, scene.h + 5);
    face.closeSubpath();
    const QColor rock(200, 196, 184);
    QLinearGradient fill(left ? 0 : scene.w, 0, left ? edge : scene.w - edge, 0);
    fill.setColorAt(0, Shaded(scene.mood, rock));
    fill.setColorAt(1, Lit(scene.mood, rock));
    p.fillPath(face, fill);
    p.save();
    p.setClipPath(face);
    // Ledges in broken strata, each lined with birds, guano streaking the rock below; cracks
    // run down between them.
    p.setPen(QPen(Shaded(scene.mood, Scaled(rock, 0.55)), 2 * scene.u));
    for (int i = 0; i < 14; ++i) {
        const double x = random.Range(0, scene.w);
        p.drawLine(QPointF(x, random.Range(0, scene.h)),
                   QPointF(x + random.Jitter(20) * scene.u, random.Range(0, scene.h)));
    }
    for (double y = scene.h * 0.1; y < scene.h; y += random.Range(70, 110) * scene.u) {
        for (double x = random.Range(-40, 0) * scene.u; x < scene.w;) {
            const double length = random.Range(60, 200) * scene.u;
            const double ledge = y + random.Jitter(12) * scene.u;
            p.setPen(Qt::NoPen);
            p.setBrush(WithAlpha(QColor(250, 250, 244), 90));
            p.drawRect(QRectF(x, ledge, length, random.Range(10, 30) * scene.u));
            p.setPen(QPen(Shaded(scene.mood, Scaled(rock, 0.5)), 5 * scene.u));
            p.drawLine(QPointF(x, ledge), QPointF(x + length, ledge));
            for (double bx = x + 6 * scene.u; bx < x + length - 6 * scene.u;
                 bx += random.Range(14, 24) * scene.u)
                PaintBeast(scene, random, Beast::Seabird, QPointF(bx, ledge - 2 * scene.u),
                           random.Range(80, 100) * scene.u, random.Chance(0.5), 0);
            x += length + random.Range(20, 70) * scene.u;
        }
    }
    p.restore();
    Flock(scene, random, random.Int(14, 30), scene.h * 0.05, scene.h * 0.8, true);
}

void OnTheWater(SceneContext& scene, SceneRandom& random, int form) {
    const double horizon = scene.h * random.Range(0.4, 0.48);
    scene.horizonY = horizon;
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(10, 30), true});
    const double waterTop = horizon + scene.h * random.Range(0.06, 0.12);
    QPainterPath water;
    water.addRect(QRectF(-5, waterTop, scene.w + 10, scene.h - waterTop + 5));
    PaintStillWater(scene, water, waterTop, scene.h);
    ReflectInto(scene, water, waterTop, 0.55);
    // Reeds along the near bank.
    SceneRandom reeds = random.Fork(9);
    PaintMarram(scene, reeds, scene.h * 0.9, scene.h * 1.02, 60);
    if (form == kSwans) {
        Scatter(scene, random, Beast::Swan, random.Int(5, 14), waterTop + 8 * scene.u,
                scene.h * 0.85, 80);
    } else if (form == kHerons) {
        Scatter(scene, random, Beast::Heron, random.Int(2, 4), waterTop + 10 * scene.u,
                scene.h * 0.8, 110);
        Flock(scene, random, random.Int(1, 3), scene.h * 0.08, horizon - 20 * scene.u, true);
    } else {
        Scatter(scene, random, Beast::Otter, random.Int(1, 3), waterTop + 20 * scene.u,
                scene.h * 0.8, 90);
    }
}

}  // namespace

void PaintAnimals(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xa41a);
    const int form = scene.FormOr(random.Int(0, kOtters));
    switch (form) {
        case kSeals:
        case kDonkeys:
            OnTheShore(scene, random, form);
            break;
        case kSeabirds:
            SeabirdCliff(scene, random);
            break;
        case kSwans:
        case kHerons:
        case kOtters:
            OnTheWater(scene, random, form);
            break;
        default:
            Grassland(scene, random, form);
            break;
    }
}
