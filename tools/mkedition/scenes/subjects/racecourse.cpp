// A racecourse on the downs: the white rails sweeping round the turf, horses at full gallop
// with their jockeys in bright silks, the grandstand over the finish crowded with racegoers,
// and the sea beyond the downs on a clear day.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/beasts.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/stands.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// The running rail: white posts and a white rail along a line on the ground.
void PaintRail(SceneContext& scene, const Camera& camera, Vec3 from, Vec3 to) {
    QPainter& p = scene.painter;
    const QColor white = Lit(scene.mood, QColor(246, 246, 242));
    const Vec3 step = (to - from) * (1.0 / 60);
    for (int i = 0; i < 60; ++i) {
        const Vec3 a = from + step * i, b = a + step;
        if (camera.Depth(a.x, a.z) < 2 || camera.Depth(b.x, b.z) < 2) continue;
        const double depth = HazeAt(scene, camera, a);
        p.setPen(
            QPen(Distant(scene.mood, white, depth), std::max(0.7, camera.Scale(a.x, a.z) * 0.12)));
        p.drawLine(camera.Project(a + Vec3{0, 1.1, 0}), camera.Project(b + Vec3{0, 1.1, 0}));
        p.setPen(
            QPen(Distant(scene.mood, white, depth), std::max(0.6, camera.Scale(a.x, a.z) * 0.1)));
        p.drawLine(camera.Project(a), camera.Project(a + Vec3{0, 1.1, 0}));
    }
    p.setPen(Qt::NoPen);
}

// A jockey crouched over the withers in his silks.
void PaintJockey(SceneContext& scene, QPointF withers, double scale, bool facingRight,
                 const QColor& silks) {
    QPainter& p = scene.painter;
    const double dir = facingRight ? 1 : -1;
    p.setPen(Qt::NoPen);
    p.setBrush(Lit(scene.mood, silks));
    p.drawEllipse(QRectF(withers.x() - scale * 0.35 + dir * scale * 0.1, withers.y() - scale * 0.75,
                         scale * 0.7, scale * 0.45));
    p.setBrush(Lit(scene.mood, QColor(240, 240, 236)));
    p.drawRect(QRectF(withers.x() - scale * 0.3 - dir * scale * 0.1, withers.y() - scale * 0.4,
                      scale * 0.3, scale * 0.25));
    p.setBrush(silks);
    p.drawEllipse(QPointF(withers.x() + dir * scale * 0.45, withers.y() - scale * 0.8),
                  scale * 0.14, scale * 0.13);
}

}  // namespace

void PaintRacecourse(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x4ace);
    const double horizon = scene.h * random.Range(0.4, 0.48);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.1), random.Range(1.8, 3),
                        random.Jitter(0.2));
    PaintSky(scene, horizon);
    const bool sea = scene.mood.weather == Weather::Clear || scene.mood.weather == Weather::Fair;
    double landTop = horizon;
    if (sea) {
        landTop = horizon + random.Range(4, 8) * scene.u;
        PaintSea(scene, horizon, landTop + 2);
    }
    // Rolling downs, then the turf of the course.
    const Ridge downs(random, landTop + 2, scene.h * random.Range(0.04, 0.08), scene.w * 1.3, 0.1);
    PaintHillLayer(scene, downs, 0.5, scene.mood.grass, scene.h);
    PaintMeadow(scene, camera.Project(0, 0, 400).y(), scene.h);
    const bool standLeft = random.Chance(0.5);
    const double side = standLeft ? -1 : 1;
    // The grandstand along the far side of the straight.
    const double standZ = random.Range(70, 90);
    PaintStand(scene, camera, random,
               StandPlan{{side * 70, 0, standZ},
                         {side * 10, 0, standZ + 30},
                         14,
                         10,
                         true,
                         0.85,
                         QColor(120, 90, 70),
                         QColor(236, 230, 216)});
    std::vector<Vec3> racegoers;
    for (int i = 0; i < random.Int(12, 24); ++i) {
        const double t = random.Unit();
        racegoers.push_back({side * Lerp(70, 10, t) + random.Jitter(2), 0,
                             Lerp(standZ, standZ + 30, t) - random.Range(2, 6)});
    }
    PaintCrowd(scene, camera, random, racegoers);
    // The far and near rails of the straight, and the field galloping between them.
    PaintRail(scene, camera, {-side * 120, 0, 30}, {side * 60, 0, standZ - 12});
    static const QColor kSilks[] = {
        QColor(220, 40, 40),  QColor(250, 210, 40),  QColor(40, 90, 190), QColor(40, 160, 80),
        QColor(160, 40, 150), QColor(250, 250, 250), QColor(240, 120, 30)};
    const bool right = random.Chance(0.5);
    std::vector<Vec3> field;
    const double leadX = random.Jitter(15);
    for (int i = 0; i < random.Int(5, 9); ++i)
        field.push_back(
            {leadX + (right ? -1 : 1) * i * random.Range(2.5, 4.5), 0, random.Range(15, 21)});
    std::sort(field.begin(), field.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : field) {
        const double scale = camera.Scale(foot.x, foot.z);
        SceneRandom horse = random.ForkAt(foot.x * 10);
        PaintBeast(scene, horse, Beast::Horse, camera.Project(foot), scale, right,
                   DistanceDepth(scene.mood, foot.z));
        PaintJockey(scene, camera.Project(foot + Vec3{0, 1.55, 0}), scale, right,
                    random.Pick(kSilks));
    }
    PaintRail(scene, camera, {-side * 120, 0, 10}, {side * 120, 0, 12});
    PaintGrassBlades(scene, scene.h * 0.88, scene.h, 200);
}
