#include "tools/mkedition/scenes/riverworks.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/water.h"

double PaintQuayAndWater(SceneContext& scene, const Camera& camera, double z, double height) {
    const Material stone{QColor(150, 140, 122), Masonry::Ashlar};
    const double left = camera.LeftAt(z), right = camera.RightAt(z);
    PaintBox(scene, camera, Box{left, z, right - left, 4, height, -1.5}, stone);
    const double waterline = camera.Project(0, 0, z).y();
    QPainterPath water;
    water.addRect(QRectF(0, waterline, scene.w, scene.h - waterline));
    PaintStillWater(scene, water, waterline, scene.h);
    ReflectInto(scene, water, waterline, 0.55);
    return waterline;
}

void PaintStorehouse(SceneContext& scene, const Camera& camera, SceneRandom& random,
                     const Box& footprint, int storeys, bool doors) {
    static const QColor kBricks[] = {QColor(150, 78, 58), QColor(170, 100, 70), QColor(120, 66, 52),
                                     QColor(176, 136, 96)};
    const Material brick{random.Pick(kBricks), Masonry::Brick};
    const OpeningLook look = WindowLook(scene, QColor(200, 190, 170));
    const double storey = footprint.height / storeys;
    const QColor timber = random.Chance(0.5) ? QColor(60, 70, 64) : QColor(90, 60, 40);
    const FaceDetail front = [=](QPainter& p, double w, double) {
        const int bays = std::max(3, static_cast<int>(w / 3.6));
        for (int s = 0; s < storeys; ++s)
            PaintWindowRow(p, 0, w, s * storey + storey * 0.3, bays, 1.2, storey * 0.45,
                           Arch::Round, look, 2, 3);
        if (!doors) return;
        // The loading doors stacked one above another, a pair of leaves each, and the beam.
        for (double x : {w * 0.3, w * 0.7}) {
            p.fillRect(QRectF(x - 1.9, 0, 3.8, footprint.height), brick.colour);
            for (int s = 0; s < storeys; ++s)
                p.fillRect(QRectF(x - 1.3, s * storey + 0.15, 2.6, storey * 0.72), timber);
            p.setBrush(QColor(0, 0, 0, 60));
            for (int s = 0; s < storeys; ++s)
                p.drawRect(QRectF(x - 0.05, s * storey + 0.15, 0.1, storey * 0.72));
            p.fillRect(QRectF(x - 0.2, footprint.height - 0.2, 0.4, 0.6), QColor(40, 36, 34));
        }
    };
    PaintBox(scene, camera, footprint, brick, BoxFaces{front, {}, front, front, {}});
    PaintRoof(scene, camera, footprint,
              RoofDesign{Roof::Gable, 3, Material{QColor(80, 84, 94), Masonry::Slate}, brick});
    if (!doors) return;
    // The hoist beams jutting out over the doors, a rope hanging from one.
    QPainter& p = scene.painter;
    for (double share : {0.3, 0.7}) {
        const double x = footprint.x + footprint.width * share, z = footprint.z;
        const QPointF root = camera.Project(x, footprint.height - 0.3, z);
        const QPointF end = camera.Project(x, footprint.height - 0.3, z - 2.2);
        const double scale = camera.Scale(x, z);
        p.setPen(QPen(Distant(scene.mood, QColor(40, 36, 34), DistanceDepth(scene.mood, z)),
                      std::max(1.0, scale * 0.3)));
        p.drawLine(root, end);
        p.setPen(QPen(QColor(60, 50, 40), std::max(0.6, scale * 0.06)));
        p.drawLine(end, end + QPointF(0, scale * storey * 1.4));
    }
    p.setPen(Qt::NoPen);
}

void PaintJibCrane(SceneContext& scene, const Camera& camera, Vec3 foot, double height,
                   bool reachRight) {
    QPainter& p = scene.painter;
    const double side = reachRight ? 1 : -1, scale = camera.Scale(foot.x, foot.z);
    const QColor iron = Distant(scene.mood, QColor(50, 50, 54), DistanceDepth(scene.mood, foot.z));
    const QPointF base = camera.Project(foot), top = camera.Project(foot.x, height, foot.z);
    const QPointF jib = camera.Project(foot.x + side * height * 0.8, height * 1.25, foot.z);
    p.setPen(QPen(iron, std::max(1.2, scale * 0.6), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(base, top);
    p.setPen(QPen(iron, std::max(1.0, scale * 0.35)));
    p.drawLine(camera.Project(foot.x, height * 0.3, foot.z), jib);
    p.setPen(QPen(iron, std::max(0.6, scale * 0.1)));
    p.drawLine(top, jib);
    p.drawLine(jib, jib + QPointF(0, scale * height * 0.6));
    p.setBrush(iron);
    p.drawRect(QRectF(base.x() - scale * 1.4, top.y() + scale * 0.2, scale * 2.8, scale * 2.2));
    p.setPen(Qt::NoPen);
}
