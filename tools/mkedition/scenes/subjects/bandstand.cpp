// A bandstand in the gardens: an octagonal platform, slender iron columns and a curving roof
// with its finial, the band in uniform playing, deckchairs in rings on the lawn, flower beds,
// and the sea beyond when the gardens are on the cliff top.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// A deckchair seen from behind: a striped sling on a wooden frame, the head of whoever sits
// in it over the top.
void PaintDeckchair(SceneContext& scene, SceneRandom& random, QPointF foot, double s,
                    double depth) {
    static const QColor kStripes[] = {QColor(220, 60, 50), QColor(50, 100, 190),
                                      QColor(40, 150, 90), QColor(240, 190, 40)};
    QPainter& p = scene.painter;
    const QColor wood = Distant(scene.mood, QColor(150, 110, 70), depth);
    const QColor stripe = Distant(scene.mood, Lit(scene.mood, random.Pick(kStripes)), depth);
    const QColor white = Distant(scene.mood, Lit(scene.mood, QColor(240, 236, 226)), depth);
    const double w = s * 0.6, h = s * 0.9;
    p.setPen(QPen(wood, std::max(0.6, s * 0.04)));
    p.drawLine(foot + QPointF(-w / 2, 0), foot + QPointF(-w / 2 + s * 0.1, -h));
    p.drawLine(foot + QPointF(w / 2, 0), foot + QPointF(w / 2 - s * 0.1, -h));
    p.setPen(Qt::NoPen);
    const QRectF sling(foot.x() - w / 2 + s * 0.08, foot.y() - h, w - s * 0.16, h * 0.75);
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(sling.left() + sling.width() * i / 5, sling.top(), sling.width() / 5,
                          sling.height()),
                   i % 2 ? white : stripe);
    if (random.Chance(0.6)) {
        static const QColor kHair[] = {QColor(60, 44, 30), QColor(200, 200, 200),
                                       QColor(120, 90, 50), QColor(30, 30, 30)};
        p.setBrush(Distant(scene.mood, random.Pick(kHair), depth));
        p.drawEllipse(QPointF(foot.x(), foot.y() - h * 1.02), s * 0.11, s * 0.12);
    }
}

// Bandsmen in their uniforms, brass catching the light.
void PaintBand(SceneContext& scene, const Camera& camera, SceneRandom& random, const Round& floor,
               double level) {
    const QColor coat = random.Chance(0.5) ? QColor(170, 30, 40) : QColor(30, 40, 90);
    QPainter& p = scene.painter;
    for (int i = 0; i < 7; ++i) {
        const double a = kPi * (0.15 + 0.7 * i / 6.0);
        const Vec3 foot{floor.x + std::cos(a) * floor.radius * 0.55, level,
                        floor.z + std::sin(a) * floor.radius * 0.4};
        const QPointF f = camera.Project(foot);
        const double h = camera.Scale(foot.x, foot.z) * 1.7;
        p.setPen(Qt::NoPen);
        p.setBrush(Lit(scene.mood, coat));
        p.drawRect(QRectF(f.x() - h * 0.12, f.y() - h * 0.8, h * 0.24, h * 0.45));
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(QRectF(f.x() - h * 0.09, f.y() - h * 0.36, h * 0.18, h * 0.36));
        p.setBrush(QColor(226, 190, 160));
        p.drawEllipse(QPointF(f.x(), f.y() - h * 0.88), h * 0.07, h * 0.08);
        p.setBrush(QColor(30, 30, 40));
        p.drawRect(QRectF(f.x() - h * 0.08, f.y() - h * 1.0, h * 0.16, h * 0.07));
        p.setBrush(QColor(240, 200, 90));
        p.drawEllipse(QPointF(f.x() + h * 0.14, f.y() - h * 0.6), h * 0.09, h * 0.09);
    }
}

}  // namespace

void PaintBandstand(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xba9d);
    const double horizon = scene.h * random.Range(0.5, 0.58);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, random.Jitter(0.2));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal || random.Chance(0.3), 20, true});
    const double z = random.Range(22, 30);
    const double cx = camera.XAt(scene.w * random.Range(0.4, 0.6), z);
    // Trees round the gardens and a flower bed in front.
    for (double side : {-1.0, 1.0})
        PaintTree(scene, camera.Project(cx + side * random.Range(16, 24), 0, z + 12),
                  camera.Scale(cx, z + 12) * random.Range(10, 14),
                  random.Chance(0.3) ? TreeShape::Conifer : TreeShape::Broadleaf,
                  DistanceDepth(scene.mood, z + 12));
    const Round floor{cx, z, 5};
    const Material iron{random.Chance(0.5) ? QColor(40, 90, 70) : QColor(230, 228, 220)};
    const Material brick{QColor(160, 90, 70), Masonry::Brick};
    const Material roof{random.Chance(0.5) ? QColor(70, 120, 100) : QColor(180, 60, 50)};
    PaintCylinder(scene, camera, floor, 0, 1.3, brick);
    PaintBand(scene, camera, random, floor, 1.3);
    QPainter& p = scene.painter;
    for (int i = 0; i < 8; ++i) {
        const double a = kPi * 2 * i / 8 + kPi / 8;
        const Vec3 foot{cx + std::cos(a) * 4.6, 1.3, z + std::sin(a) * 4.6};
        if (foot.z > z + 0.5) continue;
        p.setPen(QPen(Lit(scene.mood, iron.colour), std::max(1.0, camera.Scale(cx, z) * 0.14)));
        p.drawLine(camera.Project(foot), camera.Project(foot + Vec3{0, 3.2, 0}));
    }
    p.setPen(Qt::NoPen);
    // The railing round the platform's edge.
    p.setPen(QPen(Lit(scene.mood, iron.colour), std::max(0.8, camera.Scale(cx, z) * 0.07)));
    p.drawLine(camera.Project(cx - 5, 2.2, z), camera.Project(cx + 5, 2.2, z));
    p.setPen(Qt::NoPen);
    PaintCylinder(scene, camera, Round{cx, z, 5.3}, 4.5, 5.0, iron);
    PaintCone(scene, camera, Round{cx, z, 5.5}, 5.0, 7.2, roof);
    PaintDome(scene, camera, Round{cx, z, 1.0}, 6.6, 1.2, roof);
    PaintCylinder(scene, camera, Round{cx, z, 0.12}, 7.6, 8.8, Material{QColor(220, 190, 90)});
    // Deckchairs in rows facing the band, and listeners standing behind them.
    std::vector<Vec3> chairs;
    for (double row = z - 9; row > 5; row -= 2.2)
        for (double x = cx - 12; x <= cx + 12; x += random.Range(1.1, 1.8))
            if (random.Chance(0.7)) chairs.push_back({x + random.Jitter(0.3), 0, row});
    std::sort(chairs.begin(), chairs.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& chair : chairs)
        PaintDeckchair(scene, random, camera.Project(chair), camera.Scale(chair.x, chair.z),
                       DistanceDepth(scene.mood, chair.z));
    PaintFlowers(scene, scene.h * 0.9, scene.h, 60);
}
