#include "tools/mkedition/scenes/ruins.h"

#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

namespace {

// The top edge of one face, walked from its right end to its left end as seen from outside
// (the order a face's outline needs), in steps like fallen courses.
std::vector<Vec3> BrokenTop(SceneRandom& random, Vec3 leftFoot, Vec3 rightFoot, double leftHeight,
                            double rightHeight, double height, double damage) {
    std::vector<Vec3> top;
    const Vec3 along = rightFoot - leftFoot;
    const double length = std::sqrt(Dot(along, along));
    const int steps = std::max(2, static_cast<int>(length / 1.6));
    double previous = rightHeight;
    top.push_back(rightFoot + Vec3{0, rightHeight, 0});
    for (int i = steps - 1; i > 0; --i) {
        const double t = double(i) / steps;
        const double drop = damage * height * random.Unit() * random.Unit() * 1.4;
        const double y =
            std::max(height * 0.2, std::min(height, Lerp(leftHeight, rightHeight, t)) - drop);
        const Vec3 foot = leftFoot + along * t;
        top.push_back(foot + Vec3{0, previous, 0});
        top.push_back(foot + Vec3{0, y, 0});
        previous = y;
    }
    top.push_back(leftFoot + Vec3{0, previous, 0});
    top.push_back(leftFoot + Vec3{0, leftHeight, 0});
    return top;
}

}  // namespace

void PaintRuinedBox(SceneContext& scene, const Camera& camera, const Box& box,
                    const Material& material, double damage, const BoxFaces& faces) {
    SceneRandom random = scene.random.ForkAt(box.x * 37 + box.z * 101);
    const double x0 = box.x, x1 = box.x + box.width, z0 = box.z, z1 = box.z + box.depth;
    const double y = box.base;
    double corner[4];  // front-left, front-right, back-right, back-left
    for (double& c : corner) c = box.height * (1.0 - damage * random.Range(0.0, 0.6));
    const Vec3 fl{x0, y, z0}, fr{x1, y, z0}, br{x1, y, z1}, bl{x0, y, z1};
    const QColor leaf =
        Distant(scene.mood, scene.mood.snow ? QColor(50, 64, 44) : QColor(46, 74, 36), 0.0);
    auto withIvy = [&](const FaceDetail& detail) -> FaceDetail {
        SceneRandom ivy = random.Fork(1);
        return [detail, ivy, leaf](QPainter& p, double w, double h) mutable {
            if (detail) detail(p, w, h);
            PaintIvy(p, ivy, leaf, w, h);
        };
    };
    struct Side {
        Vec3 left, right;
        double leftHeight, rightHeight;
        const FaceDetail& detail;
    };
    const Side sides[] = {{fl, fr, corner[0], corner[1], faces.front},
                          {br, bl, corner[2], corner[3], faces.back},
                          {bl, fl, corner[3], corner[0], faces.left},
                          {fr, br, corner[1], corner[2], faces.right}};
    for (const Side& side : sides) {
        std::vector<Vec3> outline{side.left, side.right};
        for (const Vec3& v : BrokenTop(random, side.left, side.right, side.leftHeight,
                                       side.rightHeight, box.height, damage))
            outline.push_back(v);
        PaintPlane(scene, camera, outline, material, withIvy(side.detail));
    }
}

void PaintIvy(QPainter& painter, SceneRandom& random, const QColor& leaf, double width,
              double height) {
    painter.setPen(Qt::NoPen);
    const int clumps = random.Int(0, 3);
    for (int c = 0; c < clumps; ++c) {
        double x = random.Range(0, width);
        const double reach = height * random.Range(0.2, 0.8);
        for (double y = 0; y < reach; y += 0.5) {
            x += random.Jitter(0.5);
            const double spread = 1.6 * (1.0 - y / reach) + 0.4;
            painter.setBrush(random.Chance(0.5) ? leaf : Scaled(leaf, 1.35));
            painter.drawEllipse(QPointF(x + random.Jitter(spread), y), spread * 0.6, 0.5);
        }
    }
}
