// Golf links in the dunes: the fairway winding between marram-grown hummocks to a green and
// its flag, bunkers cut into the slopes, the beach and the sea beyond.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/water.h"

void PaintGolfLinks(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0x901f);
    const double horizon = scene.h * random.Range(0.34, 0.42);
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    PaintSea(scene, horizon, horizon + scene.h * 0.05);
    QPainter& p = scene.painter;
    // Links turf: browner and paler than a meadow, the more so late in the summer.
    const QColor turf = Mix(scene.mood.grass, QColor(190, 170, 110), 0.35);
    const Ridge dunesFar(random, horizon + scene.h * 0.05, scene.h * 0.05, scene.w * 0.5, 0.5);
    PaintHillLayer(scene, dunesFar, 0.5, turf, scene.h);
    const Ridge dunesNear(random, horizon + scene.h * 0.14, scene.h * 0.06, scene.w * 0.4, 0.4);
    PaintHillLayer(scene, dunesNear, 0.25, Mix(turf, QColor(200, 180, 120), 0.2), scene.h + 2);
    // The fairway: a smooth band of short grass from the viewer to the green.
    const double greenX = scene.w * random.Range(0.35, 0.65);
    const double greenY = horizon + scene.h * random.Range(0.16, 0.22);
    QPainterPath fairway;
    const double sway = random.Jitter(0.25) * scene.w;
    fairway.moveTo(scene.w * 0.1, scene.h + 5);
    fairway.cubicTo(scene.w * 0.2 + sway, scene.h * 0.8, greenX - scene.w * 0.15,
                    greenY + scene.h * 0.1, greenX - scene.w * 0.08, greenY);
    fairway.lineTo(greenX + scene.w * 0.08, greenY);
    fairway.cubicTo(greenX + scene.w * 0.05, greenY + scene.h * 0.1, scene.w * 0.8 + sway,
                    scene.h * 0.8, scene.w * 0.95, scene.h + 5);
    fairway.closeSubpath();
    const QColor mown = Lit(scene.mood, Mix(scene.mood.grass, QColor(120, 170, 70), 0.4));
    QLinearGradient fill(0, greenY, 0, scene.h);
    fill.setColorAt(0, Distant(scene.mood, mown, 0.4));
    fill.setColorAt(1, mown);
    p.fillPath(fairway, fill);
    // Stripes of the mower.
    p.save();
    p.setClipPath(fairway);
    for (double f = 0; f < 1; f += 0.08) {
        const double y0 = Lerp(greenY, scene.h, f * f),
                     y1 = Lerp(greenY, scene.h, (f + 0.04) * (f + 0.04));
        p.fillRect(QRectF(0, y0, scene.w, y1 - y0), WithAlpha(QColor(255, 255, 255), 18));
    }
    p.restore();
    // The green and its flag.
    const double gw = scene.w * 0.09;
    p.setPen(Qt::NoPen);
    p.setBrush(Lit(scene.mood, QColor(110, 170, 70)));
    p.drawEllipse(QPointF(greenX, greenY), gw, gw * 0.18);
    const double pole = scene.h * 0.07;
    p.setPen(QPen(QColor(240, 240, 240), std::max(1.0, 1.2 * scene.u)));
    p.drawLine(QPointF(greenX, greenY), QPointF(greenX, greenY - pole));
    p.setPen(Qt::NoPen);
    p.setBrush(random.Chance(0.5) ? QColor(220, 40, 30) : QColor(250, 210, 40));
    p.drawPolygon(QPolygonF({QPointF(greenX, greenY - pole),
                             QPointF(greenX + pole * 0.4, greenY - pole * 0.85),
                             QPointF(greenX, greenY - pole * 0.7)}));
    // Bunkers: pale sand with a dark lip.
    for (int i = 0; i < random.Int(2, 4); ++i) {
        const double f = random.Range(0.05, 0.5);
        const QPointF at(random.Range(0.15, 0.85) * scene.w, Lerp(greenY, scene.h, f));
        const double r = (10 + 80 * f) * scene.u;
        p.setBrush(Scaled(turf, 0.6));
        p.drawEllipse(at - QPointF(0, r * 0.05), r, r * 0.22);
        p.setBrush(Lit(scene.mood, QColor(226, 210, 170)));
        p.drawEllipse(at + QPointF(0, r * 0.03), r * 0.92, r * 0.18);
    }
    PaintMarram(scene, random, horizon + scene.h * 0.14, scene.h * 1.02, 90);
    for (int i = 0; i < random.Int(1, 3); ++i) {
        const double f = random.Range(0.1, 0.5);
        PaintPerson(scene, random,
                    QPointF(random.Range(0.25, 0.75) * scene.w, Lerp(greenY, scene.h, f)),
                    (12 + 110 * f) * scene.u, 0.3 * (1 - f));
    }
}
