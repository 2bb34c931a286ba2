#include "tools/mkedition/scenes/boats.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

namespace {

// The hull in side view, metres, bow to the right, waterline at y = 0 and y growing upwards.
QPainterPath HullPath(double length, double freeboard) {
    const double half = length / 2;
    QPainterPath hull(QPointF(-half, freeboard * 1.1));
    hull.cubicTo(QPointF(-half * 0.3, freeboard * 0.95), QPointF(half * 0.5, freeboard * 1.05),
                 QPointF(half * 1.08, freeboard * 1.45));
    hull.cubicTo(QPointF(half * 1.0, freeboard * 0.8), QPointF(half * 0.95, freeboard * 0.2),
                 QPointF(half * 0.8, 0));
    hull.lineTo(-half * 0.92, 0);
    hull.lineTo(-half * 1.02, freeboard * 1.1);
    hull.closeSubpath();
    return hull;
}

void PaintBoatBody(QPainter& p, const SceneContext& scene, SceneRandom& random, double length,
                   BoatKind kind, double depth) {
    static const QColor kHulls[] = {QColor(30, 60, 120), QColor(170, 40, 36),
                                    QColor(34, 100, 70), QColor(236, 236, 230),
                                    QColor(40, 40, 44),  QColor(220, 170, 40)};
    const QColor hullColour = kind == BoatKind::Yacht ? QColor(240, 240, 236) : random.Pick(kHulls);
    const double freeboard = kind == BoatKind::Rowing ? length * 0.12 : length * 0.13;
    const QPainterPath hull = HullPath(length, freeboard);
    const QColor lit = Distant(scene.mood, Lit(scene.mood, hullColour), depth);
    const QColor dark = Distant(scene.mood, Shaded(scene.mood, hullColour), depth);
    QLinearGradient fill(0, freeboard * 1.3, 0, 0);
    fill.setColorAt(0, lit);
    fill.setColorAt(1, dark);
    p.setPen(Qt::NoPen);
    p.fillPath(hull, fill);
    // A rubbing strake in a contrasting colour, and the red of the bottom paint at the waterline.
    p.save();
    p.setClipPath(hull);
    p.fillRect(
        QRectF(-length, freeboard * 0.8, length * 2, freeboard * 0.14),
        Distant(scene.mood,
                hullColour.lightness() > 180 ? QColor(30, 50, 110) : QColor(236, 232, 220), depth));
    p.fillRect(QRectF(-length, 0, length * 2, freeboard * 0.14),
               Distant(scene.mood, QColor(150, 40, 30), depth));
    p.restore();

    const QColor white = Distant(scene.mood, Lit(scene.mood, QColor(236, 234, 228)), depth);
    const QColor spar = Distant(scene.mood, QColor(70, 60, 50), depth);
    if (kind == BoatKind::Fishing) {
        const QRectF house(-length * 0.28, freeboard, length * 0.26, length * 0.2);
        p.fillRect(house, white);
        p.fillRect(QRectF(house.left() + house.width() * 0.1, house.top() + house.height() * 0.5,
                          house.width() * 0.8, house.height() * 0.3),
                   Distant(scene.mood, QColor(40, 50, 60), depth));
        p.fillRect(QRectF(house.left() - length * 0.01, house.bottom(), house.width() * 1.08,
                          length * 0.02),
                   spar);
        p.setPen(QPen(spar, length * 0.012));
        p.drawLine(QPointF(length * 0.15, freeboard), QPointF(length * 0.15, length * 0.62));
        p.setPen(QPen(WithAlpha(spar, 160), length * 0.004));
        p.drawLine(QPointF(length * 0.15, length * 0.62), QPointF(length * 0.54, freeboard * 1.45));
        p.drawLine(QPointF(length * 0.15, length * 0.62), QPointF(-length * 0.5, freeboard * 1.1));
    } else if (kind == BoatKind::Yacht) {
        p.setPen(QPen(Distant(scene.mood, QColor(200, 200, 200), depth), length * 0.012));
        p.drawLine(QPointF(length * 0.05, freeboard), QPointF(length * 0.05, length * 1.25));
        // The mainsail furled along its boom.
        p.setPen(QPen(white, length * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(length * 0.05, freeboard + length * 0.1),
                   QPointF(-length * 0.38, freeboard + length * 0.1));
        p.fillRect(QRectF(-length * 0.15, freeboard, length * 0.2, length * 0.06), white);
    }
}

}  // namespace

void PaintBoat(SceneContext& scene, const Camera& camera, SceneRandom& random, Vec3 waterline,
               double length, BoatKind kind) {
    const QPointF at = camera.Project(waterline);
    const double scale = camera.Scale(waterline.x, waterline.z);
    const double depth = DistanceDepth(scene.mood, waterline.z);
    const double facing = random.Chance(0.5) ? 1 : -1;
    SceneRandom look = random.Fork(1);
    QPainter& p = scene.painter;
    // The reflection: the same boat upside down, darker and broken by ripples.
    p.save();
    // Seen through bands of ripples: every other band of water shows the sky instead.
    QPainterPath ripples;
    const double band = std::max(1.0, scale * 0.12);
    for (double y = at.y(); y < at.y() + length * scale * 1.4; y += band * 2)
        ripples.addRect(QRectF(at.x() - length * scale, y, length * scale * 2, band * 1.3));
    p.setClipPath(ripples);
    p.setTransform(QTransform::fromTranslate(at.x(), at.y()).scale(facing * scale, scale * 0.9),
                   true);
    p.setOpacity(0.4);
    SceneRandom mirrored = look;
    PaintBoatBody(p, scene, mirrored, length, kind, depth);
    p.restore();
    p.save();
    p.setTransform(QTransform::fromTranslate(at.x(), at.y()).scale(facing * scale, -scale), true);
    PaintBoatBody(p, scene, look, length, kind, depth);
    p.restore();
}
