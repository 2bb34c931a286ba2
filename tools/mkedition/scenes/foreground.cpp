#include "tools/mkedition/scenes/foreground.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"

void PaintPath(SceneContext& scene, const Camera& camera, Vec3 near, Vec3 far, double width,
               const QColor& colour) {
    // Sampled along its length so that it narrows properly with distance.
    QPolygonF left, right;
    for (int i = 0; i <= 24; ++i) {
        const double t = double(i) / 24;
        const Vec3 c = near + (far - near) * (t * t);
        left << camera.Project(c.x - width / 2, 0, c.z);
        right << camera.Project(c.x + width / 2, 0, c.z);
    }
    QPolygonF outline = left;
    for (auto it = right.rbegin(); it != right.rend(); ++it) outline << *it;
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    QLinearGradient fill(0, camera.Project(far).y(), 0, camera.Project(near).y());
    const QColor ground = scene.mood.snow ? QColor(226, 230, 236) : colour;
    fill.setColorAt(0, Distant(scene.mood, ground, DistanceDepth(scene.mood, far.z)));
    fill.setColorAt(1, Lit(scene.mood, ground));
    QPainter& p = scene.painter;
    p.setPen(QPen(WithAlpha(scene.mood.grassDark, 90), 1.5));
    p.setBrush(fill);
    p.drawPath(path);
    // Gravel and ruts.
    SceneRandom random = scene.random.Fork(0x9a7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 300; ++i) {
        const double t = random.Unit();
        const Vec3 c = near + (far - near) * (t * t);
        const QPointF at = camera.Project(c.x + random.Jitter(width / 2), 0, c.z);
        const double r = std::max(0.5, camera.Scale(c.x, c.z) * 0.05);
        p.setBrush(WithAlpha(random.Chance(0.5) ? Scaled(ground, 0.7) : Scaled(ground, 1.2), 120));
        p.drawEllipse(at, r * 1.5, r * 0.6);
    }
}

void PaintStoneWall(SceneContext& scene, const Camera& camera, double x0, double x1, double z,
                    double height) {
    const Material stone{QColor(150, 144, 130), Masonry::Rubble};
    PaintBox(scene, camera, Box{x0, z, x1 - x0, 0.6, height, 0}, stone);
    // Coping stones set on edge.
    QPainter& p = scene.painter;
    const QColor cope = Distant(scene.mood, Shaded(scene.mood, stone.colour), DistanceDepth(scene.mood, z));
    p.setPen(QPen(cope, std::max(0.6, camera.Scale(x0, z) * 0.08)));
    for (double x = x0; x < x1; x += 0.3)
        p.drawLine(camera.Project(x, height, z), camera.Project(x + 0.08, height + 0.25, z));
}

void PaintFence(SceneContext& scene, const Camera& camera, double x0, double x1, double z) {
    QPainter& p = scene.painter;
    const QColor wood = Distant(scene.mood, QColor(96, 80, 62), DistanceDepth(scene.mood, z));
    for (double x = x0; x <= x1; x += 2.5) {
        p.setPen(QPen(wood, std::max(0.8, camera.Scale(x, z) * 0.12)));
        p.drawLine(camera.Project(x, 0, z), camera.Project(x, 1.2, z));
    }
    for (double y : {0.5, 1.05}) {
        p.setPen(QPen(Lit(scene.mood, wood), std::max(0.6, camera.Scale(x0, z) * 0.08)));
        p.drawLine(camera.Project(x0, y, z), camera.Project(x1, y, z));
    }
}

void PaintFlowers(SceneContext& scene, double topY, double bottomY, int count) {
    if (scene.mood.snow || scene.mood.season == Season::Winter) return;
    SceneRandom random = scene.random.Fork(0xf10e);
    const QColor spring[] = {QColor(250, 240, 120), QColor(255, 255, 255), QColor(200, 170, 230)};
    const QColor summer[] = {QColor(230, 60, 50), QColor(255, 255, 240), QColor(250, 220, 80)};
    const QColor autumn[] = {QColor(200, 120, 200), QColor(240, 200, 80), QColor(250, 250, 240)};
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double f = random.Unit();
        const double y = Lerp(topY, bottomY, f * f);
        const double r = (0.6 + 2.6 * f * f) * scene.u;
        const QColor c = scene.mood.season == Season::Spring ? random.Pick(spring)
                         : scene.mood.season == Season::Summer ? random.Pick(summer)
                                                               : random.Pick(autumn);
        p.setBrush(Lit(scene.mood, c));
        p.drawEllipse(QPointF(random.Range(0, scene.w), y), r, r * 0.8);
    }
}
