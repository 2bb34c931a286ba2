// A country lane between tall hedges: the track and its grass crown running away round a
// bend, brambles heavy with fruit in the hedge when it is autumn, trees over the hedge tops.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

// Leaves in clumps over a hedge's face, lit on the sun's side, darker inside.
void PaintHedgeMass(SceneContext& scene, SceneRandom& random, const QPainterPath& mass,
                    bool sunSide, bool fruit) {
    QPainter& p = scene.painter;
    const QRectF box = mass.boundingRect();
    p.fillPath(mass, Foliage(scene.mood, 0, 0.1));
    p.save();
    p.setClipPath(mass);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 1600; ++i) {
        const QPointF at(random.Range(box.left(), box.right()),
                         random.Range(box.top(), box.bottom()));
        if (!mass.contains(at)) continue;
        const double near =
            std::clamp((at.y() - scene.horizonY) / (scene.h - scene.horizonY), 0.05, 1.0);
        const double r = (2 + 9 * near) * scene.u * random.Range(0.6, 1.3);
        const int tone = random.Chance(sunSide ? 0.6 : 0.3) ? 2 : random.Int(0, 1);
        p.setBrush(Foliage(scene.mood, tone, 0.1));
        p.drawEllipse(at, r * 1.3, r);
        if (fruit && random.Chance(0.08)) {
            p.setBrush(random.Chance(0.7) ? QColor(40, 20, 40) : QColor(170, 30, 40));
            p.drawEllipse(at, r * 0.3, r * 0.3);
        }
    }
    p.restore();
}

}  // namespace

void PaintLane(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x1a9e);
    const double horizon = scene.h * random.Range(0.46, 0.54);
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(10, 30) * scene.u, 1);
    PaintMeadow(scene, horizon, scene.h);
    QPainter& p = scene.painter;
    // The vanishing point of the lane, pushed aside by its bend.
    const QPointF vanish(scene.w * random.Range(0.35, 0.65), horizon + scene.h * 0.02);
    const double laneHalf = scene.w * 0.28;
    QPainterPath track;
    track.moveTo(scene.w / 2 - laneHalf, scene.h + 5);
    track.quadTo(scene.w / 2 - laneHalf * 0.3, scene.h * 0.75, vanish.x() - 2, vanish.y());
    track.lineTo(vanish.x() + 2, vanish.y());
    track.quadTo(scene.w / 2 + laneHalf * 0.3, scene.h * 0.75, scene.w / 2 + laneHalf, scene.h + 5);
    track.closeSubpath();
    const QColor earth = scene.mood.snow ? QColor(230, 232, 236) : QColor(160, 140, 110);
    QLinearGradient fill(0, vanish.y(), 0, scene.h);
    fill.setColorAt(0, Distant(scene.mood, earth, 0.5));
    fill.setColorAt(1, Lit(scene.mood, earth));
    p.fillPath(track, fill);
    // The grass crown down the middle.
    QPainterPath crown;
    crown.moveTo(scene.w / 2 - laneHalf * 0.12, scene.h + 5);
    crown.quadTo(scene.w / 2 - laneHalf * 0.05, scene.h * 0.75, vanish.x(), vanish.y());
    crown.quadTo(scene.w / 2 + laneHalf * 0.05, scene.h * 0.75, scene.w / 2 + laneHalf * 0.12,
                 scene.h + 5);
    crown.closeSubpath();
    p.fillPath(crown, Lit(scene.mood, scene.mood.grass));
    // Hedges rising either side, tall near and shrinking to the bend.
    const bool fruit = scene.mood.season == Season::Autumn;
    for (int side = 0; side < 2; ++side) {
        const double dir = side == 0 ? -1 : 1;
        QPainterPath hedge;
        const double footNear = scene.w / 2 + dir * laneHalf;
        hedge.moveTo(footNear + dir * 20 * scene.u, scene.h + 5);
        hedge.lineTo(footNear, scene.h + 5);
        hedge.quadTo(scene.w / 2 + dir * laneHalf * 0.3, scene.h * 0.75, vanish.x() + dir * 3,
                     vanish.y());
        hedge.lineTo(vanish.x() + dir * 3, vanish.y() - scene.h * 0.05);
        hedge.quadTo(scene.w / 2 + dir * laneHalf * 0.9, horizon - scene.h * 0.2,
                     side == 0 ? -5 : scene.w + 5, horizon - scene.h * random.Range(0.3, 0.42));
        hedge.lineTo(side == 0 ? -5 : scene.w + 5, scene.h + 5);
        hedge.closeSubpath();
        PaintHedgeMass(scene, random, hedge, scene.mood.sunFromLeft == (side == 1), fruit);
    }
    // A tree or two over the hedge tops.
    for (int i = 0; i < random.Int(1, 2); ++i) {
        const bool left = random.Chance(0.5);
        PaintTree(scene, QPointF(left ? scene.w * 0.12 : scene.w * 0.88, horizon - scene.h * 0.05),
                  scene.h * random.Range(0.35, 0.5), TreeShape::Broadleaf, 0.15);
    }
}
