// A theatre or concert hall: a grand lit front on a street corner, columns and arched
// windows, a canopy over the doors and people arriving.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

// Tall arched windows over the doors, a row of glazed doors, the name panel left blank.
FaceDetail TheatreFront(const OpeningLook& look, const QColor& dressing, bool lit) {
    return [=](QPainter& p, double w, double h) {
        const int bays = std::max(3, static_cast<int>(w / 4.5));
        PaintWindowRow(p, 0, w, 6.5, bays, 2.0, 5.0, Arch::Round, look, 2, 4);
        PaintWindowRow(p, 0, w, h - 4.5, bays, 1.2, 1.8, Arch::Flat, look, 2, 2);
        const double bay = w / bays;
        for (int i = 0; i < bays; ++i) {
            const QRectF door(bay * (i + 0.5) - 1.0, 0, 2.0, 3.2);
            p.fillRect(door.adjusted(-0.2, 0, 0.2, 0.2), Scaled(dressing, 0.9));
            p.fillRect(door, lit ? QColor(255, 214, 140) : QColor(40, 34, 30));
        }
        // Pilasters between the bays and a heavy cornice.
        p.setBrush(QColor(0, 0, 0, 30));
        for (int i = 0; i <= bays; ++i) p.drawRect(QRectF(bay * i - 0.4, 4.2, 0.8, h - 6.5));
        p.setBrush(Scaled(dressing, 1.1));
        p.drawRect(QRectF(0, h - 1.2, w, 1.2));
        p.drawRect(QRectF(0, 4.0, w, 0.4));
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRect(QRectF(0, h - 1.35, w, 0.15));
    };
}

// The canopy over the entrance, glowing underneath in the evening.
void PaintCanopy(SceneContext& scene, const Camera& camera, double x0, double x1, double z,
                 bool lit) {
    const Material iron{QColor(40, 44, 42), Masonry::Smooth};
    const Box canopy{x0, z - 3, x1 - x0, 3, 0.5, 3.8};
    PaintBox(scene, camera, canopy, iron);
    if (lit) {
        QPainter& p = scene.painter;
        p.setPen(Qt::NoPen);
        for (double x = x0 + 0.5; x < x1; x += 1.2) {
            const QPointF bulb = camera.Project(x, 3.75, z - 2.9);
            const double r = std::max(0.8, camera.Scale(x, z) * 0.12);
            p.setBrush(QColor(255, 240, 200));
            p.drawEllipse(bulb, r, r);
        }
    }
    for (double x : {x0 + 0.2, x1 - 0.2}) {
        QPainter& p = scene.painter;
        p.setPen(
            QPen(Distant(scene.mood, iron.colour, 0.1), std::max(0.8, camera.Scale(x, z) * 0.12)));
        p.drawLine(camera.Project(x, 0, z - 2.8), camera.Project(x, 3.8, z - 2.8));
    }
}

}  // namespace

void PaintTheatre(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x7ea7);
    // A theatre is seen at its best when the lamps are lit.
    if (random.Chance(0.55)) {
        scene.mood.time = DayTime::Evening;
        scene.mood.windowsLit = true;
        scene.mood.skyTop = QColor(36, 44, 86);
        scene.mood.skyHorizon = QColor(226, 140, 96);
        scene.mood.sunVisible = false;
        scene.mood.light = QColor(255, 214, 170);
    }
    const bool lit = scene.mood.windowsLit;
    const double horizon = scene.h * random.Range(0.64, 0.72);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 1.6, random.Jitter(0.35));
    PaintSky(scene, horizon);

    const double z = random.Range(70, 90);
    const double width = random.Range(30, 42), height = random.Range(18, 24);
    const double cx = camera.XAt(scene.w * random.Range(0.42, 0.58), z);
    const QColor stones[] = {QColor(214, 200, 170), QColor(226, 220, 206), QColor(190, 120, 96),
                             QColor(200, 184, 150)};
    const Material wall{random.Pick(stones), Masonry::Ashlar};
    const Material dressing{Scaled(wall.colour, 1.08), Masonry::Smooth};
    // The square in front of the theatre, and the road across it.
    const QColor paving(160, 154, 142);
    PaintFlagstones(scene, camera, 2, z + 30, 2.5, paving);
    QPainter& p = scene.painter;
    const QColor road = scene.mood.snow ? QColor(210, 214, 222) : QColor(84, 84, 88);
    const double left = camera.LeftAt(z - 14), right = camera.RightAt(z - 14);
    const QPolygonF carriageway({camera.Project(left, 0, z - 14), camera.Project(right, 0, z - 14),
                                 camera.Project(right, 0, z - 28),
                                 camera.Project(left, 0, z - 28)});
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, road, 0.15));
    p.drawPolygon(carriageway);
    p.setPen(QPen(Lit(scene.mood, paving), std::max(1.0, camera.Scale(0, z - 14) * 0.15)));
    p.drawLine(camera.Project(left, 0.1, z - 14), camera.Project(right, 0.1, z - 14));
    p.setPen(Qt::NoPen);

    // Neighbouring buildings either side.
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 3; ++i) {
            const double w = random.Range(8, 12);
            const double x = side < 0 ? cx - width / 2 - (i + 1) * w - 0.5 * i
                                      : cx + width / 2 + i * w + 0.5 * i;
            House house = RandomHouse(
                random, random.Chance(0.5) ? HouseStyle::Georgian : HouseStyle::Victorian,
                Box{x, z + 4, w, 12, 0, 0});
            house.shop = random.Chance(0.6);
            PaintHouse(scene, camera, house, Frontage::Front);
        }
    }
    const Box front{cx - width / 2, z, width, 30, height, 0};
    const FaceDetail face = TheatreFront(WindowLook(scene, dressing.colour), dressing.colour, lit);
    PaintBox(scene, camera, front, wall, BoxFaces{face, {}, face, face, {}});
    PaintBalustrade(scene, camera, front, dressing);
    const int form = random.Int(0, 2);
    if (form == 0) {
        PaintPortico(scene, camera, cx, z - 5, width * 0.55, 5, height * 0.85, 6, dressing);
    } else {
        // Domed corner towers over a canopied entrance.
        for (double side : {-1.0, 1.0}) {
            const Box tower{cx + side * width / 2 - (side > 0 ? 6 : 0), z - 1, 6, 6, height + 5, 0};
            PaintBox(scene, camera, tower, wall, BoxFaces{face, {}, {}, {}, {}});
            PaintDome(
                scene, camera, Round{tower.x + 3, tower.z + 3, 3.2}, height + 5, 4.5,
                Material{form == 1 ? QColor(90, 140, 120) : QColor(70, 76, 90), Masonry::Smooth});
        }
        PaintCanopy(scene, camera, cx - width * 0.3, cx + width * 0.3, z, lit);
    }

    // Lamps along the kerb on both sides of the road.
    for (double x = cx - width * 0.8; x <= cx + width * 0.8; x += width * 0.4) {
        PaintLampPost(scene, camera, {x, 0, z - 13});
    }
    // Theatregoers on the pavement.
    std::vector<Vec3> people;
    for (int i = 0; i < random.Int(5, 14); ++i)
        people.push_back(
            {cx + random.Jitter(width * 0.6), 0,
             random.Chance(0.6) ? random.Range(z - 12, z - 6) : random.Range(12, z - 28)});
    std::sort(people.begin(), people.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : people)
        PaintPerson(scene, random, camera.Project(foot),
                    camera.Scale(foot.x, foot.z) * random.Range(1.6, 1.85),
                    DistanceDepth(scene.mood, foot.z));
}
