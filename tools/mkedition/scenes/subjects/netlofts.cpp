// Net lofts on the shingle: tall, narrow sheds of tarred black weatherboard, two or three
// storeys high with a door on every floor of the gable, standing in a huddle on the beach.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Overlapping boards, and a door on every floor of the gable end.
FaceDetail Weatherboard(int storeys, bool doors) {
    return [storeys, doors](QPainter& p, double w, double h) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 14));
        for (double y = 0.1; y < h; y += 0.3) p.drawRect(QRectF(0, y, w, 0.06));
        if (!doors) return;
        const double storey = h / storeys;
        for (int s = 0; s < storeys; ++s) {
            const QRectF door(w / 2 - 0.55, s * storey + 0.1, 1.1, storey * 0.75);
            p.setBrush(QColor(150, 140, 120));
            p.drawRect(door.adjusted(-0.1, 0, 0.1, 0.12));
            p.setBrush(QColor(16, 16, 18));
            p.drawRect(door);
        }
    };
}

struct Loft {
    double x, z, width, height;
    int storeys;
};

}  // namespace

void PaintNetLofts(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x4e70);
    ClearSnow(scene.mood);
    const double horizon = scene.h * random.Range(0.5, 0.58);
    const double yaw = (random.Chance(0.5) ? 1 : -1) * random.Range(0.15, 0.4);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, yaw);
    PaintSky(scene, horizon);
    const double shoreY = horizon + random.Range(8, 18) * scene.u;
    PaintSea(scene, horizon, shoreY + 4);
    SceneRandom shingle = random.Fork(2);
    PaintShingle(scene, shingle, shoreY, random.Jitter(10) * scene.u);

    // A cluster of lofts, the tallest near, spaced along a line across the beach.
    std::vector<Loft> lofts;
    const double z0 = random.Range(18, 26);
    const double x0 = camera.XAt(scene.w * (yaw > 0 ? 0.15 : 0.55), z0);
    for (int i = 0; i < random.Int(5, 8); ++i) {
        const int storeys = random.Int(2, 3);
        lofts.push_back({x0 + i * random.Range(4.2, 5.5) * (yaw > 0 ? 1 : -1) + random.Jitter(0.5),
                         z0 + i * random.Range(3, 6), random.Range(2.8, 3.6),
                         storeys * random.Range(2.8, 3.3), storeys});
    }
    std::sort(lofts.begin(), lofts.end(), [](const Loft& a, const Loft& b) { return a.z > b.z; });
    const Material tar{QColor(52, 48, 46), Masonry::Smooth};
    const Material roofing{QColor(40, 38, 38), Masonry::Slate};
    for (const Loft& loft : lofts) {
        const Box box{loft.x, loft.z, loft.width, random.Range(3, 4), loft.height, 0};
        const FaceDetail gable = Weatherboard(loft.storeys, true);
        const FaceDetail side = Weatherboard(loft.storeys, false);
        PaintBox(scene, camera, box, tar, BoxFaces{gable, {}, side, side, {}});
        PaintRoof(scene, camera, box,
                  RoofDesign{Roof::GableEndOn, loft.width * 0.6, roofing, tar, 0.25});
    }
}
