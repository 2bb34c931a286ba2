// A festival field: white marquees with striped walls and peaked canvas roofs, round bell
// tents, strings of bunting between poles and the crowd going from one to the next, the
// town's roofs and chapels beyond.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

// Canvas walls in stripes, the entrance flaps tied back on the dark inside.
FaceDetail Canvas(const QColor& stripe, bool entrance) {
    return [=](QPainter& p, double w, double h) {
        p.setPen(Qt::NoPen);
        p.setBrush(stripe);
        for (double x = 0; x < w; x += 1.2) p.drawRect(QRectF(x, 0, 0.6, h));
        if (entrance) {
            p.setBrush(QColor(40, 34, 30));
            p.drawRect(QRectF(w / 2 - 1.2, 0, 2.4, h * 0.92));
        }
        // The scalloped valance along the eaves.
        p.setBrush(QColor(250, 250, 246));
        for (double x = 0; x < w; x += 0.8)
            p.drawChord(QRectF(x, h - 0.5, 0.8, 0.6), 180 * 16, 180 * 16);
    };
}

// Bunting sagging between two points.
void PaintBunting(SceneContext& scene, const Camera& camera, Vec3 from, Vec3 to) {
    QPainter& p = scene.painter;
    const QPointF a = camera.Project(from), b = camera.Project(to);
    const QPointF mid = (a + b) / 2 + QPointF(0, camera.Scale(from.x, from.z) * 0.8);
    QPainterPath line(a);
    line.quadTo(mid, b);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    static const QColor kFlags[] = {QColor(220, 40, 40), QColor(250, 210, 40), QColor(40, 90, 190),
                                    QColor(40, 160, 80), QColor(250, 250, 250)};
    const double size = camera.Scale((from.x + to.x) / 2, (from.z + to.z) / 2) * 0.35;
    for (int i = 1; i < 24; ++i) {
        const QPointF at = line.pointAtPercent(i / 24.0);
        p.setBrush(Lit(scene.mood, kFlags[i % 5]));
        p.drawPolygon(QPolygonF({at - QPointF(size * 0.5, 0), at + QPointF(size * 0.5, 0),
                                 at + QPointF(0, size * 1.2)}));
    }
}

}  // namespace

void PaintFestivalTents(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xfe57);
    const double horizon = scene.h * random.Range(0.48, 0.56);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.1), random.Range(1.7, 3),
                        random.Jitter(0.2));
    PaintBackdrop(scene, horizon, BackdropStyle{false, 25, false});
    // The town beyond the field.
    for (double x = camera.LeftAt(160); x < camera.RightAt(160); x += random.Range(8, 11)) {
        House house = RandomHouse(random, RandomHouseStyle(random, 1850), Box{x, 160, 9, 8, 0, 0});
        PaintHouse(scene, camera, house, Frontage::Front);
    }
    static const QColor kStripes[] = {QColor(200, 50, 50), QColor(50, 90, 170), QColor(40, 130, 80),
                                      QColor(230, 180, 40)};
    const Material canvas{QColor(246, 244, 236)};
    struct Tent {
        double x, z, width, depth;
        bool round;
    };
    std::vector<Tent> tents;
    for (double z = 90; z > 30; z -= random.Range(14, 22))
        for (int i = 0; i < random.Int(1, 3); ++i)
            tents.push_back({random.Range(-40, 40), z + random.Jitter(4), random.Range(10, 22),
                             random.Range(8, 12), random.Chance(0.35)});
    std::sort(tents.begin(), tents.end(), [](const Tent& a, const Tent& b) { return a.z > b.z; });
    std::vector<Vec3> poles;
    for (const Tent& tent : tents) {
        const QColor stripe = random.Pick(kStripes);
        if (tent.round) {
            const Round bell{tent.x, tent.z, tent.depth * 0.45};
            PaintCylinder(scene, camera, bell, 0, 2.2, Material{Mix(canvas.colour, stripe, 0.25)});
            PaintCone(scene, camera, bell, 2.2, 2.2 + tent.depth * 0.5, canvas);
            poles.push_back({tent.x, 2.2 + tent.depth * 0.5, tent.z});
            continue;
        }
        const Box walls{tent.x - tent.width / 2, tent.z, tent.width, tent.depth, 2.4, 0};
        PaintBox(
            scene, camera, walls, canvas,
            BoxFaces{Canvas(stripe, true), {}, Canvas(stripe, false), Canvas(stripe, false), {}});
        PaintRoof(scene, camera, walls,
                  RoofDesign{random.Chance(0.5) ? Roof::Hip : Roof::Gable, tent.depth * 0.45,
                             canvas, canvas, 0.4});
        poles.push_back({tent.x, 2.4 + tent.depth * 0.45 + 1, tent.z + tent.depth / 2});
    }
    for (size_t i = 1; i < poles.size(); ++i)
        if (poles[i - 1].z - poles[i].z < 25) PaintBunting(scene, camera, poles[i - 1], poles[i]);
    std::vector<Vec3> crowd;
    for (int i = 0; i < random.Int(16, 30); ++i)
        crowd.push_back({random.Range(-30, 30), 0, random.Range(6, tents.back().z - 2)});
    PaintCrowd(scene, camera, random, crowd);
    PaintGrassBlades(scene, scene.h * 0.88, scene.h, 200);
}
