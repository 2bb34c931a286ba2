// The parliament by the river: a long Gothic range of pinnacles between a great square tower
// and the clock tower, seen across the water, floodlit gold after dark; or its forecourt with
// the guard in scarlet changing watch.
#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/gothicfront.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

struct Estates {
    double x0, x1, z;  // the river front
    double height;
    Material stone;
    bool clockOnLeft;
};

// Floodlights from below turn the stone gold against the night sky.
void Floodlight(SceneContext& scene) {
    scene.mood.skyTop = QColor(8, 12, 30);
    scene.mood.skyHorizon = QColor(36, 40, 66);
    scene.mood.sunVisible = false;
    if (scene.mood.weather != Weather::Rain) scene.mood.weather = Weather::Clear;
    scene.mood.light = QColor(255, 206, 130);
    scene.mood.shade = QColor(190, 130, 70);
    scene.mood.contrast = 0.6;
    scene.mood.windowsLit = true;
    scene.mood.haze = QColor(40, 40, 60);
}

void PaintTower(SceneContext& scene, const Camera& camera, const Box& tower, const Material& stone,
                bool clock, bool lit) {
    PaintBox(scene, camera, tower, stone,
             BoxFaces{GothicBays(scene, stone.colour, tower.width / 2, 6), {}, {}, {}, {}});
    PaintPinnacles(scene, camera, tower, tower.width / 4, true);
    const Box belfry{tower.x + 0.5,
                     tower.z + 0.5,
                     tower.width - 1,
                     tower.depth - 1,
                     clock ? tower.width * 1.1 : tower.width * 0.4,
                     tower.height};
    const FaceDetail face =
        clock ? ClockFace(scene, belfry.width * 0.75, belfry.height * 0.55, lit) : FaceDetail{};
    PaintBox(scene, camera, belfry, stone, BoxFaces{face, {}, face, face, {}});
    const Box top{belfry.x, belfry.z, belfry.width, belfry.depth, belfry.height, belfry.base};
    const Material slate{QColor(70, 76, 84), Masonry::Slate};
    PaintRoof(scene, camera, top,
              RoofDesign{Roof::Pyramid, tower.width * (clock ? 1.3 : 0.6), slate, stone});
    PaintPinnacles(scene, camera,
                   Box{top.x, top.z, top.width, top.depth, 0.1, top.base + top.height},
                   top.width / 3, true);
}

void PaintEstates(SceneContext& scene, const Camera& camera, const Estates& e, bool lit) {
    const double length = e.x1 - e.x0;
    const double clockX = e.clockOnLeft ? e.x0 - 4 : e.x1 - 12;
    const double greatX = e.clockOnLeft ? e.x1 - 20 : e.x0;
    // The great tower stands behind the range's end, the clock tower out at the other.
    PaintTower(scene, camera, Box{greatX, e.z + 12, 22, 22, e.height * 2.6, 0}, e.stone, false,
               lit);
    // A central lantern and spire over the lobby.
    const Round lantern{(e.x0 + e.x1) / 2, e.z + 40, 6};
    PaintCylinder(scene, camera, lantern, e.height, e.height * 1.9, e.stone);
    PaintCone(scene, camera, lantern, e.height * 1.9, e.height * 2.6,
              Material{Scaled(e.stone.colour, 0.9)});
    // The long river front in three blocks, the middle set back.
    const double third = length / 3;
    for (int i : {0, 2, 1}) {
        const Box block{e.x0 + i * third, e.z + (i == 1 ? 4 : 0), third, 30, e.height, 0};
        PaintBox(scene, camera, block, e.stone,
                 BoxFaces{GothicBays(scene, e.stone.colour, 4.5, 3), {}, {}, {}, {}});
        PaintPinnacles(scene, camera, block, 4.5, true);
    }
    PaintTower(scene, camera, Box{clockX, e.z - 4, 12, 12, e.height * 2.9, 0}, e.stone, true, lit);
}

// A guardsman of the Household Guard: scarlet cloak, dark breeches, plumed helmet, musket.
void PaintGuardsman(SceneContext& scene, QPointF foot, double h, double depth) {
    QPainter& p = scene.painter;
    const QColor scarlet = Distant(scene.mood, Lit(scene.mood, QColor(196, 30, 34)), depth);
    const QColor dark = Distant(scene.mood, QColor(30, 30, 40), depth);
    const QColor steel = Distant(scene.mood, Lit(scene.mood, QColor(210, 210, 214)), depth);
    const double x = foot.x(), y = foot.y();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(x + h * 0.15, y), h * 0.25, h * 0.04);
    p.setPen(QPen(dark, h * 0.08, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x - h * 0.04, y - h * 0.45), QPointF(x - h * 0.04, y));
    p.drawLine(QPointF(x + h * 0.04, y - h * 0.45), QPointF(x + h * 0.04, y));
    QPainterPath cloak;
    cloak.moveTo(x - h * 0.12, y - h * 0.8);
    cloak.lineTo(x + h * 0.12, y - h * 0.8);
    cloak.lineTo(x + h * 0.16, y - h * 0.38);
    cloak.lineTo(x - h * 0.16, y - h * 0.38);
    cloak.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(cloak, scarlet);
    p.setBrush(Distant(scene.mood, QColor(230, 190, 160), depth));
    p.drawEllipse(QPointF(x, y - h * 0.87), h * 0.055, h * 0.065);
    p.setBrush(steel);
    p.drawChord(QRectF(x - h * 0.07, y - h * 1.0, h * 0.14, h * 0.14), 0, 180 * 16);
    p.setBrush(Distant(scene.mood, QColor(240, 240, 240), depth));
    p.drawEllipse(QPointF(x - h * 0.02, y - h * 1.04), h * 0.05, h * 0.035);
    p.setPen(QPen(dark, h * 0.025));
    p.drawLine(QPointF(x + h * 0.14, y - h * 0.4), QPointF(x + h * 0.14, y - h * 1.05));
    p.setPen(Qt::NoPen);
}

// Black iron railings with spear heads across the foreground.
void PaintRailings(SceneContext& scene, const Camera& camera, double z) {
    QPainter& p = scene.painter;
    const QColor iron(24, 24, 28);
    const double s = camera.Scale(0, z);
    for (double x = camera.LeftAt(z); x < camera.RightAt(z); x += 0.14) {
        const QPointF foot = camera.Project(x, 0, z), top = camera.Project(x, 1.4, z);
        p.setPen(QPen(iron, std::max(0.8, s * 0.025)));
        p.drawLine(foot, top);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 170, 80));
        p.drawPolygon(QPolygonF({top + QPointF(-s * 0.03, 0), top + QPointF(s * 0.03, 0),
                                 top + QPointF(0, -s * 0.09)}));
    }
    p.setPen(QPen(iron, std::max(1.0, s * 0.03)));
    for (double y : {0.15, 1.25})
        p.drawLine(camera.Project(camera.LeftAt(z), y, z), camera.Project(camera.RightAt(z), y, z));
    p.setPen(Qt::NoPen);
}

void PaintGuardChange(SceneContext& scene, const Camera& camera, SceneRandom& random,
                      const Estates& e) {
    PaintFlagstones(scene, camera, 2, e.z, 2.0, QColor(176, 168, 152));
    // Two files of guardsmen facing each other across the forecourt.
    const double z0 = random.Range(18, 26);
    for (double row : {z0, z0 + 7}) {
        for (double x = -18; x <= 18; x += 3.2) {
            const Vec3 foot{x + random.Jitter(0.1), 0, row};
            PaintGuardsman(scene, camera.Project(foot), camera.Scale(foot.x, foot.z) * 1.9,
                           HazeAt(scene, camera, foot));
        }
    }
    // The officer between them, and the crowd watching from the railings.
    PaintGuardsman(scene, camera.Project(0, 0, z0 + 3.5), camera.Scale(0, z0 + 3.5) * 1.9, 0.05);
    // The crowd watching through the railings at either side.
    std::vector<Vec3> watchers;
    for (int i = 0; i < random.Int(10, 18); ++i) {
        const double x = camera.XAt(
            scene.w * (random.Chance(0.5) ? random.Range(0, 0.25) : random.Range(0.75, 1)), 8);
        watchers.push_back({x, 0, random.Range(8, 11)});
    }
    PaintCrowd(scene, camera, random, watchers);
    PaintRailings(scene, camera, 6);
}

}  // namespace

void PaintParliament(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xe57a);
    const bool guard = scene.form == kGuardChange;
    const bool night = scene.mood.time == DayTime::Night || scene.mood.time == DayTime::Dusk;
    if (night) Floodlight(scene);
    const double horizon = scene.h * (guard ? random.Range(0.6, 0.68) : random.Range(0.5, 0.58));
    const Camera camera(scene.w, horizon, scene.FieldOfView(guard ? 1.3 : 1.05),
                        guard ? 1.6 : random.Range(3, 8), random.Jitter(guard ? 0.1 : 0.2));
    PaintSkyline(scene, horizon, 12);

    // Far enough off for the whole river front to fill the width, towers and all.
    Estates e;
    const double length = guard ? random.Range(120, 150) : random.Range(190, 240);
    e.z = camera.Focal() * (length + 30) / (scene.w * (guard ? 0.85 : random.Range(0.8, 0.9)));
    e.height = random.Range(20, 26);
    const double centre = camera.XAt(scene.w * random.Range(0.47, 0.53), e.z);
    e.x0 = centre - length / 2;
    e.x1 = centre + length / 2;
    e.clockOnLeft = random.Chance(0.5);
    const QColor stones[] = {QColor(214, 196, 150), QColor(200, 186, 156), QColor(222, 204, 164)};
    e.stone = Material{random.Pick(stones), Masonry::Ashlar};
    if (!guard)  // Trees along the far bank either side of the range.
        PaintTreeBelt(scene, camera.Project(0, 0, e.z + 10).y(), -20, scene.w + 20,
                      camera.Scale(0, e.z) * 16, 0.5);
    PaintEstates(scene, camera, e, night);
    if (guard) {
        PaintGuardChange(scene, camera, random, e);
        return;
    }
    // The river wall and the broad river in front, mirroring the range.
    const double wallY = camera.Project(0, 0, e.z - 6).y();
    QPainterPath river;
    river.addRect(QRectF(0, wallY, scene.w, scene.h - wallY));
    PaintStillWater(scene, river, wallY, scene.h);
    ReflectInto(scene, river, wallY, night ? 0.8 : 0.6);
    QPainter& p = scene.painter;
    p.fillRect(QRectF(0, wallY - 2 * scene.u, scene.w, 2.5 * scene.u),
               Distant(scene.mood, Shaded(scene.mood, e.stone.colour), 0.4));
    // The near bank's embankment along the bottom, lamps on its parapet.
    const double nearY = scene.h - random.Range(10, 40) * scene.u;
    p.fillRect(QRectF(0, nearY, scene.w, scene.h - nearY),
               Shaded(scene.mood, QColor(150, 144, 132)));
    p.fillRect(QRectF(0, nearY, scene.w, 3 * scene.u), Lit(scene.mood, QColor(180, 174, 160)));
}
