// The seafront: a stucco terrace curving along the promenade, the railings and the beach on
// the other side, the sea to the horizon; from the 1880s, green-roofed shelters along the rail
// with people sitting out of the wind.
#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/groundplane.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// The flat ground between two x lines from the viewer's feet to far away.
void PaintStrip(SceneContext& scene, const Camera& camera, double x0, double x1, double y,
                const QColor& colour) {
    // Paving joints every couple of metres, and the stains of wet and wear.
    const FaceDetail joints = [](QPainter& p, double w, double h) {
        p.setPen(QPen(QColor(0, 0, 0, 40), 0.05));
        for (double z = 0; z < std::min(h, 200.0); z += 2) p.drawLine(QPointF(0, z), QPointF(w, z));
        p.setPen(Qt::NoPen);
    };
    PaintGroundPlane(scene, camera, x0, x1, 1, 900, y, Material{colour}, joints);
}

void PaintRailing(SceneContext& scene, const Camera& camera, double x, double z0, double z1) {
    QPainter& p = scene.painter;
    const QColor iron = Scaled(scene.mood.light, 0.2);
    for (double z = z0; z < z1; z += 2.5) {
        if (camera.Depth(x, z) < 1) continue;
        const QColor colour = Distant(scene.mood, iron, DistanceDepth(scene.mood, z));
        p.setPen(QPen(colour, std::max(0.6, camera.Scale(x, z) * 0.06)));
        p.drawLine(camera.Project(x, 0, z), camera.Project(x, 1.05, z));
        p.setPen(QPen(colour, std::max(0.5, camera.Scale(x, z) * 0.04)));
        for (double rail : {0.5, 1.0})
            p.drawLine(camera.Project(x, rail, z), camera.Project(x, rail, z + 2.5));
    }
    p.setPen(Qt::NoPen);
}

// An open-fronted shelter: a back screen, posts and a green pagoda roof, people on its bench.
void PaintShelter(SceneContext& scene, const Camera& camera, SceneRandom& random, double x,
                  double z, bool seaOnRight) {
    const Material paint{QColor(236, 232, 220)};
    const Box box{x - 2, z, 4, 5, 2.6, 0};
    PaintBox(scene, camera, Box{seaOnRight ? x - 2.1 : x + 1.9, z, 0.2, 5, 2.6, 0}, paint);
    for (int i = 0; i < random.Int(1, 3); ++i) {
        const Vec3 seat{x + random.Jitter(0.8), 0, z + 1 + i * 1.5};
        PaintPerson(scene, random, camera.Project(seat), camera.Scale(seat.x, seat.z) * 1.25,
                    DistanceDepth(scene.mood, seat.z));
    }
    QPainter& p = scene.painter;
    p.setPen(QPen(Lit(scene.mood, paint.colour), std::max(0.8, camera.Scale(x, z) * 0.12)));
    for (double px : {x - 1.9, x + 1.9})
        for (double pz : {z + 0.1, z + 4.9})
            p.drawLine(camera.Project(px, 0, pz), camera.Project(px, 2.6, pz));
    p.setPen(Qt::NoPen);
    PaintRoof(scene, camera, box,
              RoofDesign{Roof::Hip, 1.8, Material{QColor(70, 130, 90)}, paint, 0.6});
}

}  // namespace

void PaintSeafront(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x5eaf);
    ClearSnow(scene.mood);
    const double horizon = scene.h * random.Range(0.52, 0.6);
    const bool seaOnRight = random.Chance(0.5);
    // The sun on the terrace's face, so the stucco shows its colour.
    if (scene.mood.sunFromLeft == seaOnRight) {
        scene.mood.sunFromLeft = !seaOnRight;
        scene.mood.sunX = 1 - scene.mood.sunX;
    }
    const double side = seaOnRight ? 1 : -1;
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.15), random.Range(1.6, 2.2),
                        -side * random.Range(0.12, 0.3));
    PaintSky(scene, horizon);
    PaintSea(scene, horizon, scene.h);
    // The beach below the sea wall, the promenade, the road and the pavement.
    const double rail = side * random.Range(3, 5);
    const QColor sand(214, 196, 156);
    PaintStrip(scene, camera, seaOnRight ? rail : rail - 40, seaOnRight ? rail + 40 : rail, -3,
               Distant(scene.mood, Lit(scene.mood, sand), 0.1));
    const double road = -side * random.Range(4, 7), terrace = road - side * 12;
    PaintStrip(scene, camera, seaOnRight ? road : rail, seaOnRight ? rail : road, 0,
               Lit(scene.mood, QColor(190, 180, 160)));
    PaintStrip(scene, camera, seaOnRight ? road - 9 : road, seaOnRight ? road : road + 9, -0.02,
               Shaded(scene.mood, QColor(110, 110, 112)));
    PaintStrip(scene, camera, seaOnRight ? road - 90 : road + 9, seaOnRight ? road - 9 : road + 90,
               0, Lit(scene.mood, QColor(180, 174, 164)));

    // The terrace, one long front in stucco, bending gently away from the sea.
    const bool regency = scene.year < 1860 || random.Chance(0.4);
    const QColor stuccos[] = {QColor(236, 224, 196), QColor(240, 236, 226), QColor(230, 214, 190)};
    const QColor stucco = random.Pick(stuccos);
    const int storeys = random.Int(3, 5);
    for (double z = 600; z > 2; z -= 7) {
        const double bend = 0.00025 * (z - 150) * (z - 150);
        const double x = seaOnRight ? terrace - 12 - bend : terrace + bend;
        House house = RandomHouse(random, regency ? HouseStyle::Georgian : HouseStyle::Victorian,
                                  Box{x, z, 12, 7, 0, 0});
        SetStoreys(house, storeys);
        house.wall.colour = stucco;
        house.roof = Roof::Hip;
        house.roofRise = 2;
        house.shop = !regency && random.Chance(0.3);
        PaintHouse(scene, camera, house, seaOnRight ? Frontage::Right : Frontage::Left);
    }
    for (double z = 300; z > 8; z -= random.Range(25, 40))
        PaintLampPost(scene, camera, {road + side * 0.6, 0, z});
    if (scene.year >= 1880)
        for (double z = 160; z > 10; z -= random.Range(30, 45))
            PaintShelter(scene, camera, random, rail - side * 3, z, seaOnRight);
    std::vector<Vec3> strollers;
    for (int i = 0; i < random.Int(5, 12); ++i)
        strollers.push_back(
            {random.Range(std::min(rail, road), std::max(rail, road)), 0, random.Range(4, 60)});
    PaintCrowd(scene, camera, random, strollers);
    PaintRailing(scene, camera, rail, 1, 600);
}
