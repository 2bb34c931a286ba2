#include "tools/mkedition/scenes/shore.h"

#include <QPainter>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/water.h"

namespace {

QPainterPath Shore(const SceneContext& scene, double shoreY, double tilt) {
    QPainterPath ground(QPointF(-5, shoreY + tilt));
    ground.cubicTo(scene.w * 0.35, shoreY + tilt * 0.3, scene.w * 0.65, shoreY - tilt * 0.2,
                   scene.w + 5, shoreY - tilt);
    ground.lineTo(scene.w + 5, scene.h + 5);
    ground.lineTo(-5, scene.h + 5);
    ground.closeSubpath();
    return ground;
}

QPainterPath Edge(const SceneContext& scene, double shoreY, double tilt) {
    QPainterPath edge(QPointF(-5, shoreY + tilt));
    edge.cubicTo(scene.w * 0.35, shoreY + tilt * 0.3, scene.w * 0.65, shoreY - tilt * 0.2,
                 scene.w + 5, shoreY - tilt);
    return edge;
}

}  // namespace

QPainterPath PaintSand(SceneContext& scene, SceneRandom& random, double shoreY, double tilt) {
    QPainter& p = scene.painter;
    const QPainterPath sand = Shore(scene, shoreY, tilt);
    const QColor dry = QColor(222, 204, 164);
    const QColor wet = Mix(Scaled(dry, 0.68), scene.mood.skyHorizon, 0.4);
    const double top = shoreY - std::abs(tilt);
    QLinearGradient fill(0, top, 0, scene.h);
    fill.setColorAt(0.0, wet);
    fill.setColorAt(0.3, Mix(wet, Lit(scene.mood, dry), 0.7));
    fill.setColorAt(1.0, Lit(scene.mood, dry));
    p.fillPath(sand, fill);
    p.save();
    p.setClipPath(sand);
    // Ripples left by the tide, closer together with distance.
    p.setBrush(Qt::NoBrush);
    for (double f = 0.02; f < 1; f += 0.035 + f * 0.05) {
        const double y = Lerp(top, scene.h, f * f);
        p.setPen(QPen(WithAlpha(Scaled(dry, 0.78), 70), (0.5 + 2 * f) * scene.u));
        QPainterPath ripple(QPointF(-5, y));
        for (double x = 0; x < scene.w + 40; x += 40 * scene.u)
            ripple.quadTo(x + 20 * scene.u, y + random.Jitter(3) * f * scene.u, x + 40 * scene.u,
                          y);
        p.drawPath(ripple);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 300; ++i) {
        const double f = random.Unit();
        const double r = (0.4 + 2.4 * f) * scene.u;
        p.setBrush(WithAlpha(random.Chance(0.5) ? Scaled(dry, 0.7) : Scaled(dry, 1.1), 110));
        p.drawEllipse(QPointF(random.Range(0, scene.w), Lerp(top, scene.h, f)), r * 1.5, r * 0.7);
    }
    p.restore();
    PaintSurf(scene, Edge(scene, shoreY, tilt), 2.4 * scene.u);
    return sand;
}

QPainterPath PaintShingle(SceneContext& scene, SceneRandom& random, double shoreY, double tilt) {
    QPainter& p = scene.painter;
    const QPainterPath bank = Shore(scene, shoreY, tilt);
    const QColor grey(150, 144, 132);
    QLinearGradient fill(0, shoreY - std::abs(tilt), 0, scene.h);
    fill.setColorAt(0, Mix(Scaled(grey, 0.7), scene.mood.skyHorizon, 0.3));
    fill.setColorAt(1, Lit(scene.mood, grey));
    p.fillPath(bank, fill);
    p.save();
    p.setClipPath(bank);
    static const QColor kStones[] = {QColor(170, 164, 150), QColor(120, 112, 104),
                                     QColor(196, 186, 168), QColor(100, 96, 92),
                                     QColor(160, 140, 120)};
    p.setPen(Qt::NoPen);
    const double top = shoreY - std::abs(tilt);
    for (int i = 0; i < 2600; ++i) {
        const double f = std::pow(random.Unit(), 0.7);
        const double y = Lerp(top, scene.h + 10, f);
        const double r = (0.5 + 7 * f * f) * scene.u;
        const QPointF at(random.Range(-5, scene.w + 5), y);
        const QColor stone = random.Pick(kStones);
        p.setBrush(Shaded(scene.mood, stone));
        p.drawEllipse(at + QPointF(0, r * 0.25), r * 1.3, r * 0.8);
        p.setBrush(Lit(scene.mood, stone));
        p.drawEllipse(at, r * 1.2, r * 0.7);
    }
    p.restore();
    PaintSurf(scene, Edge(scene, shoreY, tilt), 2.0 * scene.u);
    return bank;
}

void PaintRockLedges(SceneContext& scene, SceneRandom& random, double topY) {
    QPainter& p = scene.painter;
    const QColor rock(84, 80, 76), weed(92, 80, 36);
    const double sun = scene.mood.sunFromLeft ? -1 : 1;
    // Ledges in rows, larger and lower the nearer they lie.
    for (double f = 0; f < 1.05; f += 0.14 + f * 0.2) {
        const double y = Lerp(topY, scene.h * 1.05, f);
        const double size = (30 + 260 * f * f) * scene.u;
        for (double x = random.Range(-size, 0); x < scene.w + size;
             x += size * random.Range(1.0, 1.8)) {
            QPolygonF slab;
            const double w = size * random.Range(0.8, 1.5), hgt = size * random.Range(0.25, 0.45);
            slab << QPointF(x, y) << QPointF(x + w * 0.15, y - hgt)
                 << QPointF(x + w * random.Range(0.5, 0.8), y - hgt * random.Range(0.9, 1.3))
                 << QPointF(x + w, y - hgt * 0.3) << QPointF(x + w * 1.05, y);
            p.setPen(Qt::NoPen);
            p.setBrush(Distant(scene.mood, Shaded(scene.mood, rock), (1 - f) * 0.5));
            p.drawPolygon(slab);
            // The sunward faces and the weed over the foot.
            QPolygonF lit;
            lit << slab[1] << slab[2] << slab[3]
                << QPointF(slab[3].x() - sun * w * 0.1, slab[3].y())
                << QPointF(x + w * 0.2, y - hgt * 0.6);
            p.setBrush(Distant(scene.mood, Lit(scene.mood, Scaled(rock, 1.3)), (1 - f) * 0.5));
            p.drawPolygon(lit);
            p.setBrush(Distant(scene.mood, weed, (1 - f) * 0.5));
            p.drawRect(QRectF(x, y - hgt * 0.22, w * 1.05, hgt * 0.22));
        }
        // A pool of sky between the rows.
        if (random.Chance(0.6) && f > 0.1) {
            const QPointF at(random.Range(0.1, 0.9) * scene.w, y + size * 0.1);
            p.setBrush(Mix(scene.mood.skyHorizon, scene.mood.skyTop, 0.4));
            p.drawEllipse(at, size * 0.9, size * 0.12);
        }
    }
}

void PaintMarram(SceneContext& scene, SceneRandom& random, double topY, double bottomY, int tufts) {
    QPainter& p = scene.painter;
    const QColor blade = Mix(scene.mood.grass, QColor(170, 170, 110), 0.5);
    for (int i = 0; i < tufts; ++i) {
        const double f = random.Unit();
        const QPointF root(random.Range(0, scene.w), Lerp(topY, bottomY, f));
        const double length = (6 + 40 * f * f) * scene.u;
        for (int b = 0; b < 7; ++b) {
            const double lean = random.Jitter(0.6);
            p.setPen(QPen(random.Chance(0.5) ? Lit(scene.mood, blade) : Scaled(blade, 0.7),
                          (0.5 + 1.2 * f) * scene.u));
            p.drawLine(root, root + QPointF(lean * length, -length * random.Range(0.7, 1.0)));
        }
    }
}
