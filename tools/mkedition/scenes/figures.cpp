#include "tools/mkedition/scenes/figures.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

void PaintPerson(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
                 double depth) {
    static const QColor kCoats[] = {
        QColor(40, 48, 70), QColor(120, 36, 40),  QColor(60, 70, 52),  QColor(150, 130, 100),
        QColor(30, 30, 34), QColor(90, 100, 130), QColor(170, 90, 50), QColor(200, 190, 170)};
    static const QColor kSkins[] = {QColor(226, 188, 160), QColor(196, 150, 120),
                                    QColor(140, 100, 76)};
    QPainter& p = scene.painter;
    const double h = height;
    const double sun = scene.mood.sunFromLeft ? -1 : 1;
    const QColor coat = Distant(scene.mood, random.Pick(kCoats), depth);
    const QColor legs =
        Distant(scene.mood, random.Chance(0.5) ? QColor(40, 40, 46) : QColor(70, 62, 54), depth);
    const QColor skin = Distant(scene.mood, random.Pick(kSkins), depth);
    const bool skirt = random.Chance(0.35);
    const double stride = random.Chance(0.6) ? random.Range(0.04, 0.1) * h : 0.01 * h;
    const double x = foot.x(), y = foot.y();

    if (scene.mood.contrast > 0.5) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawEllipse(QPointF(x - sun * h * 0.25, y), h * 0.28, h * 0.04);
    }
    p.setPen(QPen(legs, h * 0.075, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - h * 0.03, y - h * 0.47), QPointF(x - stride, y - h * 0.02));
    p.drawLine(QPointF(x + h * 0.03, y - h * 0.47), QPointF(x + stride, y - h * 0.02));

    QPainterPath body;
    const double shoulder = h * 0.12, waist = h * 0.09;
    const double hem = skirt ? h * 0.3 : h * 0.47;
    body.moveTo(x - shoulder, y - h * 0.8);
    body.lineTo(x + shoulder, y - h * 0.8);
    body.lineTo(x + (skirt ? h * 0.14 : waist), y - hem);
    body.lineTo(x - (skirt ? h * 0.14 : waist), y - hem);
    body.closeSubpath();
    QLinearGradient shade(x - shoulder, 0, x + shoulder, 0);
    shade.setColorAt(sun < 0 ? 0 : 1, Lit(scene.mood, coat));
    shade.setColorAt(sun < 0 ? 1 : 0, Shaded(scene.mood, coat));
    p.setPen(Qt::NoPen);
    p.fillPath(body, shade);
    p.setPen(QPen(Shaded(scene.mood, coat), h * 0.06, Qt::SolidLine, Qt::RoundCap));
    const double swing = random.Jitter(0.06) * h;
    p.drawLine(QPointF(x - shoulder * 0.9, y - h * 0.78),
               QPointF(x - shoulder - swing * 0.5, y - h * 0.5));
    p.drawLine(QPointF(x + shoulder * 0.9, y - h * 0.78),
               QPointF(x + shoulder + swing * 0.5, y - h * 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawEllipse(QPointF(x, y - h * 0.88), h * 0.06, h * 0.075);
    if (random.Chance(0.4)) {
        p.setBrush(Distant(scene.mood,
                           random.Chance(0.5) ? QColor(50, 40, 34) : QColor(150, 120, 70), depth));
        p.drawEllipse(QPointF(x, y - h * 0.935), h * 0.075, h * 0.03);
    }
}
