// A market day: rows of stalls under striped awnings down a street of shops, and the crowd.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/street.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

struct Stall {
    double x, z;  // left front corner
    QColor stripe;
};

// Fruit, vegetables and flowers on the boards.
void PaintProduce(QPainter& p, SceneRandom& random, double w, double h) {
    static const QColor kProduce[] = {
        QColor(200, 40, 30),  QColor(240, 150, 30),  QColor(90, 150, 40), QColor(230, 210, 60),
        QColor(120, 60, 110), QColor(220, 120, 140), QColor(150, 100, 60)};
    // Crates of one kind each, in rows across the boards.
    for (double y = 0.1; y < h - 0.3; y += 0.45)
        for (double x = 0.1; x < w - 0.3; x += 0.45) {
            p.setBrush(random.Pick(kProduce));
            p.drawRect(QRectF(x, y, 0.4, 0.4));
        }
}

void PaintStall(SceneContext& scene, const Camera& camera, const Stall& stall,
                SceneRandom& random) {
    const double w = 1.4, d = 2.6;
    static const QColor kCloths[] = {QColor(226, 222, 210), QColor(60, 110, 70),
                                     QColor(170, 60, 50), QColor(120, 96, 70)};
    const Material cloth{random.Pick(kCloths), Masonry::Smooth};
    const Box table{stall.x, stall.z, w, d, 0.9, 0};
    SceneRandom produce = random.Fork(7);
    FaceDetail top = [produce](QPainter& p, double fw, double fh) mutable {
        PaintProduce(p, produce, fw, fh);
    };
    PaintBox(scene, camera, table, cloth, BoxFaces{{}, {}, {}, {}, top});
    // Corner posts and a sloping awning in stripes.
    QPainter& p = scene.painter;
    for (double px : {stall.x, stall.x + w})
        for (double pz : {stall.z, stall.z + d}) {
            p.setPen(QPen(Distant(scene.mood, QColor(60, 50, 40), DistanceDepth(scene.mood, pz)),
                          std::max(0.7, camera.Scale(px, pz) * 0.06)));
            p.drawLine(camera.Project(px, 0, pz), camera.Project(px, 2.3, pz));
        }
    const QColor stripe = stall.stripe;
    FaceDetail stripes = [stripe](QPainter& painter, double fw, double fh) {
        painter.setBrush(stripe);
        for (double x = 0; x < fw; x += 0.5) painter.drawRect(QRectF(x, 0, 0.25, fh));
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRect(QRectF(0, 0, fw, 0.15));
    };
    const Material canvas{QColor(236, 232, 222), Masonry::Smooth};
    const double x0 = stall.x - 0.2, x1 = stall.x + w + 0.2, z0 = stall.z - 0.2,
                 z1 = stall.z + d + 0.2;
    const bool streetOnRight = stall.x < 0;
    // The awning slopes down towards the middle of the street.
    const double lowX = streetOnRight ? x1 : x0, highX = streetOnRight ? x0 : x1;
    const std::vector<Vec3> awning =
        streetOnRight ? std::vector<Vec3>{{lowX, 2.1, z0},
                                          {lowX, 2.1, z1},
                                          {highX, 2.7, z1},
                                          {highX, 2.7, z0}}
                      : std::vector<Vec3>{
                            {lowX, 2.1, z1}, {lowX, 2.1, z0}, {highX, 2.7, z0}, {highX, 2.7, z1}};
    if (!PaintPlane(scene, camera, awning, canvas, stripes)) {
        std::vector<Vec3> under(awning.rbegin(), awning.rend());
        PaintPlane(scene, camera, under, canvas, stripes);
    }
    // The valance hanging along the front edge.
    PaintPlane(scene, camera,
               {{x0, 1.9, z0},
                {x1, 1.9, z0},
                {x1, 2.1 + (streetOnRight ? 0 : 0.6), z0},
                {x0, 2.1 + (streetOnRight ? 0.6 : 0), z0}},
               canvas, stripes);
}

}  // namespace

void PaintMarket(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x3a4e7);
    const double horizon = scene.h * random.Range(0.42, 0.5);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), random.Range(1.6, 2.4),
                        random.Jitter(0.08));
    PaintSkyline(scene, horizon, 25);
    StreetPlan plan;
    plan.width = random.Range(16, 22);
    plan.length = random.Range(70, 110);
    plan.shops = true;
    PaintStreet(scene, camera, plan);

    static const QColor kStripes[] = {QColor(190, 40, 40), QColor(40, 120, 70), QColor(40, 70, 150),
                                      QColor(220, 160, 40), QColor(120, 40, 110)};
    std::vector<Stall> stalls;
    const double lane = random.Range(2.0, 3.5);
    for (double side : {-1.0, 1.0})
        for (double z = random.Range(4, 8); z < 60; z += random.Range(3.0, 4.5))
            stalls.push_back({side < 0 ? -lane - 1.4 : lane, z, random.Pick(kStripes)});
    struct Walker {
        Vec3 foot;
        double height;
    };
    std::vector<Walker> crowd;
    for (int i = 0; i < random.Int(10, 24); ++i)
        crowd.push_back({{random.Range(-lane + 0.4, lane - 0.4), 0, random.Range(5, 55)},
                         random.Range(1.55, 1.85)});
    // Stalls and people together, far to near.
    std::sort(stalls.begin(), stalls.end(),
              [](const Stall& a, const Stall& b) { return a.z > b.z; });
    std::sort(crowd.begin(), crowd.end(),
              [](const Walker& a, const Walker& b) { return a.foot.z > b.foot.z; });
    size_t next = 0;
    for (const Stall& stall : stalls) {
        while (next < crowd.size() && crowd[next].foot.z > stall.z + 2.6) {
            const Walker& walker = crowd[next++];
            PaintPerson(scene, random, camera.Project(walker.foot),
                        camera.Scale(walker.foot.x, walker.foot.z) * walker.height,
                        DistanceDepth(scene.mood, walker.foot.z));
        }
        PaintStall(scene, camera, stall, random);
    }
    for (; next < crowd.size(); ++next)
        PaintPerson(scene, random, camera.Project(crowd[next].foot),
                    camera.Scale(crowd[next].foot.x, crowd[next].foot.z) * crowd[next].height,
                    DistanceDepth(scene.mood, crowd[next].foot.z));
}
