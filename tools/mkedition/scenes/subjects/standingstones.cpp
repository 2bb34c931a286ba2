// The oldest monuments: a ring of standing stones on open moor, or a burial chamber of great
// slabs under a wide sky.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

struct Stone {
    Vec3 foot;
    double width, height;
    bool fallen;
};

// A weathered slab: a lumpy outline, lit on the sun's side, flecked with lichen.
void PaintStone(SceneContext& scene, const Camera& camera, SceneRandom& random,
                const Stone& stone) {
    const QPointF foot = camera.Project(stone.foot);
    const double scale = camera.Scale(stone.foot.x, stone.foot.z);
    const double w = stone.width * scale,
                 h = (stone.fallen ? stone.width * 0.45 : stone.height) * scale;
    const double length = stone.fallen ? stone.height * scale : w;
    QPainterPath slab;
    const int points = 10;
    for (int i = 0; i <= points; ++i) {
        // Round the top: a squashed arch with random bumps.
        const double a = kPi * i / points;
        const double bump = 1.0 + random.Jitter(0.12);
        const QPointF at(foot.x() - std::cos(a) * length / 2 * bump,
                         foot.y() - std::pow(std::sin(a), 0.4) * h * bump);
        if (i == 0) slab.moveTo(foot.x() - length / 2, foot.y());
        slab.lineTo(at);
    }
    slab.lineTo(foot.x() + length / 2, foot.y());
    slab.closeSubpath();
    const double depth = DistanceDepth(scene.mood, stone.foot.z);
    const QColor grey = Distant(scene.mood, QColor(140, 136, 126), depth);
    QLinearGradient shade(foot.x() - length / 2, 0, foot.x() + length / 2, 0);
    shade.setColorAt(scene.mood.sunFromLeft ? 0.0 : 1.0, Lit(scene.mood, grey));
    shade.setColorAt(0.55, grey);
    shade.setColorAt(scene.mood.sunFromLeft ? 1.0 : 0.0, Shaded(scene.mood, grey));
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    if (stone.foot.y <= 0) {
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawEllipse(
            QPointF(foot.x() + (scene.mood.sunFromLeft ? 1 : -1) * length * 0.4, foot.y()),
            length * 0.7, length * 0.08);
    }
    p.fillPath(slab, shade);
    p.save();
    p.setClipPath(slab);
    // Lichen and weathering.
    const QRectF box = slab.boundingRect();
    for (int i = 0; i < static_cast<int>(box.width() * box.height() / 60) + 3; ++i) {
        const QColor fleck = random.Chance(0.4)   ? QColor(196, 194, 140)
                             : random.Chance(0.5) ? QColor(210, 210, 200)
                                                  : QColor(80, 80, 76);
        p.setBrush(WithAlpha(Distant(scene.mood, fleck, depth), 45));
        const double r = std::max(0.5, scale * random.Range(0.05, 0.2));
        p.drawEllipse(
            QPointF(random.Range(box.left(), box.right()), random.Range(box.top(), box.bottom())),
            r * 1.4, r);
    }
    p.setPen(QPen(WithAlpha(Scaled(grey, 0.5), 90), std::max(0.6, scale * 0.03)));
    for (int i = 0; i < 3; ++i) {
        const double x = random.Range(box.left(), box.right());
        p.drawLine(QPointF(x, box.top() + box.height() * 0.2),
                   QPointF(x + random.Jitter(3), box.bottom()));
    }
    p.restore();
}

void PaintCircle(SceneContext& scene, const Camera& camera, SceneRandom& random) {
    const double radius = random.Range(9, 15);
    const double cz = radius + random.Range(7, 12), cx = random.Jitter(3);
    std::vector<Stone> stones;
    const int count = random.Int(9, 17);
    for (int i = 0; i < count; ++i) {
        if (random.Chance(0.15)) continue;  // a gap where a stone has gone
        const double a = 2 * kPi * i / count + random.Jitter(0.08);
        stones.push_back({{cx + radius * std::sin(a), 0, cz - radius * std::cos(a)},
                          random.Range(1.1, 2.0),
                          random.Range(2.0, 4.2),
                          random.Chance(0.12)});
    }
    std::sort(stones.begin(), stones.end(),
              [](const Stone& a, const Stone& b) { return a.foot.z > b.foot.z; });
    for (const Stone& stone : stones) PaintStone(scene, camera, random, stone);
}

// A dolmen: three uprights under a capstone.
void PaintDolmen(SceneContext& scene, const Camera& camera, SceneRandom& random) {
    // Near, but with its feet well above the bottom of the picture.
    const double feet = scene.h * 0.85 - camera.HorizonY();
    const double z = std::max(10.0, camera.Focal() * camera.Eye().y / feet) + random.Range(0, 4),
                 x = random.Jitter(2);
    const Stone back{{x, 0, z + 1.5}, 1.8, 2.2, false};
    PaintStone(scene, camera, random, back);
    for (double side : {-1.0, 1.0})
        PaintStone(scene, camera, random, Stone{{x + side * 1.6, 0, z}, 1.2, 2.0, false});
    // The capstone lies across their tops like a fallen stone.
    PaintStone(scene, camera, random, Stone{{x, 1.9, z - 0.5}, 1.0, random.Range(5.0, 6.5), true});
}

}  // namespace

void PaintStandingStones(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x5703);
    const double horizon = scene.h * random.Range(0.5, 0.62);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(2, 4.5),
                        random.Jitter(0.2));
    // Moorland grass is paler and browner than a meadow's.
    scene.mood.grass = Mix(scene.mood.grass, QColor(150, 130, 90), scene.mood.snow ? 0.0 : 0.35);
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(15, 40), false});
    if (scene.FormOr(random.Chance(0.7) ? kStoneRing : kBurialChamber) == kStoneRing)
        PaintCircle(scene, camera, random);
    else
        PaintDolmen(scene, camera, random);
    PaintGrassBlades(scene, scene.h * 0.8, scene.h, 700);
}
