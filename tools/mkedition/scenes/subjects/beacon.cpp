// A hilltop beacon: an iron fire basket on a tall post on the crest of the down, the grassy
// ramparts of the old fort round it and the country falling away; lit, it flares against the
// dusk and throws its smoke downwind.
#include <QPainter>
#include <QPainterPath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/smoke.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

// The basket: iron hoops and staves widening upwards, logs or flames in it.
void PaintFireBasket(SceneContext& scene, QPointF rim, double size, bool lit) {
    QPainter& p = scene.painter;
    const QColor iron(34, 30, 28);
    const double top = rim.y(), bottom = rim.y() + size * 0.9;
    if (lit) {
        QRadialGradient glow(rim, size * 6);
        glow.setColorAt(0, QColor(255, 190, 90, 150));
        glow.setColorAt(1, QColor(255, 150, 60, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(rim, size * 6, size * 6);
        QPainterPath flame;
        flame.moveTo(rim.x() - size * 0.6, top + size * 0.2);
        flame.cubicTo(rim.x() - size * 0.7, top - size * 0.8, rim.x() - size * 0.1,
                      top - size * 1.2, rim.x(), top - size * 2.0);
        flame.cubicTo(rim.x() + size * 0.2, top - size * 1.1, rim.x() + size * 0.8,
                      top - size * 0.9, rim.x() + size * 0.6, top + size * 0.2);
        flame.closeSubpath();
        QLinearGradient fire(0, top - size * 2, 0, top + size * 0.2);
        fire.setColorAt(0, QColor(255, 120, 40, 200));
        fire.setColorAt(0.6, QColor(255, 200, 80));
        fire.setColorAt(1, QColor(255, 246, 200));
        p.fillPath(flame, fire);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 70, 50));
        for (int i = 0; i < 5; ++i)
            p.drawRect(QRectF(rim.x() - size * 0.55 + i * size * 0.22, top - size * 0.25,
                              size * 0.18, size * 0.5));
    }
    p.setPen(QPen(iron, std::max(1.0, size * 0.08)));
    p.setBrush(Qt::NoBrush);
    for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(rim.x() + i * size * 0.2, top),
                   QPointF(rim.x() + i * size * 0.09, bottom));
    p.drawEllipse(QPointF(rim.x(), top), size * 0.65, size * 0.12);
    p.drawLine(QPointF(rim.x() - size * 0.45, (top + bottom) / 2),
               QPointF(rim.x() + size * 0.45, (top + bottom) / 2));
}

// The shadowed inner face of the rampart: the ditch below its crest.
void PaintRampartShadow(SceneContext& scene, const Ridge& rampart) {
    QPainterPath ditch;
    const double drop = scene.h * 0.05;
    ditch.moveTo(-5, rampart.At(-5));
    for (double x = 0; x <= scene.w + 5; x += 8) ditch.lineTo(x, rampart.At(x) + 2 * scene.u);
    for (double x = scene.w + 5; x >= -5; x -= 8) ditch.lineTo(x, rampart.At(x) + drop);
    ditch.closeSubpath();
    QLinearGradient shade(0, rampart.At(scene.w / 2), 0, rampart.At(scene.w / 2) + drop);
    shade.setColorAt(0, WithAlpha(Shaded(scene.mood, scene.mood.grassDark), 150));
    shade.setColorAt(1, WithAlpha(Shaded(scene.mood, scene.mood.grassDark), 0));
    scene.painter.fillPath(ditch, shade);
}

}  // namespace

void PaintBeacon(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xbeac);
    const bool lit = scene.mood.time == DayTime::Dusk || scene.mood.time == DayTime::Night ||
                     random.Chance(0.35);
    if (lit && scene.mood.time != DayTime::Night) {
        scene.mood.time = DayTime::Dusk;
        scene.mood.sunVisible = false;
        scene.mood.skyTop = QColor(40, 46, 84);
        scene.mood.skyHorizon = QColor(214, 130, 90);
        scene.mood.contrast = 0.4;
    }
    const double horizon = scene.h * random.Range(0.5, 0.58);
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(12, 24) * scene.u, 2);
    // The land falling away below the crest, the fort's rampart and ditch, then the crest.
    PaintMeadow(scene, horizon, scene.h);
    const Ridge vale(random, horizon + scene.h * 0.03, scene.h * 0.02, scene.w * 1.5, 0.2);
    PaintFields(scene, vale, scene.h, 0.6);
    const Ridge rampart(random, scene.h * random.Range(0.64, 0.7), scene.h * 0.025, scene.w * 2,
                        0.05);
    PaintHillLayer(scene, rampart, 0.15, scene.mood.grass, scene.h);
    PaintRampartShadow(scene, rampart);
    const Ridge crest(random, scene.h * random.Range(0.8, 0.86), scene.h * 0.03, scene.w * 1.4,
                      0.1);
    PaintHillLayer(scene, crest, 0.0, scene.mood.grass, scene.h + 2);
    // The post and basket, tall against the sky.
    const double x = scene.w * random.Range(0.3, 0.7);
    const double footY = crest.At(x) + 4 * scene.u;
    const double postHeight = scene.h * random.Range(0.46, 0.56);
    const QPointF rim(x, footY - postHeight);
    QPainter& p = scene.painter;
    const QColor timber = scene.mood.contrast < 0.5 ? QColor(40, 34, 30) : QColor(90, 70, 52);
    QLinearGradient post(x - 6 * scene.u, 0, x + 6 * scene.u, 0);
    post.setColorAt(scene.mood.sunFromLeft ? 0 : 1, Lit(scene.mood, timber));
    post.setColorAt(scene.mood.sunFromLeft ? 1 : 0, Shaded(scene.mood, timber));
    p.setPen(Qt::NoPen);
    p.setBrush(post);
    p.drawRect(QRectF(x - 7 * scene.u, rim.y(), 14 * scene.u, postHeight));
    // Struts bracing the foot, and the ladder of iron rungs.
    p.setPen(QPen(Shaded(scene.mood, timber), 5 * scene.u));
    p.drawLine(QPointF(x - 40 * scene.u, footY), QPointF(x, footY - postHeight * 0.3));
    p.drawLine(QPointF(x + 40 * scene.u, footY), QPointF(x, footY - postHeight * 0.3));
    p.setPen(QPen(QColor(40, 36, 34), 2 * scene.u));
    for (double y = footY - 20 * scene.u; y > rim.y() + 30 * scene.u; y -= 18 * scene.u)
        p.drawLine(QPointF(x - 8 * scene.u, y), QPointF(x + 8 * scene.u, y));
    if (lit)
        PaintSmoke(scene, rim - QPointF(0, 60 * scene.u), 30 * scene.u, random.Chance(0.5) ? 1 : -1,
                   QColor(90, 84, 80));
    PaintFireBasket(scene, rim, random.Range(48, 64) * scene.u, lit);
    PaintGrassBlades(scene, footY, scene.h, 260);
}
