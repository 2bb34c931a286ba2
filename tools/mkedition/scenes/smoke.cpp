#include "tools/mkedition/scenes/smoke.h"

#include <QPainter>
#include <QRadialGradient>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

void PaintSmoke(SceneContext& scene, QPointF source, double size, double drift,
                const QColor& colour) {
    SceneRandom random = scene.random.ForkAt(source.x() * 3 + source.y() * 7);
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    QPointF at = source;
    double r = size / 2;
    const QColor lit = Lit(scene.mood, colour), dark = Shaded(scene.mood, colour);
    for (int i = 0; i < 22; ++i) {
        const double fade = 1.0 - i / 22.0;
        QRadialGradient puff(at + QPointF(-drift * r * 0.2, -r * 0.3), r * 1.2);
        puff.setColorAt(0.0,
                        WithAlpha(Mix(dark, lit, random.Unit()), static_cast<int>(150 * fade)));
        puff.setColorAt(1.0, WithAlpha(dark, 0));
        p.setBrush(puff);
        p.drawEllipse(at, r * 1.2, r);
        // The plume rises, bends over with the wind and spreads.
        at += QPointF(drift * r * random.Range(0.5, 0.9), -r * random.Range(0.2, 0.6) * fade);
        r *= random.Range(1.06, 1.14);
    }
}
