#include "tools/mkedition/scenes/beasts.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenerandom.h"

namespace {

struct Build {
    double length, body, leg, neck, neckRise, head, tail;
    QColor coat, legs;
    bool woolly = false, antlers = false, longEars = false, pointedEars = false;
};

Build BuildOf(Beast beast, SceneRandom& random) {
    static const QColor kHorses[] = {QColor(110, 66, 40), QColor(60, 40, 30), QColor(170, 150, 130),
                                     QColor(140, 90, 50)};
    switch (beast) {
        case Beast::Sheep:
            return {
                1.2, 0.6, 0.35, 0.15, 0.25, 0.28, 0.1, QColor(228, 222, 206), QColor(40, 36, 34),
                true};
        case Beast::Horse:
            return {2.2, 0.8, 0.95, 0.7, 0.8, 0.6, 0.7, random.Pick(kHorses), QColor(50, 36, 28)};
        case Beast::Donkey: {
            Build b{
                1.5, 0.65, 0.7, 0.45, 0.55, 0.5, 0.4, QColor(130, 116, 104), QColor(70, 60, 54)};
            b.longEars = true;
            return b;
        }
        case Beast::Deer: {
            Build b{1.5, 0.55, 0.8, 0.5, 0.8, 0.35, 0.15, QColor(150, 96, 56), QColor(110, 70, 44)};
            b.antlers = random.Chance(0.4);
            return b;
        }
        default: {
            Build b{
                1.3, 0.5, 0.55, 0.25, 0.3, 0.42, 0.55, QColor(128, 122, 114), QColor(96, 90, 84)};
            b.pointedEars = true;
            return b;
        }
    }
}

void Shadow(QPainter& p, const SceneContext& scene, QPointF foot, double width) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, scene.mood.contrast > 0.5 ? 60 : 35));
    const double shift = (scene.mood.sunFromLeft ? 1 : -1) * width * 0.25;
    p.drawEllipse(QPointF(foot.x() + shift, foot.y()), width * 0.6, width * 0.07);
}

void FourLegged(SceneContext& scene, SceneRandom& random, const Build& b, QPointF foot, double s,
                bool right, double depth) {
    QPainter& p = scene.painter;
    const double dir = right ? 1 : -1;
    const QColor coat = Distant(scene.mood, b.coat, depth);
    const QColor lit = Distant(scene.mood, Lit(scene.mood, b.coat), depth);
    const QColor dark = Distant(scene.mood, Shaded(scene.mood, b.coat), depth);
    const QColor legs = Distant(scene.mood, b.legs, depth);
    Shadow(p, scene, foot, b.length * s);
    const double bodyTop = foot.y() - (b.leg + b.body) * s, bodyBottom = foot.y() - b.leg * s;
    const double back = foot.x() - dir * b.length * s / 2,
                 front = foot.x() + dir * b.length * s / 2;
    // Legs: the far pair darker, a stride in the step.
    const double stride = random.Range(0, 0.15) * s;
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(QPen(pass == 0 ? Scaled(legs, 0.7) : legs, std::max(1.0, 0.1 * s), Qt::SolidLine,
                      Qt::RoundCap));
        const double spread = pass == 0 ? stride : -stride;
        for (double x : {back + dir * 0.18 * b.length * s, front - dir * 0.15 * b.length * s})
            p.drawLine(QPointF(x, bodyBottom - 0.05 * s), QPointF(x + spread, foot.y()));
    }
    // The body, lit along its back.
    QLinearGradient shade(0, bodyTop, 0, bodyBottom);
    shade.setColorAt(0, lit);
    shade.setColorAt(1, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    const QRectF body(std::min(back, front), bodyTop, b.length * s, b.body * s);
    if (b.woolly)
        p.drawRoundedRect(body, b.body * s * 0.5, b.body * s * 0.5);
    else
        p.drawEllipse(body);
    // Neck and head.
    const QPointF shoulder(front - dir * 0.1 * b.length * s, bodyTop + b.body * s * 0.35);
    const QPointF poll(shoulder.x() + dir * b.neck * s * 0.5, shoulder.y() - b.neckRise * s);
    p.setPen(QPen(coat, b.body * s * 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, poll);
    p.setPen(Qt::NoPen);
    p.setBrush(b.woolly ? Distant(scene.mood, QColor(40, 36, 34), depth) : coat);
    QPainterPath head;
    head.moveTo(poll + QPointF(-dir * b.head * s * 0.1, -b.head * s * 0.15));
    head.lineTo(poll + QPointF(dir * b.head * s * 0.9, b.head * s * 0.25));
    head.lineTo(poll + QPointF(dir * b.head * s * 0.85, b.head * s * 0.5));
    head.lineTo(poll + QPointF(-dir * b.head * s * 0.05, b.head * s * 0.3));
    head.closeSubpath();
    p.drawPath(head);
    if (b.longEars || b.pointedEars || b.antlers) {
        p.setPen(QPen(b.antlers ? Distant(scene.mood, QColor(90, 70, 50), depth) : coat,
                      std::max(1.0, 0.06 * s), Qt::SolidLine, Qt::RoundCap));
        const double ear = b.longEars ? 0.35 : b.antlers ? 0.5 : 0.15;
        p.drawLine(poll, poll + QPointF(-dir * ear * s * 0.3, -ear * s));
        if (b.antlers)
            p.drawLine(poll + QPointF(-dir * ear * s * 0.15, -ear * s * 0.5),
                       poll + QPointF(dir * ear * s * 0.2, -ear * s * 0.8));
    }
    // The tail: a wolf's is a thick brush.
    p.setPen(QPen(b.woolly ? coat : Scaled(coat, 0.7),
                  std::max(1.0, (b.pointedEars ? 0.16 : 0.08) * s), Qt::SolidLine, Qt::RoundCap));
    const QPointF rump(back, bodyTop + b.body * s * 0.3);
    p.drawLine(rump, rump + QPointF(-dir * b.tail * s * 0.3, b.tail * s));
}

void Seal(SceneContext& scene, QPointF foot, double s, bool right, double depth, bool pup) {
    QPainter& p = scene.painter;
    const double dir = right ? 1 : -1, len = (pup ? 1.0 : 2.0) * s;
    Shadow(p, scene, foot, len);
    const QColor grey = pup ? QColor(230, 226, 214) : QColor(110, 104, 100);
    QPainterPath body(QPointF(foot.x() - dir * len * 0.55, foot.y()));
    body.quadTo(foot.x() - dir * len * 0.2, foot.y() - len * 0.32, foot.x() + dir * len * 0.3,
                foot.y() - len * 0.35);
    body.quadTo(foot.x() + dir * len * 0.5, foot.y() - len * 0.5, foot.x() + dir * len * 0.55,
                foot.y() - len * 0.36);
    body.quadTo(foot.x() + dir * len * 0.5, foot.y(), foot.x() + dir * len * 0.2, foot.y());
    body.closeSubpath();
    QLinearGradient shade(0, foot.y() - len * 0.45, 0, foot.y());
    shade.setColorAt(0, Distant(scene.mood, Lit(scene.mood, grey), depth));
    shade.setColorAt(1, Distant(scene.mood, Shaded(scene.mood, grey), depth));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(body);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(foot.x() + dir * len * 0.47, foot.y() - len * 0.42), len * 0.02,
                  len * 0.02);
}

void Bird(SceneContext& scene, Beast beast, QPointF foot, double s, bool right, double depth) {
    QPainter& p = scene.painter;
    const double dir = right ? 1 : -1;
    const bool swan = beast == Beast::Swan, heron = beast == Beast::Heron;
    const QColor plumage = swan    ? QColor(246, 244, 236)
                           : heron ? QColor(150, 156, 164)
                                   : QColor(240, 240, 236);
    const double len = swan ? 1.3 * s : heron ? 0.9 * s : 0.4 * s;
    const double raised = heron ? 0.75 * s : 0;
    if (heron) {
        p.setPen(QPen(Distant(scene.mood, QColor(160, 130, 90), depth), std::max(1.0, 0.03 * s)));
        p.drawLine(foot, foot - QPointF(0, raised));
    }
    const QPointF base = foot - QPointF(0, raised);
    QPainterPath body(QPointF(base.x() - dir * len * 0.5, base.y() - len * 0.25));
    body.quadTo(base.x(), base.y() - len * 0.45, base.x() + dir * len * 0.4, base.y() - len * 0.2);
    body.quadTo(base.x(), base.y() + len * 0.05, base.x() - dir * len * 0.5, base.y() - len * 0.25);
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, Lit(scene.mood, plumage), depth));
    p.drawPath(body);
    // The neck: a swan's S, a heron's hunched crook, a seabird's short head.
    const QPointF chest(base.x() + dir * len * 0.3, base.y() - len * 0.25);
    QPainterPath neck(chest);
    const double tall = swan ? len * 0.75 : heron ? len * 0.6 : len * 0.2;
    neck.cubicTo(chest + QPointF(dir * len * 0.25, -tall * 0.3),
                 chest + QPointF(-dir * len * 0.1, -tall * 0.8),
                 chest + QPointF(dir * len * 0.1, -tall));
    p.setPen(QPen(Distant(scene.mood, Lit(scene.mood, plumage), depth), std::max(1.0, len * 0.09),
                  Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(neck);
    const QPointF head = chest + QPointF(dir * len * 0.1, -tall);
    p.setPen(QPen(swan ? QColor(230, 120, 40) : QColor(200, 170, 60), std::max(1.0, len * 0.05),
                  Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head, head + QPointF(dir * len * (heron ? 0.3 : 0.15), len * 0.05));
    if (beast == Beast::Seabird) {
        p.setPen(Qt::NoPen);
        p.setBrush(Distant(scene.mood, QColor(60, 64, 70), depth));
        p.drawEllipse(QPointF(base.x() - dir * len * 0.15, base.y() - len * 0.3), len * 0.3,
                      len * 0.08);
    }
}

}  // namespace

void PaintBeast(SceneContext& scene, SceneRandom& random, Beast beast, QPointF foot, double scale,
                bool facingRight, double depth) {
    switch (beast) {
        case Beast::Seal:
            Seal(scene, foot, scale, facingRight, depth, random.Chance(0.15));
            break;
        case Beast::Swan:
        case Beast::Heron:
        case Beast::Seabird:
            Bird(scene, beast, foot, scale, facingRight, depth);
            break;
        case Beast::Otter: {
            QPainter& p = scene.painter;
            p.setPen(Qt::NoPen);
            p.setBrush(Distant(scene.mood, QColor(80, 58, 40), depth));
            p.drawEllipse(foot - QPointF(0, scale * 0.08), scale * 0.35, scale * 0.12);
            p.drawEllipse(foot + QPointF((facingRight ? 1 : -1) * scale * 0.3, -scale * 0.16),
                          scale * 0.1, scale * 0.08);
            break;
        }
        default:
            FourLegged(scene, random, BuildOf(beast, random), foot, scale, facingRight, depth);
            break;
    }
}

void PaintFlyingBird(SceneContext& scene, QPointF at, double span, bool dark) {
    QPainter& p = scene.painter;
    p.setPen(QPen(dark ? QColor(40, 40, 44) : QColor(250, 250, 248), std::max(1.0, span * 0.08),
                  Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath wings(at - QPointF(span / 2, span * 0.1));
    wings.quadTo(at - QPointF(span / 4, span * 0.25), at);
    wings.quadTo(at + QPointF(span / 4, -span * 0.25), at + QPointF(span / 2, -span * 0.1));
    p.drawPath(wings);
}
