// Crops in rows running away from the viewer: an orchard of old fruit trees, white with
// blossom in spring and hung with fruit in autumn; vines on a south slope; hop poles and
// their strings; osier willows in their wet beds.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

void Blossom(SceneContext& scene, SceneRandom& random, QPointF crown, double radius, bool fruit) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const double a = random.Range(0, 2 * M_PI), r = radius * std::sqrt(random.Unit());
        const QPointF at = crown + QPointF(std::cos(a) * r, std::sin(a) * r * 0.8);
        p.setBrush(fruit ? QColor(200, 40, 30) : QColor(250, 244, 246));
        const double s = radius * (fruit ? 0.05 : 0.09);
        p.drawEllipse(at, s, s);
    }
}

// A low plant or a post along a row: vine, hop pole or willow stool.
void RowPlant(SceneContext& scene, SceneRandom& random, int form, QPointF foot, double scale,
              double depth) {
    QPainter& p = scene.painter;
    const QColor leaf = Foliage(scene.mood, 1, depth);
    p.setPen(Qt::NoPen);
    switch (form) {
        case kVineyard:
            p.setBrush(leaf);
            p.drawEllipse(foot - QPointF(0, scale * 0.9), scale * 0.5, scale * 0.55);
            p.setBrush(Foliage(scene.mood, 2, depth));
            p.drawEllipse(foot - QPointF(scale * 0.1, scale * 1.05), scale * 0.3, scale * 0.3);
            break;
        case kHopGarden: {
            // Bines stay green to the picking in September, hung with pale cones.
            p.setPen(
                QPen(Distant(scene.mood, QColor(110, 90, 70), depth), std::max(1.0, scale * 0.08)));
            p.drawLine(foot, foot - QPointF(0, scale * 5));
            p.setPen(Qt::NoPen);
            const QColor bine(70, 104, 40);
            p.setBrush(Distant(scene.mood, Shaded(scene.mood, bine), depth));
            p.drawRoundedRect(
                QRectF(foot.x() - scale * 0.3, foot.y() - scale * 4.5, scale * 0.6, scale * 4.2),
                scale * 0.3, scale * 0.3);
            p.setBrush(Distant(scene.mood, Lit(scene.mood, bine), depth));
            p.drawRoundedRect(
                QRectF(foot.x() - scale * 0.3, foot.y() - scale * 4.5, scale * 0.25, scale * 4.2),
                scale * 0.12, scale * 0.12);
            if (scale > 3) {
                p.setBrush(Distant(scene.mood, Lit(scene.mood, QColor(176, 196, 112)), depth));
                for (int i = 0; i < 16; ++i) {
                    const QPointF cone(foot.x() + random.Range(-0.3, 0.3) * scale,
                                       foot.y() - random.Range(0.5, 4.4) * scale);
                    p.drawEllipse(cone, scale * 0.045, scale * 0.065);
                }
            }
            break;
        }
        default:  // osier willow: a fan of thin red-brown rods
            p.setPen(
                QPen(Distant(scene.mood, QColor(150, 70, 50), depth), std::max(1.0, scale * 0.04)));
            for (int i = -4; i <= 4; ++i)
                p.drawLine(foot, foot + QPointF(i * scale * 0.18, -scale * 2.2));
            break;
    }
}

}  // namespace

void PaintOrchard(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x0c4d);
    const int form = scene.FormOr(random.Int(0, kWillowBeds));
    const double horizon = scene.h * random.Range(0.42, 0.5);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 2.4),
                        random.Jitter(0.25));
    scene.horizonY = horizon;
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(15, 40), form != kOrchard});
    const double spacing = form == kOrchard ? random.Range(6, 8) : random.Range(2.2, 3);
    const double along = form == kOrchard ? random.Range(5, 7) : 1.3;
    struct Plant {
        Vec3 foot;
    };
    std::vector<Plant> plants;
    for (double x = -60; x <= 60; x += spacing)
        for (double z = 4; z < 160; z += along) plants.push_back({{x + 0.5 * spacing, 0, z}});
    std::sort(plants.begin(), plants.end(),
              [](const Plant& a, const Plant& b) { return a.foot.z > b.foot.z; });
    const bool blossom = scene.mood.season == Season::Spring;
    const bool fruit = scene.mood.season == Season::Autumn;
    for (const Plant& plant : plants) {
        const QPointF foot = camera.Project(plant.foot);
        if (foot.x() < -80 * scene.u || foot.x() > scene.w + 80 * scene.u) continue;
        const double scale = camera.Scale(plant.foot.x, plant.foot.z);
        const double depth = DistanceDepth(scene.mood, plant.foot.z);
        if (form == kOrchard) {
            const double height = 4.5 * scale;
            PaintTree(scene, foot, height, TreeShape::Broadleaf, depth);
            if ((blossom || fruit) && !scene.mood.bareTrees && plant.foot.z < 60)
                Blossom(scene, random, foot - QPointF(0, height * 0.62), height * 0.36, fruit);
        } else {
            RowPlant(scene, random, form, foot, scale, depth);
        }
    }
    PaintGrassBlades(scene, scene.h * 0.85, scene.h, 300);
}
