// A stream in a steep rocky cleft hung with ferns and moss: a waterfall dropping in one white
// ribbon into its pool at the head of the gorge, or a gully stepping down towards the sea.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/plants.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// One wall of the cleft, from the frame's side to its edge at innerX, streaked with wet rock
// and moss; the wall away from the sun stays in shadow.
void PaintRockWall(SceneContext& scene, SceneRandom& random, bool leftWall, double innerTopX,
                   double innerFootX, double footY) {
    QPainter& p = scene.painter;
    const double side = leftWall ? -10 : scene.w + 10;
    QPainterPath wall(QPointF(side, -10));
    const int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        wall.lineTo(Lerp(innerTopX, innerFootX, t) + random.Jitter(14) * scene.u,
                    Lerp(-10, footY, t));
    }
    wall.lineTo(side, scene.h + 10);
    wall.closeSubpath();
    const bool lit = leftWall == scene.mood.sunFromLeft;
    const QColor rock(96, 94, 86);
    QLinearGradient fill(innerFootX, 0, side, 0);
    fill.setColorAt(0, lit ? Lit(scene.mood, rock) : Shaded(scene.mood, rock));
    fill.setColorAt(1, Scaled(lit ? rock : Shaded(scene.mood, rock), 0.55));
    p.fillPath(wall, fill);
    p.save();
    p.setClipPath(wall);
    // Blocks of the rock in slightly different tones, then ledges: thin lit lines over dark
    // seams, dipping with the strata.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(random.Range(0, scene.w), random.Range(0, scene.h));
        const double size = random.Range(20, 70) * scene.u;
        p.setBrush(WithAlpha(Scaled(rock, random.Range(0.6, 1.3)), 70));
        p.drawPolygon(QPolygonF({at, at + QPointF(size, random.Jitter(size * 0.2)),
                                 at + QPointF(size * random.Range(0.8, 1.1), size * 0.6),
                                 at + QPointF(random.Jitter(size * 0.2), size * 0.7)}));
    }
    const double dip = random.Jitter(0.15);
    for (int i = 0; i < 18; ++i) {
        const double y = random.Range(0, scene.h), x = random.Range(0, scene.w);
        const double length = random.Range(30, 140) * scene.u;
        p.setPen(QPen(WithAlpha(QColor(20, 20, 18), 150), 2.5 * scene.u));
        p.drawLine(QPointF(x, y + 2 * scene.u),
                   QPointF(x + length, y + 2 * scene.u + dip * length));
        p.setPen(QPen(WithAlpha(Lit(scene.mood, QColor(170, 166, 150)), 120), 1.2 * scene.u));
        p.drawLine(QPointF(x, y), QPointF(x + length, y + dip * length));
    }
    // Moss in patches of tiny cushions.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.Range(0, scene.w), random.Range(0, scene.h));
        const double size = random.Range(15, 45) * scene.u;
        for (int k = 0; k < 40; ++k) {
            const double r = random.Range(1.5, 4) * scene.u;
            p.setBrush(WithAlpha(Foliage(scene.mood, random.Int(0, 2), 0.15), 170));
            p.drawEllipse(at + QPointF(random.Jitter(size), random.Jitter(size * 0.4)), r, r * 0.8);
        }
    }
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.Range(0, scene.w), random.Range(0.1, 0.95) * scene.h);
        PaintFernFrond(scene, at, random.Range(20, 50) * scene.u,
                       (leftWall ? 1 : -1) * random.Range(1.2, 1.8),
                       Foliage(scene.mood, random.Int(1, 2), 0.1));
    }
    p.restore();
}

// Broken white water: a falling ribbon or a run of cascades, brightest where it catches light.
void PaintFallingWater(SceneContext& scene, SceneRandom& random, QPointF top, QPointF foot,
                       double width) {
    QPainter& p = scene.painter;
    QPainterPath ribbon(top + QPointF(-width / 2, 0));
    ribbon.cubicTo(top + QPointF(-width * 0.6, (foot.y() - top.y()) * 0.5),
                   foot + QPointF(-width, 0), foot + QPointF(-width * 1.3, 0));
    ribbon.lineTo(foot + QPointF(width * 1.3, 0));
    ribbon.cubicTo(foot + QPointF(width, 0), top + QPointF(width * 0.6, (foot.y() - top.y()) * 0.5),
                   top + QPointF(width / 2, 0));
    ribbon.closeSubpath();
    p.fillPath(ribbon, QColor(220, 226, 228));
    p.save();
    p.setClipPath(ribbon);
    for (int i = 0; i < 90; ++i) {
        const double t = random.Unit();
        const double x = Lerp(top.x(), foot.x(), t) + random.Jitter(width * (0.5 + 0.7 * t));
        const double y = Lerp(top.y(), foot.y(), t);
        p.setPen(QPen(random.Chance(0.5) ? QColor(255, 255, 255) : QColor(170, 182, 186),
                      random.Range(0.8, 2.5) * scene.u));
        p.drawLine(QPointF(x, y), QPointF(x, y + random.Range(10, 60) * scene.u));
    }
    p.restore();
    // Spray rising from the foot.
    QRadialGradient spray(foot, width * 4);
    spray.setColorAt(0, QColor(240, 244, 246, 200));
    spray.setColorAt(1, QColor(240, 244, 246, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spray);
    p.drawEllipse(foot, width * 4, width * 2);
}

// The stream over stones towards the viewer, white where it drops between them.
void PaintStreamBed(SceneContext& scene, SceneRandom& random, double topY, double farX,
                    double farWidth) {
    QPainter& p = scene.painter;
    // Wide enough that the walls of the cleft, painted over it, hide its sides.
    QPainterPath bed(QPointF(farX - farWidth, topY));
    bed.lineTo(farX + farWidth, topY);
    bed.lineTo(scene.w + 5, scene.h + 5);
    bed.lineTo(-5, scene.h + 5);
    bed.closeSubpath();
    PaintStillWater(scene, bed, topY, scene.h);
    p.save();
    p.setClipPath(bed);
    // Boulders, mossy on top, with foam trailing below them.
    for (int i = 0; i < 40; ++i) {
        const double f = random.Unit();
        const double y = Lerp(topY, scene.h, f), r = (3 + 30 * f * f) * scene.u;
        const QPointF at(
            Lerp(farX, scene.w / 2, f) + random.Jitter(Lerp(farWidth, scene.w * 0.4, f)), y);
        p.setPen(QPen(QColor(236, 240, 240, 200), 1.5 * scene.u));
        p.drawLine(at + QPointF(-r, r * 0.2), at + QPointF(-r * 0.6, r * 0.8));
        p.setPen(Qt::NoPen);
        QLinearGradient stone(at.x() - r, 0, at.x() + r, 0);
        const QColor grey(110, 106, 98);
        stone.setColorAt(scene.mood.sunFromLeft ? 0 : 1, Lit(scene.mood, grey));
        stone.setColorAt(scene.mood.sunFromLeft ? 1 : 0, Shaded(scene.mood, Scaled(grey, 0.6)));
        p.setBrush(stone);
        p.drawEllipse(at, r, r * 0.55);
        if (random.Chance(0.3)) {
            p.setBrush(WithAlpha(Foliage(scene.mood, 0, 0), 180));
            p.drawEllipse(at - QPointF(r * 0.2, r * 0.35), r * 0.4, r * 0.12);
        }
    }
    p.restore();
}

}  // namespace

void PaintRavine(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x4a71);
    const int form = scene.FormOr(random.Int(kWaterfall, kGully));
    QPainter& p = scene.painter;
    const double cx = scene.w * random.Range(0.42, 0.58);
    if (form == kWaterfall) {
        // Looking up the gorge to the fall: trees against the sky above the lip.
        const double lipY = scene.h * random.Range(0.1, 0.2);
        const double poolY = scene.h * random.Range(0.68, 0.76);
        scene.horizonY = poolY;
        PaintSky(scene, poolY);
        PaintTreeBelt(scene, lipY + 6 * scene.u, -20 * scene.u, scene.w + 20 * scene.u,
                      lipY + 20 * scene.u, 0.3);
        // The head wall, wet and dark behind the falling water, the floor of the gorge below.
        const QColor head(96, 94, 86);
        QLinearGradient wet(0, lipY, 0, poolY);
        wet.setColorAt(0, Distant(scene.mood, Lit(scene.mood, head), 0.2));
        wet.setColorAt(1, Shaded(scene.mood, Scaled(head, 0.6)));
        p.fillRect(QRectF(0, lipY, scene.w, poolY - lipY + 4), wet);
        p.fillRect(QRectF(0, poolY, scene.w, scene.h - poolY),
                   Shaded(scene.mood, Scaled(head, 0.7)));
        SceneRandom seams = random.Fork(7);
        p.setPen(QPen(WithAlpha(Lit(scene.mood, QColor(150, 150, 136)), 90), 1.2 * scene.u));
        for (int i = 0; i < 40; ++i) {
            const double y = seams.Range(lipY, poolY), x = seams.Range(0, scene.w);
            p.drawLine(QPointF(x, y),
                       QPointF(x + seams.Range(20, 90) * scene.u, y + seams.Jitter(4)));
        }
        PaintStreamBed(scene, random, poolY, cx, scene.w * 0.3);
        PaintFallingWater(scene, random, QPointF(cx, lipY + 4 * scene.u), QPointF(cx, poolY),
                          random.Range(8, 16) * scene.u);
        PaintRockWall(scene, random, true, cx - scene.w * random.Range(0.14, 0.22),
                      cx - scene.w * random.Range(0.3, 0.45), scene.h);
        PaintRockWall(scene, random, false, cx + scene.w * random.Range(0.14, 0.22),
                      cx + scene.w * random.Range(0.3, 0.45), scene.h);

    } else {
        // Looking down the gully: the cleft opens on a glimpse of the sea far below.
        const double horizon = scene.h * random.Range(0.26, 0.34);
        scene.horizonY = horizon;
        PaintSky(scene, horizon);
        PaintSea(scene, horizon, horizon + scene.h * 0.2);
        p.fillRect(QRectF(0, horizon + scene.h * 0.18, scene.w, scene.h),
                   Shaded(scene.mood, QColor(80, 84, 70)));
        PaintTreeBelt(scene, horizon + scene.h * 0.16, cx - scene.w * 0.3, cx + scene.w * 0.3,
                      scene.h * 0.1, 0.45);
        PaintStreamBed(scene, random, horizon + scene.h * 0.18, cx, scene.w * 0.05);
        // Cascades stepping down the bed towards the viewer.
        for (int i = 0; i < 3; ++i) {
            const double f = (i + 1) / 4.0;
            const double y = Lerp(horizon + scene.h * 0.2, scene.h, f * f);
            const double x = Lerp(cx, scene.w / 2, f) + random.Jitter(20) * scene.u;
            PaintFallingWater(scene, random, QPointF(x, y - 18 * f * scene.u),
                              QPointF(x, y + 10 * f * scene.u), (6 + 16 * f) * scene.u);
        }
        PaintRockWall(scene, random, true, cx - scene.w * 0.08, cx - scene.w * 0.2, scene.h * 1.05);
        PaintRockWall(scene, random, false, cx + scene.w * 0.08, cx + scene.w * 0.2,
                      scene.h * 1.05);
    }
    // Ferns crowding the near banks, the stream running between them.
    for (int i = 0; i < random.Int(3, 5); ++i) {
        const bool left = i % 2 == 0;
        const double x = left ? random.Range(-0.05, 0.2) : random.Range(0.8, 1.05);
        PaintFernClump(scene, random, QPointF(x * scene.w, scene.h * random.Range(0.9, 1.02)),
                       random.Range(0.18, 0.3) * scene.h, 0.0);
    }
}
