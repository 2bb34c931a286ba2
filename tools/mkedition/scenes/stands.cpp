#include "tools/mkedition/scenes/stands.h"

#include <QPainter>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"

namespace {

// A plane seen from whichever side faces the eye.
void PaintEitherSide(SceneContext& scene, const Camera& camera, std::vector<Vec3> polygon,
                     const Material& material, const FaceDetail& detail = {}) {
    if (PaintPlane(scene, camera, polygon, material, detail)) return;
    std::swap(polygon[1], polygon[3]);
    PaintPlane(scene, camera, polygon, material, detail);
}

// Rows of seats climbing the slope, dotted with spectators in their coats and hats.
FaceDetail Terraces(const StandPlan& plan, SceneRandom random) {
    return [plan, random](QPainter& p, double w, double h) mutable {
        static const QColor kCoats[] = {QColor(40, 44, 60),   QColor(200, 196, 186),
                                        QColor(120, 40, 40),  QColor(70, 80, 60),
                                        QColor(160, 130, 90), QColor(30, 30, 34),
                                        QColor(230, 200, 60), QColor(90, 110, 150)};
        p.setPen(Qt::NoPen);
        for (double y = 0.3; y < h - 0.3; y += 0.85) {
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawRect(QRectF(0, y - 0.12, w, 0.12));
            for (double x = 0.2; x < w - 0.2; x += 0.55) {
                if (random.Unit() < plan.full) {
                    p.setBrush(random.Pick(kCoats));
                    p.drawEllipse(QRectF(x, y, 0.45, 0.6));
                } else {
                    p.setBrush(plan.seats);
                    p.drawRect(QRectF(x, y, 0.42, 0.3));
                }
            }
        }
    };
}

}  // namespace

void PaintStand(SceneContext& scene, const Camera& camera, SceneRandom& random,
                const StandPlan& plan) {
    const Vec3 along = Normalised(plan.to - plan.from);
    // Away from the eye: the side of the front edge the camera is not on.
    Vec3 back{-along.z, 0, along.x};
    if (Dot(back, plan.from - camera.Eye()) < 0) back = back * -1;
    const Vec3 a = plan.from + Vec3{0, 1.2, 0}, b = plan.to + Vec3{0, 1.2, 0};
    const Vec3 c = plan.to + back * plan.depth + Vec3{0, plan.height, 0};
    const Vec3 d = plan.from + back * plan.depth + Vec3{0, plan.height, 0};
    const Material wall{plan.structure, Masonry::Smooth};
    // The back wall, the low front wall, the tiers and the end walls.
    PaintEitherSide(scene, camera,
                    {plan.from + back * plan.depth, plan.to + back * plan.depth, c, d}, wall);
    PaintEitherSide(scene, camera, {plan.from, plan.to, b, a}, wall);
    PaintEitherSide(scene, camera, {a, b, c, d}, Material{Scaled(plan.seats, 0.7)},
                    Terraces(plan, random.Fork(0x5ea7)));
    for (const Vec3& end : {plan.from, plan.to}) {
        const Vec3 top = end + back * plan.depth + Vec3{0, plan.height + 3, 0};
        PaintEitherSide(scene, camera, {end, end + back * plan.depth, top, end + Vec3{0, 1.2, 0}},
                        wall);
    }
    if (!plan.roof) return;
    // A roof on slender columns, its front edge over the lowest rows.
    const double roofHeight = plan.height + 3;
    const Vec3 lift{0, roofHeight, 0}, frontLift{0, roofHeight - 0.8, 0};
    QPainter& p = scene.painter;
    const double length = std::sqrt(Dot(plan.to - plan.from, plan.to - plan.from));
    for (double s = 0; s <= length + 0.1; s += std::max(8.0, length / 8)) {
        const Vec3 foot = plan.from + along * s + back * (plan.depth * 0.25);
        p.setPen(QPen(
            Distant(scene.mood, Shaded(scene.mood, plan.structure), HazeAt(scene, camera, foot)),
            std::max(0.8, camera.Scale(foot.x, foot.z) * 0.25)));
        const Vec3 top = foot + Vec3{0, plan.height * 0.25 + roofHeight * 0.75, 0};
        p.drawLine(camera.Project(foot + Vec3{0, plan.height * 0.25 + 1, 0}), camera.Project(top));
    }
    p.setPen(Qt::NoPen);
    const Material roof{QColor(120, 124, 130), Masonry::Smooth};
    PaintEitherSide(
        scene, camera,
        {plan.from + back * (plan.depth * 0.15) + frontLift,
         plan.to + back * (plan.depth * 0.15) + frontLift,
         plan.to + back * (plan.depth + 0.5) + lift, plan.from + back * (plan.depth + 0.5) + lift},
        roof);
}
