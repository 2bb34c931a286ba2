// A great stadium from high in its stands: the striped pitch and its white lines, the goals,
// the players, and the roofed stands packed with the crowd all round; the heads of the rows
// in front along the bottom of the picture.
#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/groundplane.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/stands.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

// Mown stripes across the grass and the markings of the field.
FaceDetail Pitch(double length, double width) {
    return [=](QPainter& p, double w, double h) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 22));
        for (double x = 0; x < w; x += 10) p.drawRect(QRectF(x, 0, 5, h));
        const QRectF field((w - length) / 2, (h - width) / 2, length, width);
        p.setPen(QPen(QColor(250, 250, 250, 230), 0.25));
        p.setBrush(Qt::NoBrush);
        p.drawRect(field);
        p.drawLine(QPointF(field.center().x(), field.top()),
                   QPointF(field.center().x(), field.bottom()));
        p.drawEllipse(field.center(), 9.15, 9.15);
        for (double x : {field.left(), field.right() - 16.5})
            p.drawRect(QRectF(x, field.center().y() - 20, 16.5, 40));
        p.setPen(Qt::NoPen);
    };
}

void PaintGoal(SceneContext& scene, const Camera& camera, double x, double z) {
    QPainter& p = scene.painter;
    p.setPen(QPen(QColor(250, 250, 250), std::max(0.8, camera.Scale(x, z) * 0.14)));
    p.drawLine(camera.Project(x, 0, z - 3.7), camera.Project(x, 2.44, z - 3.7));
    p.drawLine(camera.Project(x, 0, z + 3.7), camera.Project(x, 2.44, z + 3.7));
    p.drawLine(camera.Project(x, 2.44, z - 3.7), camera.Project(x, 2.44, z + 3.7));
    p.setPen(Qt::NoPen);
}

void PaintPlayers(SceneContext& scene, const Camera& camera, SceneRandom& random, double cz) {
    const QColor kits[] = {random.Chance(0.5) ? QColor(200, 30, 40) : QColor(240, 240, 240),
                           random.Chance(0.5) ? QColor(30, 60, 160) : QColor(240, 200, 30)};
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 22; ++i) {
        const Vec3 foot{random.Range(-48, 48), 0, cz + random.Jitter(30)};
        const QPointF f = camera.Project(foot);
        const double h = camera.Scale(foot.x, foot.z) * 1.8;
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(f, h * 0.2, h * 0.05);
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(QRectF(f.x() - h * 0.08, f.y() - h * 0.45, h * 0.16, h * 0.45));
        p.setBrush(Lit(scene.mood, kits[i % 2]));
        p.drawRect(QRectF(f.x() - h * 0.12, f.y() - h * 0.82, h * 0.24, h * 0.4));
        p.setBrush(QColor(220, 180, 150));
        p.drawEllipse(QPointF(f.x(), f.y() - h * 0.9), h * 0.07, h * 0.08);
    }
    const Vec3 ball{random.Jitter(30), 0.11, cz + random.Jitter(20)};
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(camera.Project(ball), 2.0 * scene.u, 2.0 * scene.u);
}

// The rows in front of the camera: backs of heads and shoulders along the bottom edge.
void PaintNearRows(SceneContext& scene, SceneRandom& random) {
    static const QColor kCoats[] = {QColor(40, 44, 60), QColor(110, 40, 40), QColor(80, 70, 60),
                                    QColor(30, 30, 34), QColor(150, 130, 100)};
    static const QColor kHair[] = {QColor(50, 36, 26), QColor(30, 28, 26), QColor(140, 100, 60),
                                   QColor(190, 190, 190)};
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        const double size = (row == 0 ? 26 : 40) * scene.u;
        const double y = scene.h - (row == 0 ? 0.6 : 0.1) * size;
        for (double x = random.Range(-size, 0); x < scene.w + size;
             x += size * random.Range(0.9, 1.3)) {
            if (random.Chance(0.25)) continue;
            p.setBrush(Scaled(random.Pick(kCoats), 0.8));
            p.drawEllipse(QPointF(x, y + size * 0.6), size * 0.7, size * 0.5);
            p.setBrush(random.Pick(kHair));
            p.drawEllipse(QPointF(x, y - size * 0.05), size * 0.3, size * 0.36);
        }
    }
}

}  // namespace

void PaintStadium(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x57ad);
    const double horizon = scene.h * random.Range(0.2, 0.28);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.25), random.Range(12, 26),
                        random.Jitter(0.22));
    PaintSky(scene, horizon);
    // The city round the ground, lost in the haze behind the stands.
    scene.painter.fillRect(QRectF(0, horizon, scene.w, scene.h - horizon),
                           Distant(scene.mood, QColor(120, 116, 110), 0.7));
    const double near = random.Range(14, 20), cz = near + 40;
    // The ground round the pitch, then the pitch itself.
    PaintGroundPlane(scene, camera, -90, 90, 2, cz + 60, 0, Material{QColor(120, 110, 100)});
    const QColor grass = Mix(scene.mood.grass, QColor(60, 140, 60), 0.6);
    PaintPlane(scene, camera,
               {{-56, 0.01, near}, {56, 0.01, near}, {56, 0.01, cz + 40}, {-56, 0.01, cz + 40}},
               Material{grass}, Pitch(105, 68));
    const QColor seats[] = {QColor(150, 40, 40), QColor(40, 70, 140), QColor(60, 110, 70)};
    const QColor seat = random.Pick(seats);
    const QColor structure(210, 204, 192);
    // The far stand, then the stands behind each goal angled in towards the camera.
    PaintStand(scene, camera, random,
               StandPlan{{-70, 0, cz + 44}, {70, 0, cz + 44}, 32, 24, true, 0.92, seat, structure});
    PaintStand(scene, camera, random,
               StandPlan{{-64, 0, 20}, {-64, 0, cz + 44}, 30, 20, true, 0.9, seat, structure});
    PaintStand(scene, camera, random,
               StandPlan{{64, 0, cz + 44}, {64, 0, 20}, 30, 20, true, 0.9, seat, structure});
    PaintGoal(scene, camera, -52.5, cz);
    PaintGoal(scene, camera, 52.5, cz);
    PaintPlayers(scene, camera, random, cz);
    PaintNearRows(scene, random);
}
