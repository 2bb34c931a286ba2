#include "tools/mkedition/scenes/animals.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

namespace {

// Local coordinates: metres, y up, the animal facing +x.
struct Pen {
    QPainter& p;
    const SceneContext& scene;
    double depth;

    QColor Tone(const QColor& c) const { return Distant(scene.mood, c, depth); }
    void Body(const QPainterPath& path, const QColor& colour) {
        const QRectF box = path.boundingRect();
        QLinearGradient shade(0, box.bottom(), 0, box.top());
        shade.setColorAt(0, Tone(Lit(scene.mood, colour)));
        shade.setColorAt(1, Tone(Shaded(scene.mood, colour)));
        p.fillPath(path, shade);
        // A dark edge keeps the animal apart from whatever stands behind it.
        p.strokePath(path, QPen(Tone(Scaled(colour, 0.35)), 0.04));
    }
    void Limb(QPointF from, QPointF to, double width, const QColor& colour) {
        p.setPen(QPen(Tone(Shaded(scene.mood, colour)), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(Qt::NoPen);
    }
};

// Four legs at xs along the body, the front pair stepping forward and the hind pair back.
template <typename Leg>
QPainterPath Legs(const double (&xs)[4], double stride, Leg leg) {
    QPainterPath legs;
    for (double x : xs) leg(legs, x, x + (x < 0 ? -stride : stride));
    return legs;
}

void PaintGiraffe(Pen& pen, SceneRandom& random) {
    const QColor coat(232, 190, 110), patch(118, 64, 28);
    const double stride = random.Jitter(0.25);
    for (double x : {-0.9, -0.6}) pen.Limb(QPointF(x, 2.3), QPointF(x - stride, 0.05), 0.16, coat);
    for (double x : {0.7, 1.0}) pen.Limb(QPointF(x, 2.4), QPointF(x + stride, 0.05), 0.16, coat);
    QPainterPath body;
    body.moveTo(-1.2, 2.3);
    body.cubicTo(-1.3, 3.0, -0.4, 3.2, 0.6, 3.5);
    body.cubicTo(1.2, 3.6, 1.35, 2.8, 1.1, 2.3);
    body.cubicTo(0.4, 2.1, -0.6, 2.1, -1.2, 2.3);
    const double lift = random.Range(-0.15, 0.25);
    QPainterPath neck;
    neck.moveTo(0.7, 3.4);
    neck.lineTo(1.9, 5.3 + lift);
    neck.lineTo(2.2, 5.2 + lift);
    neck.lineTo(1.35, 2.9);
    neck.closeSubpath();
    QPainterPath head;
    head.moveTo(1.85, 5.35 + lift);
    head.cubicTo(2.1, 5.6 + lift, 2.4, 5.4 + lift, 2.75, 5.05 + lift);
    head.cubicTo(2.6, 4.95 + lift, 2.3, 5.0 + lift, 2.1, 5.05 + lift);
    head.closeSubpath();
    QPainterPath whole = body.united(neck).united(head);
    pen.Body(whole, coat);
    // The network of patches.
    pen.p.save();
    pen.p.setClipPath(whole);
    pen.p.setBrush(pen.Tone(patch));
    for (double x = -1.3; x < 2.4; x += 0.32)
        for (double y = 2.1; y < 5.6; y += 0.32)
            pen.p.drawRoundedRect(
                QRectF(x + random.Jitter(0.04), y + random.Jitter(0.04), 0.25, 0.25), 0.08, 0.08);
    pen.p.restore();
    pen.Limb(QPointF(2.0, 5.45 + lift), QPointF(1.95, 5.75 + lift), 0.06, patch);
    pen.Limb(QPointF(-1.2, 2.9), QPointF(-1.35, 1.9), 0.05, patch);
}

void PaintZebra(Pen& pen, SceneRandom& random) {
    const QColor white(236, 234, 226), black(28, 26, 26);
    const double stride = random.Jitter(0.15);
    QPainterPath body;
    body.moveTo(-1.0, 0.95);
    body.cubicTo(-1.2, 1.5, -0.6, 1.55, 0.4, 1.5);
    body.cubicTo(0.7, 1.55, 0.9, 1.9, 1.2, 2.0);
    body.lineTo(1.55, 1.55);
    body.lineTo(1.45, 1.45);
    body.cubicTo(1.2, 1.6, 0.95, 1.3, 0.8, 0.95);
    body.cubicTo(0.2, 0.85, -0.5, 0.85, -1.0, 0.95);
    const QPainterPath legs =
        Legs({-0.8, -0.55, 0.5, 0.7}, stride, [](QPainterPath& path, double x, double foot) {
            path.addPolygon(QPolygonF({QPointF(x - 0.08, 1.0), QPointF(x + 0.08, 1.0),
                                       QPointF(foot + 0.05, 0.02), QPointF(foot - 0.05, 0.02)}));
        });
    QPainterPath whole = body.united(legs);
    pen.Body(whole, white);
    pen.p.save();
    pen.p.setClipPath(whole);
    pen.p.setBrush(pen.Tone(black));
    for (double x = -1.1; x < 1.6; x += 0.16)
        pen.p.drawPolygon(
            QPolygonF({QPointF(x, 2.1), QPointF(x + 0.07, 2.1),
                       QPointF(x + 0.04 + (x > 0.8 ? 0.1 : 0), 0.8), QPointF(x - 0.03, 0.8)}));
    for (double y = 0.1; y < 0.8; y += 0.12) pen.p.drawRect(QRectF(-1.2, y, 3, 0.05));
    pen.p.restore();
    pen.Limb(QPointF(-1.0, 1.35), QPointF(-1.15, 0.8), 0.05, black);
    pen.Limb(QPointF(0.8, 1.75), QPointF(1.2, 2.05), 0.08, black);
}

void PaintElephant(Pen& pen, SceneRandom& random) {
    const QColor grey(132, 128, 126);
    const double stride = random.Jitter(0.2);
    QPainterPath body;
    body.moveTo(-1.8, 1.2);
    body.cubicTo(-2.0, 2.8, -0.5, 3.3, 0.8, 3.0);
    body.cubicTo(1.6, 3.1, 2.1, 2.6, 2.0, 1.8);
    // The trunk curling down in front.
    body.cubicTo(2.3, 1.2, 2.3, 0.6, 2.45, 0.3);
    body.lineTo(2.2, 0.3);
    body.cubicTo(2.0, 0.8, 1.8, 1.3, 1.5, 1.4);
    body.cubicTo(0.4, 1.1, -1.2, 1.0, -1.8, 1.2);
    const QPainterPath legs =
        Legs({-1.4, -0.9, 0.6, 1.1}, stride, [](QPainterPath& path, double x, double foot) {
            path.addRoundedRect(
                QRectF(std::min(x, foot) - 0.28, 0.0, 0.56 + std::abs(foot - x), 1.5), 0.15, 0.15);
        });
    pen.Body(body.united(legs), grey);
    // The great ear and a small tusk.
    QPainterPath ear;
    ear.moveTo(1.1, 2.8);
    ear.cubicTo(0.5, 2.9, 0.4, 1.8, 0.9, 1.5);
    ear.cubicTo(1.3, 1.6, 1.5, 2.4, 1.1, 2.8);
    pen.p.fillPath(ear, pen.Tone(Shaded(pen.scene.mood, Scaled(grey, 0.9))));
    pen.Limb(QPointF(1.9, 1.5), QPointF(2.15, 1.25), 0.08, QColor(250, 246, 230));
    pen.p.setBrush(pen.Tone(QColor(20, 20, 20)));
    pen.p.drawEllipse(QPointF(1.7, 2.2), 0.05, 0.05);
    pen.Limb(QPointF(-1.8, 2.0), QPointF(-1.95, 1.3), 0.05, grey);
}

void PaintPenguin(Pen& pen, SceneRandom& random) {
    const double lean = random.Jitter(0.08);
    QPainterPath body;
    body.addEllipse(QPointF(lean, 0.35), 0.2, 0.33);
    body.addEllipse(QPointF(lean * 1.6 + 0.02, 0.72), 0.11, 0.11);
    body.setFillRule(Qt::WindingFill);
    pen.p.fillPath(body, pen.Tone(QColor(24, 24, 30)));
    pen.p.setBrush(pen.Tone(Lit(pen.scene.mood, QColor(240, 238, 230))));
    pen.p.drawEllipse(QPointF(lean + 0.06, 0.32), 0.13, 0.27);
    pen.p.setBrush(pen.Tone(QColor(240, 150, 40)));
    pen.p.drawPolygon(QPolygonF({QPointF(lean * 1.6 + 0.1, 0.74), QPointF(lean * 1.6 + 0.24, 0.7),
                                 QPointF(lean * 1.6 + 0.1, 0.68)}));
    pen.p.drawRect(QRectF(lean - 0.1, 0.0, 0.2, 0.04));
}

void PaintFlamingo(Pen& pen, SceneRandom& random) {
    const QColor pink(240, 130, 150);
    const bool oneLeg = random.Chance(0.5);
    pen.Limb(QPointF(0, 0.8), QPointF(0, 0.0), 0.04, QColor(220, 110, 120));
    if (oneLeg)
        pen.Limb(QPointF(0.05, 0.8), QPointF(-0.15, 0.55), 0.04, QColor(220, 110, 120));
    else
        pen.Limb(QPointF(0.05, 0.8), QPointF(0.1, 0.0), 0.04, QColor(220, 110, 120));
    QPainterPath body;
    body.addEllipse(QPointF(0, 0.95), 0.32, 0.17);
    pen.Body(body, pink);
    QPainterPath neck(QPointF(0.25, 1.0));
    neck.cubicTo(0.55, 1.2, 0.1, 1.4, 0.3, 1.6);
    neck.cubicTo(0.4, 1.75, 0.55, 1.7, 0.55, 1.6);
    pen.p.setBrush(Qt::NoBrush);
    pen.p.setPen(QPen(pen.Tone(Lit(pen.scene.mood, pink)), 0.07, Qt::SolidLine, Qt::RoundCap));
    pen.p.drawPath(neck);
    pen.p.setPen(QPen(pen.Tone(QColor(30, 30, 30)), 0.05, Qt::SolidLine, Qt::RoundCap));
    pen.p.drawLine(QPointF(0.55, 1.6), QPointF(0.6, 1.5));
    pen.p.setPen(Qt::NoPen);
}

}  // namespace

void PaintAnimal(SceneContext& scene, SceneRandom& random, Species species, QPointF foot,
                 double scale, bool facingRight, double depth) {
    QPainter& p = scene.painter;
    // A soft shadow under the animal first.
    const double reach = species == Species::Elephant  ? 2.2
                         : species == Species::Giraffe ? 1.5
                                                       : 0.8;
    if (scene.mood.contrast > 0.5) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawEllipse(foot + QPointF((scene.mood.sunFromLeft ? 1 : -1) * reach * scale * 0.4, 0),
                      reach * scale, reach * scale * 0.15);
    }
    p.save();
    p.setTransform(
        QTransform::fromTranslate(foot.x(), foot.y()).scale(facingRight ? scale : -scale, -scale),
        true);
    p.setPen(Qt::NoPen);
    Pen pen{p, scene, depth};
    switch (species) {
        case Species::Giraffe:
            PaintGiraffe(pen, random);
            break;
        case Species::Zebra:
            PaintZebra(pen, random);
            break;
        case Species::Elephant:
            PaintElephant(pen, random);
            break;
        case Species::Penguin:
            PaintPenguin(pen, random);
            break;
        case Species::Flamingo:
            PaintFlamingo(pen, random);
            break;
    }
    p.restore();
}
