// A holiday camp in its summer: rows of bright little chalets on the lawns, the open-air pool
// full of swimmers, the white ballroom behind with its flags, bunting and holidaymakers.
#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

// A chalet's front: a door in its colour and a window with curtains.
FaceDetail ChaletFront(const OpeningLook& look, const QColor& door) {
    return [=](QPainter& p, double w, double) {
        p.setPen(Qt::NoPen);
        p.setBrush(door);
        p.drawRect(QRectF(w * 0.15, 0, 0.9, 2.0));
        PaintWindow(p, QRectF(w * 0.5, 0.9, w * 0.38, 1.0), Arch::Flat, look, 2, 1, false);
    };
}

void PaintPool(SceneContext& scene, const Camera& camera, SceneRandom& random, double x0, double x1,
               double z0, double z1) {
    const QColor tile(230, 228, 220), water(60, 170, 200);
    PaintPlane(scene, camera,
               {{x0 - 2, 0, z0 - 2}, {x1 + 2, 0, z0 - 2}, {x1 + 2, 0, z1 + 2}, {x0 - 2, 0, z1 + 2}},
               Material{Lit(scene.mood, tile)});
    const FaceDetail ripples = [](QPainter& p, double w, double h) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 0.08));
        for (double y = 0.5; y < h; y += 1.1) p.drawLine(QPointF(0, y), QPointF(w, y + 0.3));
        p.setPen(QPen(QColor(255, 255, 255, 120), 0.1));
        for (double x = 2.5; x < w; x += 2.5) p.drawLine(QPointF(x, 0), QPointF(x, h));
        p.setPen(Qt::NoPen);
    };
    PaintPlane(scene, camera, {{x0, 0.01, z0}, {x1, 0.01, z0}, {x1, 0.01, z1}, {x0, 0.01, z1}},
               Material{Mix(water, scene.mood.skyTop, 0.3)}, ripples);
    // Heads and arms of swimmers.
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    static const QColor kCaps[] = {QColor(230, 60, 60), QColor(250, 250, 250), QColor(240, 200, 40),
                                   QColor(120, 80, 60)};
    for (int i = 0; i < random.Int(6, 14); ++i) {
        const Vec3 at{random.Range(x0 + 1, x1 - 1), 0, random.Range(z0 + 1, z1 - 1)};
        const double s = camera.Scale(at.x, at.z);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(camera.Project(at), s * 0.45, s * 0.12);
        p.setBrush(random.Pick(kCaps));
        p.drawEllipse(camera.Project(at) - QPointF(0, s * 0.12), s * 0.14, s * 0.13);
    }
}

void PaintFlag(SceneContext& scene, const Camera& camera, Vec3 foot, double height,
               const QColor& colour) {
    QPainter& p = scene.painter;
    const QPointF top = camera.Project(foot + Vec3{0, height, 0});
    const double s = camera.Scale(foot.x, foot.z);
    p.setPen(QPen(QColor(240, 240, 240), std::max(0.8, s * 0.1)));
    p.drawLine(camera.Project(foot), top);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(top.x(), top.y(), s * 1.8, s * 1.1));
}

}  // namespace

void PaintHolidayCamp(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x4c1d);
    const double horizon = scene.h * random.Range(0.42, 0.5);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.15), random.Range(3.5, 6),
                        random.Jitter(0.15));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal || random.Chance(0.5), 15, true});
    const double cx = camera.XAt(scene.w * 0.5, 60);
    // The ballroom behind: a long white front with a glazed middle and a tower of flags.
    const Material white{QColor(242, 240, 232)};
    const Box ballroom{cx - 25, 110, 50, 25, 10, 0};
    const FaceDetail front = [look = WindowLook(scene, white.colour)](QPainter& p, double w,
                                                                      double h) {
        PaintWindowRow(p, w * 0.3, w * 0.7, 1.0, 5, 1.8, h * 0.7, Arch::Round, look, 2, 5);
        p.fillRect(QRectF(0, h - 1.2, w, 0.5), QColor(50, 140, 110));
    };
    PaintBox(scene, camera, ballroom, white, BoxFaces{front, {}, front, front, {}});
    PaintBox(scene, camera, Box{cx - 3, 108, 6, 6, 18, 0}, white);
    static const QColor kFlags[] = {QColor(200, 40, 40), QColor(40, 80, 170), QColor(240, 200, 40),
                                    QColor(40, 140, 80)};
    PaintFlag(scene, camera, {cx, 18, 108}, 6, random.Pick(kFlags));
    // Rows of chalets down both sides of the lawns, painted in turn.
    static const QColor kDoors[] = {QColor(220, 70, 60), QColor(60, 120, 200), QColor(240, 190, 40),
                                    QColor(70, 170, 110), QColor(230, 130, 170)};
    const Material roofing{QColor(60, 110, 80), Masonry::Slate};
    for (double side : {-1.0, 1.0})
        for (int row = 1; row >= 0; --row)
            for (double z = 100; z > 10; z -= 4.5) {
                const double x = cx + side * (16 + row * 12);
                const Box chalet{side < 0 ? x - 4 : x, z, 4, 3.5, 2.6, 0};
                const FaceDetail face =
                    ChaletFront(WindowLook(scene, white.colour), random.Pick(kDoors));
                PaintBox(
                    scene, camera, chalet, white,
                    side < 0 ? BoxFaces{{}, {}, {}, face, {}} : BoxFaces{{}, {}, face, {}, {}});
                PaintRoof(scene, camera, chalet, RoofDesign{Roof::Gable, 1.2, roofing, white});
            }
    const double poolZ = random.Range(22, 32);
    PaintPool(scene, camera, random, cx - 10, cx + 10, poolZ, poolZ + 22);
    for (double z = 20; z < 100; z += 20) {
        PaintFlag(scene, camera, {cx - 13, 0, z}, 7, random.Pick(kFlags));
        PaintFlag(scene, camera, {cx + 13, 0, z}, 7, random.Pick(kFlags));
    }
    std::vector<Vec3> campers;
    for (int i = 0; i < random.Int(10, 20); ++i)
        campers.push_back(
            {cx + random.Jitter(14), 0,
             random.Chance(0.5) ? random.Range(8, poolZ - 3) : random.Range(poolZ + 24, 95)});
    PaintCrowd(scene, camera, random, campers);
}
