// Monuments: a column with its statue over a city square, an obelisk on a hilltop or in a
// square, a statue on its pedestal, a cross in its churchyard or market place.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// A standing figure in a cloak, one arm raised: a bronze or a stone statue.
void PaintStatue(SceneContext& scene, const Camera& camera, Vec3 foot, double height,
                 const QColor& metal) {
    const QPointF base = camera.Project(foot);
    const double s = camera.Scale(foot.x, foot.z) * height;
    const double depth = HazeAt(scene, camera, foot);
    QPainterPath figure;
    figure.moveTo(base + QPointF(-0.2 * s, 0));
    figure.lineTo(base + QPointF(-0.16 * s, -0.55 * s));
    figure.lineTo(base + QPointF(-0.2 * s, -0.78 * s));
    figure.lineTo(base + QPointF(-0.36 * s, -1.05 * s));
    figure.lineTo(base + QPointF(-0.3 * s, -1.08 * s));
    figure.lineTo(base + QPointF(-0.1 * s, -0.84 * s));
    figure.lineTo(base + QPointF(0.12 * s, -0.84 * s));
    figure.lineTo(base + QPointF(0.2 * s, -0.5 * s));
    figure.lineTo(base + QPointF(0.22 * s, 0));
    figure.closeSubpath();
    figure.addEllipse(base + QPointF(0.0, -0.92 * s), 0.07 * s, 0.08 * s);
    figure.setFillRule(Qt::WindingFill);
    QLinearGradient shade(base.x() - 0.3 * s, 0, base.x() + 0.3 * s, 0);
    shade.setColorAt(scene.mood.sunFromLeft ? 0 : 1,
                     Distant(scene.mood, Lit(scene.mood, metal), depth));
    shade.setColorAt(scene.mood.sunFromLeft ? 1 : 0,
                     Distant(scene.mood, Shaded(scene.mood, metal), depth));
    scene.painter.fillPath(figure, shade);
}

void PaintPedestal(SceneContext& scene, const Camera& camera, double x, double z, double width,
                   double height, const Material& stone) {
    PaintSteps(scene, camera, Box{x - width, z - width, width * 2, width * 2, 1.0, 0}, 3, stone);
    PaintBox(scene, camera, Box{x - width / 2, z - width / 2, width, width, height, 1.0}, stone);
    PaintBox(scene, camera,
             Box{x - width * 0.6, z - width * 0.6, width * 1.2, width * 1.2, 0.5, 1.0 + height},
             stone);
}

void PaintSquare(SceneContext& scene, const Camera& camera, SceneRandom& random, double z) {
    // The houses round the square behind the monument.
    for (double x = camera.LeftAt(z + 40); x < camera.RightAt(z + 40); x += random.Range(8, 12)) {
        House house =
            RandomHouse(random, random.Chance(0.7) ? HouseStyle::Georgian : HouseStyle::Victorian,
                        Box{x, z + 40, 10, 12, 0, 0});
        house.shop = random.Chance(0.4);
        PaintHouse(scene, camera, house, Frontage::Front);
    }
}

// A churchyard: the church's flank and its yews behind, headstones in the grass before.
void PaintChurchyard(SceneContext& scene, const Camera& camera, SceneRandom& random, double z) {
    const Material stone{QColor(168, 160, 146), Masonry::Rubble};
    const double churchZ = z + random.Range(18, 26);
    const Box nave{camera.XAt(scene.w * random.Range(-0.2, 0.3), churchZ), churchZ, 30, 10, 9, 0};
    PaintBox(scene, camera, nave, stone);
    PaintRoof(scene, camera, nave,
              RoofDesign{Roof::Gable, 5, Material{QColor(80, 84, 92), Masonry::Slate}, stone});
    for (int i = 0; i < 3; ++i) {
        const double x = camera.XAt(scene.w * random.Range(0.0, 1.0), z + 10);
        PaintTree(scene, camera.Project(x, 0, z + random.Range(8, 14)),
                  camera.Scale(x, z + 10) * random.Range(8, 12), TreeShape::Yew,
                  DistanceDepth(scene.mood, z + 10));
    }
    PaintStoneWall(scene, camera, camera.LeftAt(z + 6), camera.RightAt(z + 6), z + 6, 1.2);
    // Headstones in rows, far to near, leaning a little as old ones do.
    const Material slate{QColor(150, 146, 138), Masonry::Smooth};
    for (double row = z + 4; row > 4; row -= random.Range(2.5, 4))
        for (double x = camera.LeftAt(row) + random.Range(0, 2); x < camera.RightAt(row);
             x += random.Range(1.8, 3.2)) {
            if (std::abs(x) < 4 && std::abs(row - z) < 4) continue;
            PaintBox(scene, camera, Box{x, row, 0.7, 0.12, random.Range(0.6, 1.1), 0}, slate);
        }
}

void PaintColumnMonument(SceneContext& scene, const Camera& camera, SceneRandom& random, double z,
                         double height) {
    const Material stone{QColor(206, 198, 180), Masonry::Ashlar};
    PaintSquare(scene, camera, random, z);
    PaintPedestal(scene, camera, 0, z, 6, 5, stone);
    PaintColumn(scene, camera, 0, z, 1.6, 6.5, height, Material{stone.colour, Masonry::Smooth});
    PaintBox(scene, camera, Box{-1.8, z - 1.8, 3.6, 3.6, 1.2, 6.5 + height}, stone);
    PaintStatue(scene, camera, {0, 7.7 + height, z}, 5,
                random.Chance(0.5) ? QColor(80, 110, 96) : QColor(190, 184, 170));
}

void PaintObelisk(SceneContext& scene, const Camera& camera, SceneRandom& random, double z,
                  double height) {
    const Material stone{random.Chance(0.5) ? QColor(200, 194, 180) : QColor(150, 146, 140),
                         Masonry::Ashlar};
    const double base = height * 0.12;
    PaintSteps(scene, camera, Box{-base * 1.5, z - base * 1.5, base * 3, base * 3, 1.2, 0}, 3,
               stone);
    PaintBox(scene, camera, Box{-base / 2, z - base / 2, base, base, base * 0.9, 1.2}, stone);
    // The shaft tapers to a little pyramid at the top.
    const double b = base * 0.36, t = base * 0.24, y0 = 1.2 + base * 0.9, y1 = y0 + height;
    const std::vector<std::vector<Vec3>> faces = {
        {{-b, y0, z - b}, {b, y0, z - b}, {t, y1, z - t}, {-t, y1, z - t}},
        {{b, y0, z - b}, {b, y0, z + b}, {t, y1, z + t}, {t, y1, z - t}},
        {{-b, y0, z + b}, {-b, y0, z - b}, {-t, y1, z - t}, {-t, y1, z + t}},
        {{b, y0, z + b}, {-b, y0, z + b}, {-t, y1, z + t}, {t, y1, z + t}}};
    for (const auto& face : faces) PaintPlane(scene, camera, face, stone);
    PaintRoof(scene, camera, Box{-t, z - t, 2 * t, 2 * t, 0, y1},
              RoofDesign{Roof::Pyramid, t * 2.2, stone, stone, 0.0});
}

void PaintMemorialCross(SceneContext& scene, const Camera& camera, double z, double shaft) {
    const Material stone{QColor(190, 184, 170), Masonry::Ashlar};
    PaintSteps(scene, camera, Box{-3, z - 3, 6, 6, 1.5, 0}, 3, stone);
    PaintBox(scene, camera, Box{-0.9, z - 0.9, 1.8, 1.8, 1.8, 1.5}, stone);
    PaintBox(scene, camera, Box{-0.35, z - 0.35, 0.7, 0.7, shaft, 3.3}, stone);
    PaintBox(scene, camera, Box{-1.4, z - 0.3, 2.8, 0.6, 0.6, 3.3 + shaft * 0.72}, stone);
}

}  // namespace

void PaintMonument(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x3043);
    const int form = scene.FormOr(random.Int(0, kMarketCross));
    const bool tall = form == 0 || form == 1;
    const double horizon = scene.h * (tall ? random.Range(0.68, 0.78) : random.Range(0.55, 0.65));
    const Camera camera(scene.w, horizon, scene.FieldOfView(tall ? 0.9 : 0.8), 1.6,
                        random.Jitter(0.2));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(10, 30), form != 0});
    // Each stands far enough off for its top to show with sky above it.
    const double room = scene.h * random.Range(0.08, 0.16);
    switch (form) {
        case 0: {
            const double height = random.Range(30, 44);
            PaintColumnMonument(scene, camera, random, camera.DistanceToFit(height + 13, room),
                                height);
            break;
        }
        case 1: {
            // In the middle of a city square or alone on its hill.
            const double height = random.Range(18, 30);
            const double z = camera.DistanceToFit(height * 1.25 + 2, room);
            if (random.Chance(0.5)) {
                PaintFlagstones(scene, camera, 2, z + 40, 1.2, QColor(176, 170, 158));
                PaintSquare(scene, camera, random, z);
            }
            PaintObelisk(scene, camera, random, z, height);
            break;
        }
        case 2: {
            const double z = camera.DistanceToFit(7.7, room);
            const Material stone{QColor(170, 162, 148), Masonry::Ashlar};
            PaintSquare(scene, camera, random, z + 10);
            PaintPedestal(scene, camera, 0, z, 2.4, 3.0, stone);
            PaintStatue(scene, camera, {0, 4.5, z}, 3.2,
                        random.Chance(0.6) ? QColor(76, 108, 92) : QColor(196, 190, 176));
            break;
        }
        default: {
            // A cross in its churchyard, or a market cross among the houses of its square.
            const double shaft = random.Range(6, 9);
            const double z = camera.DistanceToFit(shaft + 3.3, room);
            if (form == kMarketCross) {
                PaintFlagstones(scene, camera, 2, z + 40, 0.9, QColor(170, 160, 140));
                PaintSquare(scene, camera, random, z - 28);
            } else {
                PaintChurchyard(scene, camera, random, z);
            }
            PaintMemorialCross(scene, camera, z, shaft);
            break;
        }
    }
    std::vector<Vec3> people;
    for (int i = 0; i < random.Int(0, 5); ++i)
        people.push_back({random.Range(-14, 14), 0, random.Range(8, 30)});
    std::sort(people.begin(), people.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : people)
        PaintPerson(scene, random, camera.Project(foot), camera.Scale(foot.x, foot.z) * 1.75,
                    DistanceDepth(scene.mood, foot.z));
}
