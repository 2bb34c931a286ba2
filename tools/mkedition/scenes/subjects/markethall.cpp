// A market hall on pillars in the middle of a wide high street: the council room upstairs,
// the open market beneath it among oak posts or stone columns, a clock lantern on the roof.
#include <QPainter>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/gothicfront.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

// The upper room: timber framing over plaster, or sash windows in stone.
FaceDetail UpperRoom(const OpeningLook& look, bool timbered) {
    return [=](QPainter& p, double w, double h) {
        const int bays = std::max(2, static_cast<int>(w / 3));
        if (timbered) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 44, 32));
            for (int i = 0; i <= bays; ++i) p.drawRect(QRectF(w * i / bays - 0.15, 0, 0.3, h));
            p.drawRect(QRectF(0, 0, w, 0.3));
            p.drawRect(QRectF(0, h - 0.3, w, 0.3));
        }
        PaintWindowRow(p, 0, w, h * 0.3, bays, timbered ? 1.6 : 1.1, h * 0.45, Arch::Flat, look,
                       timbered ? 4 : 2, timbered ? 2 : 3);
    };
}

// Trestle tables of produce under the hall.
void PaintTrestles(SceneContext& scene, const Camera& camera, SceneRandom& random,
                   const Box& under) {
    static const QColor kGoods[] = {QColor(200, 60, 40), QColor(230, 170, 50), QColor(90, 140, 60),
                                    QColor(220, 210, 190), QColor(150, 100, 70)};
    for (double x = under.x + 1; x < under.x + under.width - 2.5; x += random.Range(3, 4.5)) {
        const QColor goods = random.Pick(kGoods);
        const FaceDetail top = [goods](QPainter& p, double w, double h) {
            p.setPen(Qt::NoPen);
            p.setBrush(goods);
            for (double gx = 0.1; gx < w - 0.2; gx += 0.4)
                p.drawEllipse(QRectF(gx, 0.1, 0.3, h - 0.2));
        };
        PaintBox(scene, camera, Box{x, under.z + random.Range(1, 3), 2.2, 1.2, 0.9, 0},
                 Material{QColor(150, 120, 90)}, BoxFaces{{}, {}, {}, {}, top});
    }
}

}  // namespace

void PaintMarketHall(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x3a11);
    const double horizon = scene.h * random.Range(0.5, 0.58);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 1.6, random.Jitter(0.2));
    PaintSkyline(scene, horizon, 20);
    const double z = random.Range(24, 32);
    PaintFlagstones(scene, camera, 1, 400, 1.4, QColor(150, 140, 126));
    // The high street's two rows, opening out round the hall.
    const double streetWidth = random.Range(14, 20);
    for (double side : {-1.0, 1.0})
        for (double hz = 220; hz > z - 20; hz -= random.Range(7, 10)) {
            const double x = side < 0 ? -streetWidth - 8 : streetWidth;
            if (camera.Depth(x, hz) < 3 || camera.Depth(x + 8, hz) < 3) continue;
            House house =
                RandomHouse(random, RandomHouseStyle(random, scene.year), Box{x, hz, 8, 8, 0, 0});
            house.shop = random.Chance(0.5);
            PaintHouse(scene, camera, house, side < 0 ? Frontage::Right : Frontage::Left);
        }

    const bool timbered = scene.year < 1620;
    const QColor plasters[] = {QColor(236, 228, 206), QColor(226, 200, 160)};
    const Material stone{QColor(200, 182, 146), Masonry::Ashlar};
    const Material upper = timbered ? Material{random.Pick(plasters)} : stone;
    const double width = random.Range(14, 18), depth = random.Range(8, 10), raise = 3.4;
    const double cx = camera.XAt(scene.w * random.Range(0.44, 0.56), z);
    const Box hall{cx - width / 2, z, width, depth, 4.5, raise};
    const Box under{hall.x, hall.z, width, depth, raise, 0};
    // Under the hall: the dim open floor, the stalls, then the pillars in front of them.
    PaintPlane(scene, camera,
               {{under.x, 0, under.z + depth},
                {under.x + width, 0, under.z + depth},
                {under.x + width, raise, under.z + depth},
                {under.x, raise, under.z + depth}},
               Material{Scaled(upper.colour, 0.35)});
    PaintTrestles(scene, camera, random, under);
    std::vector<Vec3> underneath, street;
    for (int i = 0; i < random.Int(5, 10); ++i)
        underneath.push_back(
            {cx + random.Jitter(width * 0.4), 0, z + random.Range(0.8, depth - 1)});
    PaintCrowd(scene, camera, random, underneath);
    for (int i = 0; i < random.Int(5, 12); ++i)
        street.push_back({cx + random.Jitter(streetWidth * 1.4), 0, random.Range(6, z - 3)});
    const int across = static_cast<int>(width / 3.2);
    for (int row = 1; row >= 0; --row)
        for (int i = 0; i <= across; ++i) {
            const double px = hall.x + 0.4 + (width - 0.8) * i / across;
            const double pz = hall.z + 0.4 + row * (depth - 0.8);
            if (timbered)
                PaintBox(scene, camera, Box{px - 0.2, pz - 0.2, 0.4, 0.4, raise, 0},
                         Material{QColor(96, 70, 48)});
            else
                PaintColumn(scene, camera, px, pz, 0.3, 0, raise, stone);
        }
    PaintBox(scene, camera, hall, upper,
             BoxFaces{UpperRoom(WindowLook(scene, upper.colour), timbered),
                      {},
                      UpperRoom(WindowLook(scene, upper.colour), timbered),
                      UpperRoom(WindowLook(scene, upper.colour), timbered),
                      {}});
    const Material tiles{timbered ? QColor(140, 80, 60) : QColor(80, 84, 92), Masonry::Slate};
    PaintRoof(scene, camera, hall, RoofDesign{Roof::Hip, 3.5, tiles, upper, 0.5});
    // The clock lantern on the ridge.
    const Box lantern{cx - 1, z + depth / 2 - 1, 2, 2, 2.2, raise + 4.5 + 2.2};
    const FaceDetail clock = ClockFace(scene, 1.4, 1.1, false);
    PaintBox(scene, camera, lantern, Material{QColor(230, 226, 214)},
             BoxFaces{clock, {}, clock, clock, {}});
    PaintDome(scene, camera, Round{cx, z + depth / 2, 1.2}, lantern.base + lantern.height, 1.4,
              Material{QColor(90, 110, 100)});
    PaintCrowd(scene, camera, random, street);
}
