#include "tools/mkedition/scenes/street.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

namespace {

void PaintGroundQuad(SceneContext& scene, const Camera& camera, double x0, double x1, double z0,
                     double z1, const QColor& colour) {
    QPolygonF quad({camera.Project(x0, 0, z0), camera.Project(x1, 0, z0), camera.Project(x1, 0, z1),
                    camera.Project(x0, 0, z1)});
    QPainterPath path;
    path.addPolygon(quad);
    QLinearGradient fill(0, camera.Project(0, 0, z1).y(), 0, camera.Project(0, 0, z0).y());
    fill.setColorAt(0, Distant(scene.mood, colour, DistanceDepth(scene.mood, z1)));
    fill.setColorAt(1, colour);
    scene.painter.fillPath(path, fill);
}

void PaintPaving(SceneContext& scene, const Camera& camera, const StreetPlan& plan) {
    const double half = plan.width / 2, kerb = 2.2;
    const QColor road = scene.mood.snow ? QColor(214, 218, 226)
                        : plan.cobbles  ? QColor(120, 112, 104)
                                        : QColor(88, 88, 92);
    const QColor walk = scene.mood.snow ? QColor(230, 234, 240) : QColor(168, 160, 146);
    const double near = 1.0, far = plan.length + 40;
    PaintGroundQuad(scene, camera, -half - 12, half + 12, near, far, walk);
    PaintGroundQuad(scene, camera, -half + kerb, half - kerb, near, far, road);
    QPainter& p = scene.painter;
    SceneRandom random = scene.random.Fork(0x5e77);
    // Setts or flags: rows across the street, each a shade lighter or darker, closing up
    // with distance.
    const double baseRow = plan.cobbles ? 0.25 : 1.2;
    p.setPen(Qt::NoPen);
    // Rows further off merge: one band stands for several once they are under a pixel or two.
    for (double z = near, row = baseRow; z < far; z += row, row = std::max(baseRow, z * 0.03)) {
        const QPolygonF band({camera.Project(-half + kerb, 0, z), camera.Project(half - kerb, 0, z),
                              camera.Project(half - kerb, 0, z + row),
                              camera.Project(-half + kerb, 0, z + row)});
        p.setBrush(WithAlpha(random.Chance(0.5) ? Scaled(road, 1.25) : Scaled(road, 0.7),
                             random.Int(10, 40)));
        p.drawPolygon(band);
        if (z < 12) {
            // Near the feet the single stones show.
            p.setPen(QPen(WithAlpha(Scaled(road, 0.55), 60), camera.Scale(0, z) * 0.02));
            for (double x = -half + kerb + random.Range(0, row); x < half - kerb;
                 x += row * random.Range(1.2, 1.8))
                p.drawLine(camera.Project(x, 0, z), camera.Project(x, 0, z + row));
            p.setPen(Qt::NoPen);
        }
    }
    for (double side : {-1.0, 1.0}) {
        for (double z = near; z < far; z += 1.5) {
            p.setPen(QPen(WithAlpha(Scaled(walk, 0.7), 60), camera.Scale(0, z) * 0.03));
            p.drawLine(camera.Project(side * (half + 3), 0, z),
                       camera.Project(side * (half - kerb), 0, z));
        }
    }
    // Kerb stones catch the light.
    for (double side : {-1.0, 1.0}) {
        p.setPen(QPen(Lit(scene.mood, Scaled(walk, 1.1)), 1.5));
        p.drawLine(camera.Project(side * (half - kerb), 0.12, near),
                   camera.Project(side * (half - kerb), 0.12, far));
    }
}

// On a sunny day the houses on the sun's side throw their shadow across the street.
void PaintStreetShadow(SceneContext& scene, const Camera& camera, const StreetPlan& plan) {
    if (scene.mood.contrast < 0.6) return;
    const Vec3 sun = SunDirection(scene.mood);
    const double side = sun.x < 0 ? -1 : 1;
    const double eaves = 8;
    const double reach = std::min(plan.width, eaves * std::abs(sun.x) / std::max(0.2, sun.y));
    const double lean = -eaves * sun.z / std::max(0.2, sun.y);
    const double line = side * plan.width / 2;
    QPolygonF shadow({camera.Project(line, 0, 1), camera.Project(line, 0, plan.length),
                      camera.Project(line - side * reach, 0, plan.length + lean),
                      camera.Project(line - side * reach, 0, std::max(1.0, 1 + lean))});
    scene.painter.setPen(Qt::NoPen);
    scene.painter.setBrush(QColor(30, 34, 60, 70));
    scene.painter.drawPolygon(shadow);
}

// The tower of a church or town hall where the street ends.
void PaintClosingTower(SceneContext& scene, const Camera& camera, SceneRandom& random, double z) {
    const Material stone{random.Chance(0.5) ? QColor(190, 176, 150) : QColor(160, 152, 140),
                         Masonry::Ashlar};
    const double width = random.Range(7, 10), height = random.Range(24, 34);
    const Box tower{random.Jitter(3) - width / 2, z, width, width, height, 0};
    const OpeningLook look = WindowLook(scene, stone.colour);
    FaceDetail face = [look](QPainter& p, double w, double h) {
        PaintWindow(p, QRectF(w / 2 - 0.8, h - 7, 1.6, 3.5), Arch::Pointed, look, 2, 0, false);
        // A clock face without figures: a white disc and two hands.
        const QPointF centre(w / 2, h - 11);
        p.setBrush(QColor(236, 232, 220));
        p.drawEllipse(centre, 1.3, 1.3);
        p.setPen(QPen(QColor(30, 30, 30), 0.14));
        p.drawLine(centre, centre + QPointF(0.0, 0.95));
        p.drawLine(centre, centre + QPointF(0.65, -0.2));
        p.setPen(Qt::NoPen);
    };
    PaintBox(scene, camera, tower, stone, BoxFaces{face, {}, face, face, {}});
    if (random.Chance(0.5)) {
        const Material slate{QColor(90, 96, 108), Masonry::Slate};
        PaintRoof(scene, camera, tower, RoofDesign{Roof::Pyramid, width * 1.8, slate, stone, 0.2});
    } else {
        PaintBattlements(scene, camera, tower, stone, 0.9);
    }
}

void PaintLampPosts(SceneContext& scene, const Camera& camera, const StreetPlan& plan,
                    double firstZ) {
    for (double z = plan.length; z > 2; z -= 16)
        for (double side : {-1.0, 1.0})
            PaintLampPost(scene, camera,
                          {side * (plan.width / 2 - 0.5), 0, z + (side > 0 ? 8 : 0) + firstZ});
}

}  // namespace

void PaintStreet(SceneContext& scene, const Camera& camera, const StreetPlan& plan) {
    SceneRandom random = scene.random.Fork(0x57ee7);
    PaintPaving(scene, camera, plan);
    PaintStreetShadow(scene, camera, plan);
    PaintClosingTower(scene, camera, random, plan.length + random.Range(10, 30));

    struct Placed {
        House house;
        Frontage frontage;
    };
    std::vector<Placed> houses;
    for (double side : {-1.0, 1.0}) {
        double z = 2;
        while (z < plan.length) {
            const double frontage = random.Range(5, 9);
            const double depth = 9;
            const double line = plan.width / 2 + random.Range(0, 0.6);
            const Box footprint{side < 0 ? -line - depth : line, z, depth, frontage, 0, 0};
            House house = RandomHouse(random, RandomHouseStyle(random, scene.year), footprint);
            house.shop = plan.shops ? random.Chance(0.8) : random.Chance(0.3);
            // Street houses turn their ridge along the street, or a gable to it.
            house.roof = random.Chance(0.75) ? Roof::GableEndOn : Roof::Gable;
            houses.push_back({house, side < 0 ? Frontage::Right : Frontage::Left});
            z += frontage;
        }
    }
    std::sort(houses.begin(), houses.end(),
              [](const Placed& a, const Placed& b) { return a.house.box.z > b.house.box.z; });
    for (const Placed& placed : houses) PaintHouse(scene, camera, placed.house, placed.frontage);
    PaintLampPosts(scene, camera, plan, random.Range(0, 8));
}
