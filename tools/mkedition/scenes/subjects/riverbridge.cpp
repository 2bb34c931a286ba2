// A river and its old stone bridge: arches mirrored into rings in the water, trees on the
// banks, the country beyond.
#include <QPainter>
#include <QPainterPath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

struct BridgePlan {
    double x0, x1, z;  // ends and the face nearest the viewer
    double deck;       // height of the roadway over the water
    int arches;
    Material stone;
};

void PaintBridge(SceneContext& scene, const Camera& camera, const BridgePlan& plan) {
    const QImage behind = scene.image.copy();
    const double span = (plan.x1 - plan.x0) / plan.arches;
    const double rise = plan.deck - 1.2;
    const FaceDetail arches = [=](QPainter& p, double w, double) {
        for (int i = 0; i < plan.arches; ++i) {
            // Piers take a fifth of each bay; the arch springs from just above the water.
            const double pier = span * 0.18;
            const QRectF opening(i * span + pier / 2, -0.5, span - pier,
                                 std::min(rise, (span - pier) / 2 + 1.2) + 0.5);
            PaintThrough(p, OpeningPath(opening, Arch::Round), behind);
            // The ring of voussoirs round each arch.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0, 0, 0, 50), 0.35));
            p.drawPath(OpeningPath(opening.adjusted(-0.2, 0, 0.2, 0.2), Arch::Round));
            p.setPen(Qt::NoPen);
        }
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(QRectF(0, plan.deck - 0.6, w, 0.2));
    };
    const Box body{plan.x0, plan.z, plan.x1 - plan.x0, 5, plan.deck + 1.1, -0.5};
    PaintBox(scene, camera, body, plan.stone, BoxFaces{arches, {}, {}, {}, {}});
}

}  // namespace

void PaintRiverBridge(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xb41d);
    const double horizon = scene.h * random.Range(0.42, 0.52);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.5, 3.0),
                        random.Jitter(0.2));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(15, 40), true});

    BridgePlan plan;
    plan.arches = random.Int(3, 5);
    plan.deck = random.Range(6, 9);
    const double length = plan.arches * random.Range(10, 14);
    plan.z = random.Range(45, 70);
    plan.x0 = camera.XAt(scene.w * random.Range(0.42, 0.58), plan.z) - length / 2;
    plan.x1 = plan.x0 + length;
    const QColor stones[] = {QColor(176, 164, 140), QColor(190, 170, 130), QColor(150, 140, 126)};
    plan.stone = {random.Pick(stones), Masonry::Ashlar};

    // Trees along the far bank behind the bridge.
    PaintTreeBelt(scene, camera.Project(0, 0, plan.z + 25).y(), -20, scene.w + 20,
                  camera.Scale(0, plan.z + 25) * 14, 0.3);
    // The river: from the bridge down to the viewer, the banks closing in at the sides.
    const double waterline = camera.Project(0, 0, plan.z + 5).y();
    QPainterPath river;
    river.addRect(QRectF(0, waterline, scene.w, scene.h - waterline));
    PaintStillWater(scene, river, waterline, scene.h);
    PaintBridge(scene, camera, plan);
    ReflectInto(scene, river, camera.Project(0, 0, plan.z).y(), 0.65);

    // Grassy banks in the foreground on both sides, with a tree on one.
    QPainter& p = scene.painter;
    for (double side : {-1.0, 1.0}) {
        const double edge = side < 0 ? random.Range(0.05, 0.3) : random.Range(0.7, 0.95);
        const double near = side < 0 ? random.Range(0.25, 0.4) : random.Range(0.6, 0.75);
        const double outer = side < 0 ? -5 : scene.w + 5;
        QPainterPath bank(QPointF(outer, waterline + 2));
        bank.lineTo(edge * scene.w, waterline + 2);
        bank.cubicTo(QPointF(edge * scene.w, waterline + (scene.h - waterline) * 0.4),
                     QPointF(near * scene.w, scene.h * 0.85), QPointF(near * scene.w, scene.h + 5));
        bank.lineTo(outer, scene.h + 5);
        bank.closeSubpath();
        const QRectF box = bank.boundingRect();
        QLinearGradient fill(0, box.top(), 0, box.bottom());
        fill.setColorAt(0, Distant(scene.mood, scene.mood.grass, 0.35));
        fill.setColorAt(1, Scaled(scene.mood.grass, 0.8));
        p.fillPath(bank, fill);
        p.save();
        p.setClipPath(bank);
        PaintGrassBlades(scene, box.top() + box.height() * 0.3, scene.h, 300);
        p.restore();
        if (random.Chance(0.55)) {
            const double tx = Lerp(outer, edge * scene.w, random.Range(0.2, 0.6));
            PaintTree(scene,
                      QPointF(tx, waterline + (scene.h - waterline) * random.Range(0.1, 0.3)),
                      scene.h * random.Range(0.35, 0.6),
                      random.Chance(0.3) ? TreeShape::Poplar : TreeShape::Broadleaf, 0.1);
        }
    }
}
