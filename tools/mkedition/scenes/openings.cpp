#include "tools/mkedition/scenes/openings.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

OpeningLook WindowLook(const SceneContext& scene, const QColor& dressing) {
    const Mood& mood = scene.mood;
    OpeningLook look;
    look.glassTop = Mix(Mix(mood.skyTop, mood.skyHorizon, 0.5), QColor(40, 46, 56), 0.45);
    look.glassBottom = QColor(24, 28, 34);
    look.frame = mood.windowsLit ? QColor(70, 62, 56) : QColor(226, 224, 216);
    look.dressing = Scaled(dressing, 1.12);
    look.lamp = QColor(255, 204, 120);
    look.litShare = mood.windowsLit ? 0.55 : 0.0;
    return look;
}

QPainterPath OpeningPath(const QRectF& r, Arch arch) {
    QPainterPath path;
    const double x0 = r.left(), x1 = r.right(), y0 = r.top(), y1 = r.bottom();
    const double half = r.width() / 2;
    switch (arch) {
        case Arch::Flat:
            path.addRect(r);
            return path;
        case Arch::Round: {
            const double spring = std::max(y0, y1 - half);
            path.moveTo(x0, y0);
            path.lineTo(x1, y0);
            path.lineTo(x1, spring);
            for (int i = 1; i <= 16; ++i) {
                const double a = kPi * i / 16;
                path.lineTo(x0 + half + half * std::cos(a), spring + (y1 - spring) * std::sin(a));
            }
            path.closeSubpath();
            return path;
        }
        case Arch::Pointed: {
            const double spring = std::max(y0, y1 - r.width() * 0.85);
            path.moveTo(x0, y0);
            path.lineTo(x1, y0);
            path.lineTo(x1, spring);
            // Two arcs of radius equal to the width meet at the apex.
            for (int i = 1; i <= 10; ++i) {
                const double t = double(i) / 10;
                path.lineTo(Lerp(x1, x0 + half, t) + (1 - t) * t * half * 0.5,
                            spring + (y1 - spring) * std::sin(t * kPi / 2));
            }
            for (int i = 1; i <= 10; ++i) {
                const double t = double(i) / 10;
                path.lineTo(Lerp(x0 + half, x0, t) - (1 - t) * t * half * 0.5,
                            spring + (y1 - spring) * std::cos(t * kPi / 2));
            }
            path.closeSubpath();
            return path;
        }
    }
    return path;
}

void PaintWindow(QPainter& p, const QRectF& r, Arch arch, const OpeningLook& look, int panesAcross,
                 int panesUp, bool lit) {
    const double edge = std::min(r.width(), r.height()) * 0.12;
    p.setPen(Qt::NoPen);
    p.fillPath(OpeningPath(r.adjusted(-edge, -edge, edge, edge), arch), look.dressing);
    const QPainterPath glass = OpeningPath(r, arch);
    if (lit) {
        QLinearGradient glow(0, r.top(), 0, r.bottom());
        glow.setColorAt(0, look.lamp);
        glow.setColorAt(1, Scaled(look.lamp, 0.8));
        p.fillPath(glass, glow);
    } else {
        QLinearGradient reflection(0, r.bottom(), 0, r.top());
        reflection.setColorAt(0, look.glassTop);
        reflection.setColorAt(1, look.glassBottom);
        p.fillPath(glass, reflection);
    }
    if (panesAcross > 1 || panesUp > 1) {
        p.save();
        p.setClipPath(glass);
        p.setPen(QPen(lit ? Scaled(look.frame, 0.6) : look.frame,
                      std::min(r.width(), r.height()) * 0.06));
        for (int i = 1; i < panesAcross; ++i) {
            const double x = r.left() + r.width() * i / panesAcross;
            p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        }
        for (int i = 1; i < panesUp; ++i) {
            const double y = r.top() + r.height() * i / panesUp;
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        }
        p.restore();
    }
    // The sill throws a line of light.
    p.setPen(Qt::NoPen);
    p.setBrush(Scaled(look.dressing, 1.1));
    p.drawRect(
        QRectF(r.left() - edge * 1.5, r.top() - edge * 1.2, r.width() + edge * 3, edge * 1.2));
}

void PaintWindowRow(QPainter& p, double x0, double x1, double y, int count, double width,
                    double height, Arch arch, const OpeningLook& look, int panesAcross,
                    int panesUp) {
    const double bay = (x1 - x0) / count;
    for (int i = 0; i < count; ++i) {
        // A fixed scatter of lit rooms, the same for the same wall every time.
        SceneRandom scatter(static_cast<uint64_t>(i) * 2654435761u +
                            static_cast<uint64_t>(std::llround(std::abs(x0 * 100 + y * 7))));
        PaintWindow(p, QRectF(x0 + bay * (i + 0.5) - width / 2, y, width, height), arch, look,
                    panesAcross, panesUp, scatter.Unit() < look.litShare);
    }
}

void PaintDoorway(QPainter& p, const QRectF& r, Arch arch, const QColor& door,
                  const QColor& dressing) {
    const double edge = r.width() * 0.12;
    p.setPen(Qt::NoPen);
    p.fillPath(OpeningPath(r.adjusted(-edge, 0, edge, edge), arch), dressing);
    p.fillPath(OpeningPath(r, arch), door);
    p.setPen(QPen(Scaled(door, 0.7), r.width() * 0.03));
    p.drawLine(QPointF(r.center().x(), r.top()),
               QPointF(r.center().x(), r.bottom() - r.width() * 0.2));
}
