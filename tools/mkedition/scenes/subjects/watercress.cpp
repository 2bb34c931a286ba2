// Watercress beds: long shallow beds of spring water, green with cress, between raised paths,
// running away to the chalk downs, with a picker bent over them.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

QPolygonF GroundQuad(const Camera& camera, double x0, double x1, double z0, double z1) {
    return QPolygonF({camera.Project(x0, 0, z0), camera.Project(x1, 0, z0),
                      camera.Project(x1, 0, z1), camera.Project(x0, 0, z1)});
}

// One bed: clear water over gravel, nearly hidden under rafts of cress.
void PaintBed(SceneContext& scene, SceneRandom& random, const Camera& camera, double x0, double x1,
              double z0, double z1) {
    QPainter& p = scene.painter;
    QLinearGradient water(0, camera.Project(0, 0, z1).y(), 0, camera.Project(0, 0, z0).y());
    water.setColorAt(0, Distant(scene.mood, scene.mood.skyHorizon, 0.3));
    water.setColorAt(1, Mix(scene.mood.water, QColor(150, 150, 120), 0.4));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPolygon(GroundQuad(camera, x0, x1, z0, z1));
    const QColor cress =
        scene.mood.season == Season::Winter ? QColor(60, 100, 50) : QColor(70, 140, 50);
    const double coverage = random.Range(0.6, 0.9);
    // Farther off the leaves merge: fewer and larger in the world, the same on the canvas.
    for (double z = z1; z > z0; z -= 0.15 * (1 + z / 12)) {
        const double depth = DistanceDepth(scene.mood, z), step = 0.15 * (1 + z / 12);
        for (double x = x0 + 0.2; x < x1 - 0.2; x += step) {
            if (!random.Chance(coverage)) continue;
            const QPointF at = camera.Project(x + random.Jitter(0.2), 0.05, z + random.Jitter(0.2));
            const double r = camera.Scale(x, z) * step * random.Range(0.3, 0.5);
            const bool lit = random.Chance(0.5);
            p.setBrush(
                Distant(scene.mood, lit ? Lit(scene.mood, Scaled(cress, 1.25)) : cress, depth));
            p.drawEllipse(at, r, r * 0.55);
        }
    }
}

}  // namespace

void PaintWatercress(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xc7e5);
    const double horizon = scene.h * random.Range(0.36, 0.44);
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.95), random.Range(1.7, 3.0),
                        random.Jitter(0.2));
    scene.horizonY = horizon;
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(25, 45), true});
    QPainter& p = scene.painter;
    const double bedWidth = random.Range(2.5, 4), path = random.Range(0.6, 1.0);
    const double far = random.Range(70, 110), near = 2.5;
    const double offset = random.Range(0, bedWidth + path);
    // Beech trees over the spring-head at the far end.
    PaintTreeBelt(scene, camera.Project(0, 0, far + 8).y(), -20 * scene.u, scene.w + 20 * scene.u,
                  camera.Scale(0, far) * 14, DistanceDepth(scene.mood, far));
    const QColor walk = scene.mood.snow ? QColor(226, 230, 236) : QColor(196, 190, 176);
    for (double x = -40 - offset; x < 40; x += bedWidth + path) {
        if (camera.Project(x + bedWidth + path, 0, near).x() < -scene.w ||
            camera.Project(x, 0, near).x() > 2 * scene.w)
            continue;
        PaintBed(scene, random, camera, x, x + bedWidth, near, far);
        // The raised path beside it: its top and its face towards the water.
        p.setPen(Qt::NoPen);
        p.setBrush(Lit(scene.mood, walk));
        const QPolygonF top = GroundQuad(camera, x + bedWidth, x + bedWidth + path, near, far);
        p.drawPolygon(top);
        p.setPen(QPen(Shaded(scene.mood, Scaled(walk, 0.6)), std::max(1.0, 1.5 * scene.u)));
        p.drawLine(camera.Project(x + bedWidth, 0, near), camera.Project(x + bedWidth, 0, far));
    }
    // A picker with his basket, bent to the bed, and another further off.
    SceneRandom people = random.Fork(3);
    for (int i = 0; i < random.Int(1, 2); ++i) {
        const double z = random.Range(12, 30) * (i + 1);
        const double x = camera.XAt(random.Range(0.25, 0.75) * scene.w, z);
        const QPointF foot = camera.Project(x, 0, z);
        const double height = camera.Scale(x, z) * 1.6;
        PaintPerson(scene, people, foot, height, DistanceDepth(scene.mood, z));
        p.setPen(Qt::NoPen);
        p.setBrush(Distant(scene.mood, QColor(150, 110, 60), DistanceDepth(scene.mood, z)));
        p.drawRoundedRect(
            QRectF(foot.x() + height * 0.15, foot.y() - height * 0.2, height * 0.3, height * 0.2),
            height * 0.05, height * 0.05);
    }
    // The clear water rippling over gravel at the near end, in the channel the beds feed.
    const double channelY = camera.Project(0, 0, near).y();
    QLinearGradient channel(0, channelY, 0, scene.h);
    channel.setColorAt(0, Mix(scene.mood.water, scene.mood.skyHorizon, 0.5));
    channel.setColorAt(1, Mix(scene.mood.water, QColor(170, 160, 120), 0.5));
    p.fillRect(QRectF(0, channelY, scene.w, scene.h - channelY), channel);
    p.setPen(QPen(WithAlpha(QColor(255, 255, 255), 90), 1.2 * scene.u));
    for (int i = 0; i < 40; ++i) {
        const double y = random.Range(channelY, scene.h), x = random.Range(0, scene.w);
        p.drawLine(QPointF(x, y), QPointF(x + random.Range(10, 40) * scene.u, y));
    }
}
