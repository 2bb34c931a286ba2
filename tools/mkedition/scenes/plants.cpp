#include "tools/mkedition/scenes/plants.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

void PaintFernFrond(SceneContext& scene, QPointF root, double length, double angle,
                    const QColor& colour) {
    QPainter& p = scene.painter;
    // The rib curves over under its own weight; leaflets shorten towards the tip.
    const int steps = 14;
    QPointF previous = root;
    p.setPen(QPen(Scaled(colour, 0.8), std::max(0.6, length * 0.012)));
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double bend = angle + (angle >= 0 ? 1 : -1) * t * t * 1.1;
        const QPointF at = previous + QPointF(std::sin(bend), -std::cos(bend)) * (length / steps);
        p.drawLine(previous, at);
        const double leaflet = length * 0.2 * std::sin(kPi * std::min(1.0, 0.15 + t));
        const QPointF side(std::cos(bend) * leaflet, std::sin(bend) * leaflet);
        QPainterPath leaf;
        leaf.moveTo(at);
        leaf.quadTo(at + side * 0.5 + QPointF(0, -leaflet * 0.25), at + side);
        leaf.moveTo(at);
        leaf.quadTo(at - side * 0.5 + QPointF(0, -leaflet * 0.25), at - side);
        QPen blade(colour, std::max(0.8, length * 0.035 * (1.1 - t)));
        blade.setCapStyle(Qt::RoundCap);
        p.strokePath(leaf, blade);
        previous = at;
    }
}

void PaintFernClump(SceneContext& scene, SceneRandom& random, QPointF root, double size,
                    double depth) {
    const int fronds = random.Int(6, 11);
    for (int i = 0; i < fronds; ++i) {
        const double angle = Lerp(-1.3, 1.3, (i + random.Unit()) / fronds);
        const bool sunSide = (angle < 0) == scene.mood.sunFromLeft;
        const QColor green = Foliage(scene.mood, sunSide ? 2 : 0, depth);
        PaintFernFrond(scene, root, size * random.Range(0.7, 1.1), angle,
                       sunSide ? Lit(scene.mood, green) : green);
    }
}

void PaintHeather(SceneContext& scene, SceneRandom& random, const QColor& heather, double topY,
                  double bottomY, int count) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double f = random.Unit();
        const double y = Lerp(topY, bottomY, f);
        const double r = (1 + 5 * f) * scene.u;
        p.setBrush(WithAlpha(
            random.Chance(0.5) ? Scaled(heather, 0.75) : Lit(scene.mood, Scaled(heather, 1.15)),
            160));
        p.drawEllipse(QPointF(random.Range(0, scene.w), y), r * 1.6, r);
    }
}

void PaintTussock(SceneContext& scene, SceneRandom& random, QPointF root, double size,
                  double depth) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(Foliage(scene.mood, 0, depth));
    p.drawEllipse(root, size * 0.35, size * 0.12);
    for (int i = 0; i < 24; ++i) {
        const double lean = random.Jitter(1.2);
        const double length = size * random.Range(0.6, 1.0);
        QPainterPath blade(root + QPointF(random.Jitter(size * 0.2), 0));
        const QPointF tip = root + QPointF(std::sin(lean) * length, -std::cos(lean) * length * 0.8);
        blade.quadTo(root + QPointF(lean * size * 0.1, -length * 0.7), tip);
        p.strokePath(
            blade, QPen(Foliage(scene.mood, random.Int(0, 2), depth), std::max(0.7, size * 0.025)));
    }
}
