// Worship: a village church with its tower or spire and churchyard, a cathedral over the
// roofs of its city, or the roofless walls of an abbey.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/ruins.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// Tall pointed windows with mullions, evenly along a wall, sills at y.
FaceDetail GothicWindows(const OpeningLook& look, int count, double y, double width,
                         double height) {
    return [=](QPainter& p, double w, double) {
        PaintWindowRow(p, 0, w, y, count, width, height, Arch::Pointed, look, 2, 0);
    };
}

// The great window of a gable end, with its door below.
FaceDetail GableEnd(const OpeningLook& look, double width, double sill, double height, bool door) {
    return [=](QPainter& p, double w, double) {
        PaintWindow(p, QRectF(w / 2 - width / 2, sill, width, height), Arch::Pointed, look, 3, 0,
                    false);
        if (door)
            PaintDoorway(p, QRectF(w / 2 - 1.0, 0, 2.0, 3.4), Arch::Pointed, QColor(70, 46, 32),
                         look.dressing);
    };
}

void PaintPinnacles(SceneContext& scene, const Camera& camera, const Box& top,
                    const Material& stone, double size) {
    const double s = size;
    const double y = top.base + top.height;
    const Box corners[] = {{top.x, top.z + top.depth - s, s, s, s * 1.6, y},
                           {top.x + top.width - s, top.z + top.depth - s, s, s, s * 1.6, y},
                           {top.x, top.z, s, s, s * 1.6, y},
                           {top.x + top.width - s, top.z, s, s, s * 1.6, y}};
    for (const Box& c : corners) {
        PaintBox(scene, camera, c, stone);
        PaintRoof(scene, camera, c, RoofDesign{Roof::Pyramid, s * 3, stone, stone, 0.05});
    }
}

// A west tower: belfry openings near the top, then battlements and pinnacles or a spire.
void PaintTower(SceneContext& scene, const Camera& camera, const Box& tower, const Material& stone,
                bool spire, const QColor& spireColour) {
    const OpeningLook look = WindowLook(scene, stone.colour);
    FaceDetail belfry = [look](QPainter& p, double w, double h) {
        PaintWindow(p, QRectF(w / 2 - w * 0.16, h - w * 0.75 - 1.2, w * 0.32, w * 0.75),
                    Arch::Pointed, look, 2, 0, false);
        p.setBrush(QColor(0, 0, 0, 36));
        p.drawRect(QRectF(0, h * 0.45, w, 0.25));
        p.drawRect(QRectF(0, 0, 0.9, h));
        p.drawRect(QRectF(w - 0.9, 0, 0.9, h));
    };
    PaintBox(scene, camera, tower, stone, BoxFaces{belfry, belfry, belfry, belfry, {}});
    if (spire) {
        PaintRoof(scene, camera, tower,
                  RoofDesign{Roof::Pyramid, tower.width * 2.8,
                             Material{spireColour, Masonry::Slate}, stone, 0.1});
    } else {
        PaintBattlements(scene, camera, tower, stone, 0.7);
        PaintPinnacles(scene, camera, tower, stone, 0.8);
    }
}

void PaintGravestones(SceneContext& scene, const Camera& camera, SceneRandom& random, double x0,
                      double x1, double z0, double z1) {
    std::vector<Vec3> stones;
    for (int i = 0; i < random.Int(12, 30); ++i)
        stones.push_back({random.Range(x0, x1), 0, random.Range(z0, z1)});
    std::sort(stones.begin(), stones.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    const QColor grey(150, 148, 140);
    QPainter& p = scene.painter;
    for (const Vec3& s : stones) {
        const double scale = camera.Scale(s.x, s.z);
        const QPointF foot = camera.Project(s);
        const double w = random.Range(0.5, 0.8) * scale, h = random.Range(0.7, 1.2) * scale;
        const double lean = random.Jitter(0.12) * h;
        const QColor c = Distant(scene.mood, Scaled(grey, random.Range(0.8, 1.1)),
                                 DistanceDepth(scene.mood, s.z));
        QPainterPath slab;
        slab.moveTo(foot + QPointF(-w / 2, 0));
        slab.lineTo(foot + QPointF(-w / 2 + lean, -h + w / 2));
        slab.quadTo(foot + QPointF(lean, -h - w * 0.15), foot + QPointF(w / 2 + lean, -h + w / 2));
        slab.lineTo(foot + QPointF(w / 2, 0));
        slab.closeSubpath();
        QLinearGradient shade(foot.x() - w / 2, 0, foot.x() + w / 2, 0);
        shade.setColorAt(scene.mood.sunFromLeft ? 0 : 1, Lit(scene.mood, c));
        shade.setColorAt(scene.mood.sunFromLeft ? 1 : 0, Shaded(scene.mood, c));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(foot, w * 0.7, w * 0.12);
        p.fillPath(slab, shade);
    }
}

void PaintParishChurch(SceneContext& scene, const Camera& camera, SceneRandom& random, double z,
                       const Material& stone) {
    const OpeningLook look = WindowLook(scene, stone.colour);
    const bool towerOnLeft = random.Chance(0.5);
    const double naveLength = random.Range(18, 26), naveWidth = random.Range(8, 10),
                 naveHeight = random.Range(7, 9);
    const double chancelLength = random.Range(8, 12);
    const double towerSize = random.Range(6, 7.5);
    const double total = towerSize + naveLength + chancelLength;
    const double x0 = camera.XAt(scene.w * random.Range(0.4, 0.6), z) - total / 2;
    const double towerX = towerOnLeft ? x0 : x0 + naveLength + chancelLength;
    const double naveX = towerOnLeft ? x0 + towerSize : x0 + chancelLength;
    const double chancelX = towerOnLeft ? naveX + naveLength : x0;
    const Material roofing{random.Chance(0.5) ? QColor(84, 88, 98) : QColor(140, 88, 66),
                           Masonry::Slate};
    const QColor lead(110, 116, 122);
    const bool spire = random.Chance(0.4);

    const Box nave{naveX, z, naveLength, naveWidth, naveHeight, 0};
    const Box chancel{chancelX, z + 1, chancelLength, naveWidth - 2, naveHeight - 1.5, 0};
    const Box tower{
        towerX, z + (naveWidth - towerSize) / 2, towerSize, towerSize, random.Range(18, 24), 0};
    const FaceDetail side =
        GothicWindows(look, std::max(3, static_cast<int>(naveLength / 5)), 2.6, 1.4, 3.6);
    const FaceDetail end = GableEnd(look, 2.6, 2.5, 4.5, false);
    const BoxFaces naveFaces{side, side, {}, {}, {}};
    const BoxFaces chancelFaces{GothicWindows(look, 2, 2.4, 1.2, 3.2),
                                {},
                                towerOnLeft ? FaceDetail{} : end,
                                towerOnLeft ? end : FaceDetail{},
                                {}};
    // The far end first: whichever of chancel or tower is further from the eye.
    auto paintChancel = [&] {
        PaintBox(scene, camera, chancel, stone, chancelFaces);
        PaintRoof(scene, camera, chancel, RoofDesign{Roof::Gable, 4, roofing, stone, 0.3, end});
    };
    auto paintTower = [&] { PaintTower(scene, camera, tower, stone, spire, lead); };
    const bool chancelFurther =
        std::abs(chancelX + chancelLength / 2) > std::abs(towerX + towerSize / 2);
    if (chancelFurther)
        paintChancel();
    else
        paintTower();
    PaintBox(scene, camera, nave, stone, naveFaces);
    PaintRoof(scene, camera, nave,
              RoofDesign{Roof::Gable, naveWidth * 0.6, roofing, stone, 0.35, end});
    // A porch on the near side.
    const Box porch{naveX + naveLength * random.Range(0.25, 0.6), z - 3.2, 3.2, 3.4, 3.2, 0};
    const FaceDetail porchFront = [look](QPainter& p, double w, double) {
        PaintDoorway(p, QRectF(w / 2 - 0.8, 0, 1.6, 2.6), Arch::Pointed, QColor(30, 26, 24),
                     look.dressing);
    };
    PaintBox(scene, camera, porch, stone, BoxFaces{porchFront, {}, {}, {}, {}});
    PaintRoof(scene, camera, porch,
              RoofDesign{Roof::GableEndOn, 2, roofing, stone, 0.2, porchFront});
    if (chancelFurther)
        paintTower();
    else
        paintChancel();
}

void PaintCathedral(SceneContext& scene, const Camera& camera, SceneRandom& random, double z,
                    const Material& stone) {
    const OpeningLook look = WindowLook(scene, stone.colour);
    const double length = random.Range(70, 95), width = 16, height = random.Range(20, 26);
    const double x0 = camera.XAt(scene.w * random.Range(0.42, 0.58), z) - length / 2;
    const bool westOnLeft = random.Chance(0.5);
    const Material lead{QColor(104, 112, 118), Masonry::Slate};
    const Box nave{x0, z, length, width, height, 0};
    const Box aisle{x0 + 4, z - 6, length - 8, 6, height * 0.5, 0};
    const double crossing = x0 + length * (westOnLeft ? 0.62 : 0.38);
    const Box transept{crossing - 9, z - 10, 18, width + 20, height, 0};
    const FaceDetail clerestory =
        GothicWindows(look, static_cast<int>(length / 7), height * 0.6, 2.0, height * 0.3);
    const FaceDetail aisleWindows =
        GothicWindows(look, static_cast<int>(length / 7), 2.5, 2.0, height * 0.3);
    const FaceDetail westFront = GableEnd(look, 6, height * 0.35, height * 0.5, true);
    PaintBox(scene, camera, nave, stone,
             BoxFaces{clerestory, clerestory, westFront, westFront, {}});
    PaintRoof(scene, camera, nave,
              RoofDesign{Roof::Gable, width * 0.55, lead, stone, 0.4, westFront});
    PaintBox(
        scene, camera, transept, stone,
        BoxFaces{
            GableEnd(look, 5, height * 0.3, height * 0.55, true), {}, clerestory, clerestory, {}});
    PaintRoof(scene, camera, transept,
              RoofDesign{Roof::GableEndOn, width * 0.55, lead, stone, 0.4, {}});
    PaintBox(scene, camera, aisle, stone, BoxFaces{aisleWindows, {}, {}, {}, {}});
    PaintRoof(scene, camera, aisle, RoofDesign{Roof::Hip, 2.5, lead, stone, 0.3});
    // The crossing tower, perhaps with its spire.
    const double towerSize = 15;
    const Box central{crossing - towerSize / 2,
                      z + width / 2 - towerSize / 2,
                      towerSize,
                      towerSize,
                      height + random.Range(22, 34),
                      0};
    PaintTower(scene, camera, central, stone, random.Chance(0.35), QColor(96, 104, 108));
    // Twin towers at the west end.
    const double westX = westOnLeft ? x0 - 2 : x0 + length - 8;
    for (double dz : {-2.0, width - 8.0}) {
        const Box west{westX, z + dz, 10, 10, height + random.Range(12, 18), 0};
        PaintTower(scene, camera, west, stone, false, stone.colour);
    }
}

void PaintAbbeyRuin(SceneContext& scene, const Camera& camera, SceneRandom& random, double z,
                    const Material& stone) {
    const double length = random.Range(36, 50), width = 12, height = random.Range(12, 16);
    const double x0 = camera.XAt(scene.w * random.Range(0.4, 0.6), z) - length / 2;
    const QImage behind = scene.image.copy();
    // Tall empty windows: the sky shows through them.
    auto openings = [behind](int count, double sill, double w, double h) -> FaceDetail {
        return [=](QPainter& p, double fw, double) {
            const double bay = fw / count;
            for (int i = 0; i < count; ++i) {
                const QRectF r(bay * (i + 0.5) - w / 2, sill, w, h);
                PaintThrough(p, OpeningPath(r, Arch::Pointed), behind);
                p.setBrush(QColor(0, 0, 0, 50));
                p.drawRect(QRectF(bay * i, 0, 0.8, sill + h));
            }
        };
    };
    const double wall = 1.6;
    // The far wall, the gable ends, then the near wall.
    PaintRuinedBox(
        scene, camera, Box{x0, z + width, length, wall, height, 0}, stone, 0.5,
        BoxFaces{openings(static_cast<int>(length / 6), 3, 2.2, height * 0.5), {}, {}, {}, {}});
    const double gableX = random.Chance(0.5) ? x0 - wall : x0 + length;
    PaintRuinedBox(scene, camera, Box{gableX, z, wall, width + wall, height * 1.5, 0}, stone, 0.15,
                   BoxFaces{{},
                            {},
                            openings(1, height * 0.35, 5, height * 0.85),
                            openings(1, height * 0.35, 5, height * 0.85),
                            {}});
    PaintRuinedBox(
        scene, camera, Box{x0, z, length * random.Range(0.55, 0.9), wall, height * 0.85, 0}, stone,
        0.7,
        BoxFaces{openings(static_cast<int>(length / 8), 3, 2.2, height * 0.45), {}, {}, {}, {}});
}

}  // namespace

void PaintChurch(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xc4c4);
    const int chosen = scene.year < 1540 && random.Chance(0.35) ? 2
                       : random.Chance(0.25)                    ? 1
                       : random.Chance(0.12)                    ? 2
                                                                : 0;
    const int form = scene.FormOr(chosen);
    const double horizon = scene.h * random.Range(0.58, 0.66);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.5, 1.8),
                        random.Jitter(0.3));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(12, 35), true});
    const QColor stones[] = {QColor(186, 174, 150), QColor(160, 150, 136), QColor(196, 170, 130),
                             QColor(140, 136, 130)};
    const Material stone{random.Pick(stones), form == 2 ? Masonry::Rubble : Masonry::Ashlar};

    if (form == 1) {
        const double z = random.Range(160, 200);
        // The houses of the close stand at the sides of the green, the cathedral beyond.
        for (double x = -140; x < 140; x += random.Range(7, 11)) {
            if (std::abs(x) < 45) continue;
            const Box footprint{x, z - random.Range(10, 25), random.Range(6, 9), 8, 0, 0};
            PaintHouse(scene, camera,
                       RandomHouse(random, RandomHouseStyle(random, scene.year), footprint),
                       Frontage::Front);
        }
        PaintCathedral(scene, camera, random, z, stone);
    } else if (form == 2) {
        PaintAbbeyRuin(scene, camera, random, random.Range(50, 65), stone);
    } else {
        const double z = random.Range(44, 58);
        PaintTreeBelt(scene, camera.Project(0, 0, z + 25).y(), -40, scene.w + 40,
                      camera.Scale(0, z + 25) * 12, 0.3);
        PaintParishChurch(scene, camera, random, z, stone);
        if (random.Chance(0.7)) {
            const double x = (random.Chance(0.5) ? -1 : 1) * random.Range(22, 30);
            PaintTree(scene, camera.Project(x, 0, z - 6), camera.Scale(x, z - 6) * 7,
                      TreeShape::Yew, 0.05);
        }
        PaintGravestones(scene, camera, random, -18, 18, 8, z - 4);
    }
    PaintGrassBlades(scene, scene.h * 0.85, scene.h, 400);
}
