// A cricket ground in summer: the wide outfield with the pale pitch in its middle, players in
// white with the batsmen at the wickets, the pavilion with its balcony and clock, benches of
// spectators round the boundary, trees and the town's roofs beyond.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/gothicfront.h"
#include "tools/mkedition/scenes/groundplane.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/stands.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// A figure in cricket whites, the bat or the cap the only colour.
void PaintCricketer(SceneContext& scene, const Camera& camera, Vec3 foot, bool batting) {
    QPainter& p = scene.painter;
    const QPointF f = camera.Project(foot);
    const double h = camera.Scale(foot.x, foot.z) * 1.8;
    const QColor white = Lit(scene.mood, QColor(244, 242, 234));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(f + QPointF(h * 0.2, 0), h * 0.25, h * 0.04);
    p.setBrush(white);
    p.drawRect(QRectF(f.x() - h * 0.08, f.y() - h * 0.45, h * 0.16, h * 0.45));
    p.drawRect(QRectF(f.x() - h * 0.12, f.y() - h * 0.8, h * 0.24, h * 0.38));
    p.setBrush(QColor(220, 180, 150));
    p.drawEllipse(QPointF(f.x(), f.y() - h * 0.88), h * 0.065, h * 0.075);
    p.setBrush(QColor(30, 50, 90));
    p.drawChord(QRectF(f.x() - h * 0.07, f.y() - h * 0.99, h * 0.14, h * 0.12), 0, 180 * 16);
    if (batting) {
        p.setPen(QPen(QColor(200, 170, 110), h * 0.05));
        p.drawLine(f + QPointF(h * 0.1, -h * 0.5), f + QPointF(h * 0.3, -h * 0.1));
        p.setPen(Qt::NoPen);
    }
}

void PaintWicket(SceneContext& scene, const Camera& camera, double x, double z) {
    QPainter& p = scene.painter;
    p.setPen(QPen(QColor(236, 220, 180), std::max(0.6, camera.Scale(x, z) * 0.04)));
    for (double dx : {-0.11, 0.0, 0.11})
        p.drawLine(camera.Project(x + dx, 0, z), camera.Project(x + dx, 0.71, z));
    p.setPen(Qt::NoPen);
}

// The pavilion's front: a glazed balcony over tall doors, the clock in the gable.
FaceDetail PavilionFront(const OpeningLook& look) {
    return [look](QPainter& p, double w, double h) {
        const int bays = std::max(3, static_cast<int>(w / 3));
        PaintWindowRow(p, 0, w, 0.3, bays, 1.8, 2.6, Arch::Flat, look, 2, 3);
        PaintWindowRow(p, 0, w, h * 0.55, bays, 1.8, 2.2, Arch::Round, look, 2, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 246));
        p.drawRect(QRectF(0, h * 0.5, w, 0.25));
        for (double x = 0.2; x < w; x += 0.5) p.drawRect(QRectF(x, h * 0.5, 0.08, 1.0));
        p.drawRect(QRectF(0, h * 0.5 + 1.0, w, 0.12));
    };
}

}  // namespace

void PaintCricketGround(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xc41c);
    const double horizon = scene.h * random.Range(0.4, 0.48);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.1), random.Range(2, 5),
                        random.Jitter(0.25));
    // The outfield's green carries on under the viewer's feet.
    scene.mood.grass = Mix(scene.mood.grass, QColor(90, 150, 70), 0.5);
    PaintBackdrop(scene, horizon, BackdropStyle{false, 10, false});
    const double far = random.Range(60, 80);
    // The town's roofs over the trees beyond the ground.
    for (double x = camera.LeftAt(far + 40); x < camera.RightAt(far + 40);
         x += random.Range(9, 13)) {
        House house = RandomHouse(random, HouseStyle::Victorian, Box{x, far + 40, 10, 10, 0, 0});
        PaintHouse(scene, camera, house, Frontage::Front);
    }
    PaintTreeBelt(scene, camera.Project(0, 0, far + 10).y(), -20, scene.w + 20,
                  camera.Scale(0, far + 10) * 14, 0.4);
    // The outfield, mown in stripes, and the pale strip of the pitch in the middle.
    const QColor grass = scene.mood.grass;
    const FaceDetail mown = [](QPainter& p, double w, double h) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 20));
        for (double y = 0; y < h; y += 12) p.drawRect(QRectF(0, y, w, 6));
    };
    PaintGroundPlane(scene, camera, -300, 300, 2, far + 10, 0, Material{grass}, mown);
    const double pz = far * 0.45, px = random.Jitter(10);
    PaintPlane(scene, camera,
               {{px - 1.5, 0.01, pz - 10},
                {px + 1.5, 0.01, pz - 10},
                {px + 1.5, 0.01, pz + 10},
                {px - 1.5, 0.01, pz + 10}},
               Material{Lit(scene.mood, QColor(200, 190, 150))});
    // The pavilion and the stand beside it on the far boundary.
    const double pavX = camera.XAt(scene.w * random.Range(0.3, 0.7), far);
    const Material paint{random.Chance(0.5) ? QColor(236, 232, 222) : QColor(170, 100, 76),
                         random.Chance(0.5) ? Masonry::Smooth : Masonry::Brick};
    const Material roofing{QColor(90, 96, 104), Masonry::Slate};
    PaintStand(scene, camera, random,
               StandPlan{{pavX + 14, 0, far + 2},
                         {pavX + 60, 0, far + 2},
                         10,
                         5,
                         true,
                         0.6,
                         QColor(40, 100, 60),
                         QColor(236, 232, 222)});
    const Box pavilion{pavX - 12, far, 24, 12, 8, 0};
    PaintBox(scene, camera, pavilion, paint,
             BoxFaces{PavilionFront(WindowLook(scene, paint.colour)), {}, {}, {}, {}});
    PaintRoof(scene, camera, pavilion, RoofDesign{Roof::Hip, 4, roofing, paint});
    const Box gable{pavX - 3, far - 0.5, 6, 6, 4.5, 8};
    PaintBox(scene, camera, gable, paint,
             BoxFaces{ClockFace(scene, 2.4, 2.2, false), {}, {}, {}, {}});
    PaintRoof(scene, camera, gable, RoofDesign{Roof::GableEndOn, 2.5, roofing, paint});
    // The game: fielders about the ground, the batsmen and the umpire at the wickets.
    PaintWicket(scene, camera, px, pz - 10);
    PaintWicket(scene, camera, px, pz + 10);
    std::vector<std::pair<Vec3, bool>> players;
    players.push_back({{px + 0.5, 0, pz + 9}, true});
    players.push_back({{px - 1.5, 0, pz - 9}, true});
    players.push_back({{px + 0.3, 0, pz - 12}, false});
    for (int i = 0; i < 9; ++i)
        players.push_back({{px + random.Jitter(50), 0, pz + random.Jitter(pz * 0.7)}, false});
    std::sort(players.begin(), players.end(),
              [](const auto& a, const auto& b) { return a.first.z > b.first.z; });
    for (const auto& [foot, batting] : players) PaintCricketer(scene, camera, foot, batting);
}
