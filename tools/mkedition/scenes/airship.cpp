#include "tools/mkedition/scenes/airship.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

void PaintAirship(SceneContext& scene, QPointF centre, double length, bool noseRight, double pitch,
                  double depth) {
    QPainter& p = scene.painter;
    p.save();
    p.translate(centre);
    p.rotate(-pitch * 57.2958 * (noseRight ? 1 : -1));
    p.scale(noseRight ? length : -length, length);
    const double r = 0.13;  // half the envelope's depth, as a share of its length
    const QColor silver(196, 198, 196), dark(70, 72, 74);
    auto tone = [&](const QColor& c, bool lit) {
        return Distant(scene.mood, lit ? Lit(scene.mood, c) : Shaded(scene.mood, c), depth);
    };
    // The car beneath the fore part, with an engine and its propeller disc.
    const QColor carColour = tone(QColor(90, 80, 66), false);
    p.setPen(QPen(tone(dark, false), 0.002));
    p.drawLine(QPointF(0.02, r * 0.8), QPointF(0.06, r * 1.45));
    p.drawLine(QPointF(0.22, r * 0.8), QPointF(0.18, r * 1.45));
    p.setPen(Qt::NoPen);
    p.setBrush(carColour);
    p.drawRoundedRect(QRectF(0.0, r * 1.35, 0.24, r * 0.45), 0.01, 0.01);
    p.setBrush(tone(QColor(200, 210, 220), true));
    for (double x = 0.03; x < 0.2; x += 0.035) p.drawRect(QRectF(x, r * 1.45, 0.018, r * 0.14));
    p.setBrush(WithAlpha(tone(dark, false), 90));
    p.drawEllipse(QPointF(-0.02, r * 1.55), 0.008, r * 0.5);
    // The tail fins, top and bottom, and the elevator seen edge on.
    p.setBrush(tone(QColor(170, 172, 170), false));
    for (double side : {-1.0, 1.0})
        p.drawPolygon(QPolygonF({QPointF(-0.3, side * r * 0.55), QPointF(-0.47, side * r * 1.35),
                                 QPointF(-0.49, side * r * 1.35), QPointF(-0.47, side * r * 0.2)}));
    // The envelope: round nose, long taper to the tail.
    QPainterPath body(QPointF(-0.5, 0));
    body.cubicTo(QPointF(-0.35, -r * 0.75), QPointF(-0.15, -r), QPointF(0.15, -r));
    body.cubicTo(QPointF(0.4, -r), QPointF(0.5, -r * 0.6), QPointF(0.5, 0));
    body.cubicTo(QPointF(0.5, r * 0.6), QPointF(0.4, r), QPointF(0.15, r));
    body.cubicTo(QPointF(-0.15, r), QPointF(-0.35, r * 0.75), QPointF(-0.5, 0));
    QLinearGradient fill(0, -r, 0, r);
    fill.setColorAt(0, tone(silver.lighter(112), true));
    fill.setColorAt(0.35, tone(silver, true));
    fill.setColorAt(1, tone(QColor(120, 122, 124), false));
    p.fillPath(body, fill);
    p.save();
    p.setClipPath(body);
    // The panels of fabric and a faint glint along the top.
    p.setPen(QPen(WithAlpha(tone(dark, false), 60), 0.0025));
    for (double x = -0.45; x < 0.5; x += 0.05) p.drawLine(QPointF(x, -r), QPointF(x, r));
    p.setPen(QPen(WithAlpha(QColor(255, 255, 255), 70), r * 0.12));
    p.drawLine(QPointF(-0.3, -r * 0.7), QPointF(0.35, -r * 0.72));
    p.restore();
    p.setBrush(tone(QColor(170, 172, 170), true));
    p.drawPolygon(QPolygonF({QPointF(-0.32, -r * 0.05), QPointF(-0.5, -r * 0.05),
                             QPointF(-0.5, r * 0.08), QPointF(-0.32, r * 0.08)}));
    p.restore();
}
