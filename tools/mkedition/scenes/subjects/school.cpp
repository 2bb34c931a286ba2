// A school: the village school, one tall room under a steep roof with its bell-cote and the
// children in the walled yard; or an old grammar school of stone between gabled wings, with
// mullioned windows, a great hall window and the founder's panel over the porch.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

// Tall schoolroom windows, pointed, high off the floor so the children look at the board.
FaceDetail SchoolroomSide(const OpeningLook& look, int windows) {
    return [=](QPainter& p, double w, double) {
        PaintWindowRow(p, 0, w, 1.4, windows, 1.3, 3.0, Arch::Pointed, look, 3, 4);
    };
}

// Mullioned windows on two floors, the porch door and its carved panel, the hall's great
// window beside it.
FaceDetail GrammarFront(const OpeningLook& look, const QColor& stone) {
    return [=](QPainter& p, double w, double h) {
        const double hall = w * 0.62;
        PaintWindowRow(p, 0, w * 0.4, 0.9, 2, 2.0, 1.3, Arch::Flat, look, 4, 2);
        PaintWindowRow(p, 0, w * 0.4, h * 0.58, 2, 2.0, 1.2, Arch::Flat, look, 4, 2);
        PaintWindow(p, QRectF(hall - 1.4, 1.0, 2.8, h - 2.2), Arch::Pointed, look, 4, 5,
                    look.litShare > 0);
        PaintDoorway(p, QRectF(w * 0.82 - 0.7, 0, 1.4, 2.4), Arch::Pointed, QColor(70, 50, 36),
                     Scaled(stone, 1.1));
        p.setPen(Qt::NoPen);
        p.setBrush(Scaled(stone, 1.15));
        p.drawRect(QRectF(w * 0.82 - 0.6, 2.8, 1.2, 0.8));
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRect(QRectF(w * 0.82 - 0.45, 3.05, 0.35, 0.4));
        p.drawRect(QRectF(w * 0.82 + 0.1, 3.05, 0.35, 0.4));
    };
}

void PaintChildren(SceneContext& scene, const Camera& camera, SceneRandom& random, double x0,
                   double x1, double z0, double z1) {
    std::vector<Vec3> feet;
    for (int i = 0; i < random.Int(6, 14); ++i)
        feet.push_back({random.Range(x0, x1), 0, random.Range(z0, z1)});
    std::sort(feet.begin(), feet.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : feet)
        PaintPerson(scene, random, camera.Project(foot),
                    camera.Scale(foot.x, foot.z) * random.Range(1.05, 1.4),
                    DistanceDepth(scene.mood, foot.z));
}

void PaintVillageSchool(SceneContext& scene, const Camera& camera, SceneRandom& random, double cx,
                        double z) {
    const QColor stones[] = {QColor(160, 150, 136), QColor(186, 170, 140), QColor(150, 120, 96)};
    const Material stone{random.Pick(stones), Masonry::Rubble};
    const Material slate{QColor(70, 74, 82), Masonry::Slate};
    const OpeningLook look = WindowLook(scene, Scaled(stone.colour, 1.2));
    // The schoolhouse where the teacher lives, at one end.
    const bool houseLeft = random.Chance(0.5);
    House teacher = RandomHouse(random, HouseStyle::Cottage,
                                Box{houseLeft ? cx - 15 : cx + 8, z + 2, 7, 6, 0, 0});
    teacher.wall = stone;
    teacher.roofing = slate;
    PaintHouse(scene, camera, teacher, Frontage::Front);
    const Box room{cx - 8, z, 16, 7, 4.2, 0};
    const FaceDetail side = SchoolroomSide(look, 4);
    PaintBox(scene, camera, room, stone, BoxFaces{side, {}, {}, {}, {}});
    PaintRoof(scene, camera, room, RoofDesign{Roof::Gable, 4.5, slate, stone});
    // The bell-cote on the gable: two stone piers and a little roof over the bell.
    const double bx = houseLeft ? room.x + room.width - 1.2 : room.x + 0.2;
    const Box cote{bx, z + 3, 1.0, 1.0, 1.8, 4.2 + 4.5 - 0.4};
    PaintBox(scene, camera, cote, stone);
    PaintRoof(scene, camera, cote, RoofDesign{Roof::Pyramid, 0.9, slate, stone});
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, QColor(60, 50, 30), 0.2));
    p.drawEllipse(camera.Project(bx + 0.5, cote.base + 0.9, z + 2.9), camera.Scale(bx, z) * 0.25,
                  camera.Scale(bx, z) * 0.3);
    // The porch, gable to the yard, with its door.
    const Box porch{houseLeft ? cx + 2 : cx - 5, z - 3, 3, 3, 2.8, 0};
    const FaceDetail door = [](QPainter& painter, double w, double) {
        PaintDoorway(painter, QRectF(w / 2 - 0.5, 0, 1.0, 2.1), Arch::Pointed, QColor(60, 70, 90),
                     QColor(200, 190, 170));
    };
    PaintBox(scene, camera, porch, stone, BoxFaces{door, {}, {}, {}, {}});
    PaintRoof(scene, camera, porch, RoofDesign{Roof::GableEndOn, 1.6, slate, stone});
    PaintChildren(scene, camera, random, cx - 14, cx + 14, z - 9, z - 4);
    PaintStoneWall(scene, camera, cx - 40, cx - 2, z - 12, 1.1);
    PaintStoneWall(scene, camera, cx + 2, cx + 40, z - 12, 1.1);
}

void PaintGrammarSchool(SceneContext& scene, const Camera& camera, SceneRandom& random, double cx,
                        double z) {
    const QColor stones[] = {QColor(212, 184, 130), QColor(196, 176, 140), QColor(180, 160, 130)};
    const Material stone{random.Pick(stones), Masonry::Ashlar};
    const Material roofing{QColor(110, 100, 90), Masonry::Slate};
    const OpeningLook look = WindowLook(scene, Scaled(stone.colour, 1.1));
    const Box range{cx - 10, z, 20, 8, 7.5, 0};
    PaintBox(scene, camera, range, stone,
             BoxFaces{GrammarFront(look, stone.colour), {}, {}, {}, {}});
    PaintRoof(scene, camera, range, RoofDesign{Roof::Gable, 4.5, roofing, stone});
    // Gabled wings coming forward at both ends.
    const FaceDetail wingFront = [look](QPainter& p, double w, double h) {
        PaintWindowRow(p, 0, w, 0.9, 1, 2.2, 1.4, Arch::Flat, look, 4, 2);
        PaintWindowRow(p, 0, w, h * 0.58, 1, 2.2, 1.3, Arch::Flat, look, 4, 2);
    };
    for (double x : {cx - 16.0, cx + 10.0}) {
        const Box wing{x, z - 3, 6, 12, 8.5, 0};
        PaintBox(scene, camera, wing, stone, BoxFaces{wingFront, {}, {}, {}, {}});
        PaintRoof(scene, camera, wing, RoofDesign{Roof::GableEndOn, 3.5, roofing, stone});
        PaintBox(scene, camera, Box{x + 2.4, z + 5, 1.2, 1.2, 2.2, 8.5 + 3.0}, stone);
    }
    PaintPath(scene, camera, {cx + 6.4, 0, 1}, {cx + 6.4, 0, z}, 2.2,
              Lit(scene.mood, QColor(190, 180, 160)));
    PaintChildren(scene, camera, random, cx - 12, cx + 12, z - 12, z - 4);
    PaintFence(scene, camera, cx - 40, cx + 4, z - 14);
    PaintFence(scene, camera, cx + 9, cx + 40, z - 14);
}

}  // namespace

void PaintSchool(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x5c01);
    const bool grammar = scene.year < 1750;
    const double horizon = scene.h * random.Range(0.56, 0.64);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 1.6, random.Jitter(0.3));
    PaintBackdrop(scene, horizon, BackdropStyle{false, grammar ? 20.0 : 45.0, grammar});
    const double z = random.Range(34, 44);
    const double cx = camera.XAt(scene.w * random.Range(0.44, 0.56), z);
    if (grammar)
        PaintGrammarSchool(scene, camera, random, cx, z);
    else
        PaintVillageSchool(scene, camera, random, cx, z);
}
