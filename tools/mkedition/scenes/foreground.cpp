#include "tools/mkedition/scenes/foreground.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

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
    const QColor cope =
        Distant(scene.mood, Shaded(scene.mood, stone.colour), DistanceDepth(scene.mood, z));
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

void PaintFlagstones(SceneContext& scene, const Camera& camera, double z0, double z1, double size,
                     const QColor& colour) {
    QPainter& p = scene.painter;
    const QColor stone = scene.mood.snow ? QColor(224, 228, 234) : colour;
    QLinearGradient fill(0, camera.Project(0, 0, z1).y(), 0, camera.Project(0, 0, z0).y());
    fill.setColorAt(0, Distant(scene.mood, stone, DistanceDepth(scene.mood, z1)));
    fill.setColorAt(1, Lit(scene.mood, stone));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(
        {camera.Project(camera.LeftAt(z0), 0, z0), camera.Project(camera.RightAt(z0), 0, z0),
         camera.Project(camera.RightAt(z1), 0, z1), camera.Project(camera.LeftAt(z1), 0, z1)}));
    // Joints across and along; each flag a shade different.
    SceneRandom random = scene.random.Fork(0xf1a9);
    for (double z = z0; z < z1; z += size) {
        const double left = camera.LeftAt(z), right = camera.RightAt(z);
        for (double x = std::floor(left / size) * size; x < right; x += size) {
            if (!random.Chance(0.3)) continue;
            p.setBrush(
                WithAlpha(random.Chance(0.5) ? Scaled(stone, 1.1) : Scaled(stone, 0.88), 60));
            p.drawPolygon(
                QPolygonF({camera.Project(x, 0, z), camera.Project(x + size, 0, z),
                           camera.Project(x + size, 0, z + size), camera.Project(x, 0, z + size)}));
        }
        p.setPen(QPen(WithAlpha(Scaled(stone, 0.6), 90), std::max(0.4, camera.Scale(0, z) * 0.03)));
        p.drawLine(camera.Project(left, 0, z), camera.Project(right, 0, z));
        p.setPen(Qt::NoPen);
    }
    // Joints running away: each from where it enters the view to the far side.
    for (double x = std::floor(camera.LeftAt(z1) / size) * size; x < camera.RightAt(z1);
         x += size) {
        double near = z0;
        while (near < z1 && (x < camera.LeftAt(near) || x > camera.RightAt(near))) near += size;
        p.setPen(QPen(WithAlpha(Scaled(stone, 0.6), 70), 0.8));
        p.drawLine(camera.Project(x, 0, near), camera.Project(x, 0, z1));
    }
    p.setPen(Qt::NoPen);
}

void PaintLampPost(SceneContext& scene, const Camera& camera, Vec3 foot) {
    QPainter& p = scene.painter;
    const QColor iron(28, 30, 32);
    const QPointF base = camera.Project(foot), top = camera.Project(foot.x, 3.8, foot.z);
    const double scale = camera.Scale(foot.x, foot.z);
    const QColor post = Distant(scene.mood, iron, DistanceDepth(scene.mood, foot.z));
    p.setPen(QPen(post, std::max(0.8, scale * 0.12)));
    p.drawLine(base, top);
    p.setPen(Qt::NoPen);
    p.setBrush(post);
    p.drawRect(QRectF(top.x() - scale * 0.25, top.y() - scale * 0.6, scale * 0.5, scale * 0.6));
    p.setBrush(scene.mood.windowsLit ? QColor(255, 220, 150)
                                     : Mix(scene.mood.skyHorizon, iron, 0.5));
    p.drawRect(QRectF(top.x() - scale * 0.17, top.y() - scale * 0.5, scale * 0.34, scale * 0.4));
    p.setBrush(post);
    p.drawPolygon(QPolygonF({QPointF(top.x() - scale * 0.32, top.y() - scale * 0.6),
                             QPointF(top.x() + scale * 0.32, top.y() - scale * 0.6),
                             QPointF(top.x(), top.y() - scale * 0.9)}));
    if (scene.mood.windowsLit) {
        QRadialGradient glow(top + QPointF(0, -scale * 0.3), scale * 1.5);
        glow.setColorAt(0, QColor(255, 220, 150, 120));
        glow.setColorAt(1, QColor(255, 220, 150, 0));
        p.setBrush(glow);
        p.drawEllipse(top + QPointF(0, -scale * 0.3), scale * 1.5, scale * 1.5);
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
        const QColor c = scene.mood.season == Season::Spring   ? random.Pick(spring)
                         : scene.mood.season == Season::Summer ? random.Pick(summer)
                                                               : random.Pick(autumn);
        p.setBrush(Lit(scene.mood, c));
        p.drawEllipse(QPointF(random.Range(0, scene.w), y), r, r * 0.8);
    }
}
