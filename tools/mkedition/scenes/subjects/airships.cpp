// Airships: the vast shed they were built and housed in, one being walked out by its ground
// crew, and a patrol airship floating high over a village by the estuary.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/airship.h"
#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// Ribs of corrugated sheeting up a face, and the great doors folded open at the end.
FaceDetail Sheeting(bool doorway) {
    return [doorway](QPainter& p, double w, double h) {
        p.setBrush(QColor(0, 0, 0, 40));
        for (double x = 0; x < w; x += 6) p.drawRect(QRectF(x, 0, 0.5, h));
        if (!doorway) return;
        p.setBrush(QColor(22, 22, 24));
        p.drawRect(QRectF(w * 0.08, 0, w * 0.84, h * 0.92));
        p.setBrush(QColor(60, 62, 60));
        for (double x = w * 0.12; x < w * 0.9; x += w * 0.2)
            p.drawRect(QRectF(x, h * 0.8, 0.6, h * 0.12));
    };
}

void PaintShed(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.5, 0.68);
    const double side = random.Chance(0.5) ? -1 : 1;
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 2),
                        side * random.Range(0.4, 0.5));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(4, 10), false});
    // Nearly 250 metres long: it runs away from the viewer into the haze, seen along its side.
    const double width = random.Range(55, 65), height = random.Range(40, 46);
    const double z = random.Range(110, 130);
    const double x = side > 0 ? random.Range(25, 35) : -random.Range(25, 35) - width;
    static const QColor kSheeting[] = {QColor(120, 124, 116), QColor(92, 70, 60),
                                       QColor(176, 178, 172), QColor(70, 80, 72)};
    const Material iron{random.Pick(kSheeting), Masonry::Smooth};
    const Box shed{x, z, width, 245, height, 0};
    PaintBox(scene, camera, shed, iron,
             BoxFaces{Sheeting(true), {}, Sheeting(false), Sheeting(false), {}});
    PaintRoof(scene, camera, shed,
              RoofDesign{Roof::GableEndOn, 12, iron, iron, 0.5, Sheeting(false)});
    // The airship out on the field before the shed.
    const double shipZ = z - random.Range(15, 25);
    const double length = random.Range(55, 65);
    const double share = random.Range(0.22, 0.4);
    const double shipX = camera.XAt(scene.w * (side > 0 ? share : 1 - share), shipZ);
    // Held on the ground by her crew, or already let go and rising over the shed.
    const bool rising = random.Chance(0.4);
    const QPointF centre =
        camera.Project(shipX, rising ? random.Range(28, 36) : random.Range(10, 16), shipZ);
    const double scale = camera.Scale(shipX, shipZ);
    PaintAirship(scene, centre, length * scale, side < 0, 0.02, DistanceDepth(scene.mood, shipZ));
    QPainter& p = scene.painter;
    for (int i = 0; i < (rising ? 0 : 24); ++i) {
        const double px = shipX + random.Range(-0.4, 0.4) * length, pz = shipZ + random.Jitter(5);
        const QPointF foot = camera.Project(px, 0, pz);
        p.setPen(QPen(QColor(60, 60, 60, 120), 0.6));
        p.drawLine(foot - QPointF(0, camera.Scale(px, pz) * 1.5),
                   centre + QPointF((px - shipX) * scale * 0.8, length * scale * 0.1));
        PaintPerson(scene, random, foot, camera.Scale(px, pz) * 1.75,
                    DistanceDepth(scene.mood, pz));
    }
    p.setPen(Qt::NoPen);
    PaintGrassBlades(scene, scene.h * 0.88, scene.h, 200);
}

void PaintAloft(SceneContext& scene, SceneRandom& random) {
    ClearSnow(scene.mood);
    const double horizon = scene.h * random.Range(0.7, 0.78);
    const double eye = random.Range(10, 18);  // from the sea wall's top
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), eye, random.Jitter(0.1));
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(4, 10) * scene.u, 1);
    // The estuary: water out to the far shore, the village on the near bank.
    const double waterTop = horizon + 3 * scene.u, bank = horizon + (scene.h - horizon) * 0.35;
    QPainterPath estuary;
    estuary.addRect(QRectF(0, waterTop, scene.w, bank - waterTop));
    PaintStillWater(scene, estuary, waterTop, bank);
    PaintMeadow(scene, bank, scene.h);
    const double z = camera.Focal() * eye / (bank - horizon + 2 * scene.u);
    for (double hx = camera.LeftAt(z); hx < camera.RightAt(z); hx += random.Range(7, 12)) {
        House house = RandomHouse(random, RandomHouseStyle(random, 1900),
                                  Box{hx, z - random.Range(0, 6), 7, 8, 0, 0});
        PaintHouse(scene, camera, house, Frontage::Front);
    }
    const double tx = camera.XAt(scene.w * random.Range(0.15, 0.85), z + 2);
    const Material stone{QColor(170, 160, 140), Masonry::Ashlar};
    const Box tower{tx - 3, z + 2, 6, 6, 18, 0};
    PaintBox(scene, camera, tower, stone);
    PaintBattlements(scene, camera, tower, stone, 0.8);
    // The airship high over it all, nosing along the water.
    const QPointF centre(scene.w * random.Range(0.4, 0.6), scene.h * random.Range(0.25, 0.38));
    PaintAirship(scene, centre, scene.w * random.Range(0.7, 0.85), random.Chance(0.5),
                 random.Jitter(0.06), 0.25);
    PaintGrassBlades(scene, scene.h * 0.92, scene.h, 120);
}

}  // namespace

void PaintAirships(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xa125);
    if (scene.FormOr(random.Chance(0.5) ? kAirshipShed : kAirshipAloft) == kAirshipShed)
        PaintShed(scene, random);
    else
        PaintAloft(scene, random);
}
