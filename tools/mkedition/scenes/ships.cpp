#include "tools/mkedition/scenes/ships.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

namespace {

// Proportions of each kind, as shares of the length.
struct ShipShape {
    double draft, freeboard, sheer;
    QColor hull, band;
};

ShipShape ShapeOf(ShipKind kind) {
    switch (kind) {
        case ShipKind::ShipOfTheLine:
            return {0.11, 0.15, 0.05, QColor(40, 34, 30), QColor(196, 150, 70)};
        case ShipKind::Ironclad:
            return {0.07, 0.1, 0.012, QColor(20, 20, 24), QColor(150, 40, 34)};
        case ShipKind::Drifter:
            return {0.12, 0.1, 0.03, QColor(32, 32, 34), QColor(150, 44, 34)};
        default:
            return {0.06, 0.07, 0.025, QColor(36, 30, 28), QColor(58, 44, 36)};
    }
}

// Bow to the right, keel at -draft, waterline at 0, y up; metres.
QPainterPath HullOutline(double length, const ShipShape& s) {
    const double half = length / 2, draft = s.draft * length, top = s.freeboard * length,
                 sheer = s.sheer * length;
    QPainterPath hull(QPointF(-half, top + sheer));
    hull.cubicTo(QPointF(-half * 0.4, top), QPointF(half * 0.4, top),
                 QPointF(half * 1.02, top + sheer * 1.2));
    hull.cubicTo(QPointF(half * 0.99, top * 0.2), QPointF(half * 0.95, -draft * 0.8),
                 QPointF(half * 0.78, -draft));
    hull.lineTo(-half * 0.86, -draft);
    hull.cubicTo(QPointF(-half * 0.95, -draft * 0.4), QPointF(-half * 0.97, top * 0.3),
                 QPointF(-half, top + sheer));
    hull.closeSubpath();
    return hull;
}

struct Drawing {
    QPainter& p;
    const SceneContext& scene;
    double depth;
    double length;
    QColor Tone(const QColor& c, bool lit = true) const {
        return Distant(scene.mood, lit ? Lit(scene.mood, c) : Shaded(scene.mood, c), depth);
    }
    void Line(QPointF a, QPointF b, const QColor& c, double width) const {
        p.setPen(QPen(Tone(c), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(Qt::NoPen);
    }
};

// A mast with yards across it and the standing rigging down to the rails.
void Mast(const Drawing& d, double x, double foot, double height, int yards, double yardSpan,
          bool furled) {
    const QColor spar(70, 56, 40), rope(40, 34, 30);
    const double L = d.length;
    d.Line(QPointF(x, foot), QPointF(x, foot + height), spar, L * 0.008);
    for (int i = 0; i < yards; ++i) {
        const double y = foot + height * (0.35 + 0.6 * i / std::max(1, yards));
        const double span = yardSpan * (1 - 0.22 * i);
        d.Line(QPointF(x - span / 2, y), QPointF(x + span / 2, y), spar, L * 0.005);
        if (furled)
            d.Line(QPointF(x - span / 2.2, y + 0.2), QPointF(x + span / 2.2, y + 0.2),
                   QColor(214, 204, 180), L * 0.006);
    }
    for (double side : {-1.0, 1.0})
        d.Line(QPointF(x, foot + height * 0.95), QPointF(x + side * L * 0.07, foot), rope,
               L * 0.0015);
}

void PaintShipOfTheLine(const Drawing& d, const ShipShape& s) {
    const double L = d.length, top = s.freeboard * L;
    // Tiers of gunports along the ochre bands.
    for (int tier = 0; tier < 3; ++tier) {
        const double y = top * (0.15 + tier * 0.3);
        d.p.fillRect(QRectF(-L * 0.46, y, L * 0.93, top * 0.17), d.Tone(s.band));
        for (double x = -L * 0.42; x < L * 0.42; x += L * 0.035)
            d.p.fillRect(QRectF(x, y + top * 0.03, L * 0.014, top * 0.11),
                         d.Tone(QColor(20, 16, 14)));
    }
    // The stern gallery windows and the bowsprit.
    d.p.fillRect(QRectF(-L * 0.5, top * 0.8, L * 0.03, top * 0.35), d.Tone(QColor(200, 170, 90)));
    d.Line(QPointF(L * 0.5, top * 1.2), QPointF(L * 0.72, top * 2.0), QColor(70, 56, 40),
           L * 0.008);
    Mast(d, L * 0.27, top, L * 0.85, 3, L * 0.34, true);
    Mast(d, L * 0.02, top, L * 0.95, 3, L * 0.4, true);
    Mast(d, -L * 0.25, top, L * 0.7, 2, L * 0.28, true);
}

void PaintIronclad(const Drawing& d, const ShipShape& s) {
    const double L = d.length, top = s.freeboard * L;
    // One long gun deck of ports, the white line of the upper works above.
    for (double x = -L * 0.3; x < L * 0.3; x += L * 0.025)
        d.p.fillRect(QRectF(x, top * 0.35, L * 0.01, top * 0.22), d.Tone(QColor(12, 12, 14)));
    d.p.fillRect(QRectF(-L * 0.5, top * 0.9, L, top * 0.08), d.Tone(QColor(230, 226, 214)));
    for (double x : {-L * 0.06, L * 0.07}) {
        d.p.fillRect(QRectF(x - L * 0.018, top, L * 0.036, L * 0.09),
                     d.Tone(QColor(196, 170, 110)));
        d.p.fillRect(QRectF(x - L * 0.018, top + L * 0.08, L * 0.036, L * 0.012),
                     d.Tone(QColor(20, 20, 20)));
    }
    d.Line(QPointF(L * 0.5, top * 1.1), QPointF(L * 0.62, top * 1.9), QColor(70, 56, 40),
           L * 0.005);
    Mast(d, L * 0.28, top, L * 0.42, 3, L * 0.17, true);
    Mast(d, -L * 0.0, top, L * 0.48, 3, L * 0.19, true);
    Mast(d, -L * 0.3, top, L * 0.36, 2, L * 0.13, true);
}

void PaintDrifter(const Drawing& d, const ShipShape& s) {
    const double L = d.length, top = s.freeboard * L;
    d.p.fillRect(QRectF(-L * 0.22, top, L * 0.12, L * 0.09), d.Tone(QColor(120, 84, 50)));
    d.p.fillRect(QRectF(-L * 0.2, top + L * 0.05, L * 0.08, L * 0.025), d.Tone(QColor(40, 50, 60)));
    // The tall thin funnel, black over red.
    d.p.fillRect(QRectF(-L * 0.05, top, L * 0.05, L * 0.26), d.Tone(QColor(140, 40, 30)));
    d.p.fillRect(QRectF(-L * 0.05, top + L * 0.2, L * 0.05, L * 0.06), d.Tone(QColor(20, 20, 20)));
    d.Line(QPointF(L * 0.3, top), QPointF(L * 0.3, L * 0.75), QColor(70, 56, 40), L * 0.012);
    d.Line(QPointF(-L * 0.42, top), QPointF(-L * 0.42, L * 0.5), QColor(70, 56, 40), L * 0.01);
    d.Line(QPointF(L * 0.3, L * 0.75), QPointF(L * 0.5, top), QColor(40, 34, 30), L * 0.003);
}

void PaintBarge(const Drawing& d, const ShipShape& s, bool sailsSet) {
    const double L = d.length, top = s.freeboard * L;
    const QColor sail(150, 58, 36), mast(80, 62, 44);
    // The leeboard hung on the side, and the hatches.
    QPainterPath leeboard;
    leeboard.addEllipse(QRectF(-L * 0.02, top * 0.05, L * 0.08, top * 1.1));
    d.p.fillPath(leeboard, d.Tone(QColor(50, 40, 34), false));
    d.p.fillRect(QRectF(-L * 0.3, top, L * 0.45, L * 0.015), d.Tone(QColor(90, 70, 50)));
    const double mastX = L * 0.15, mastTop = L * 1.05;
    d.Line(QPointF(mastX, top), QPointF(mastX, mastTop), mast, L * 0.012);
    if (sailsSet) {
        // The spritsail from the mast aft to the sprit's peak, the topsail above, the foresail.
        QPainterPath main(QPointF(mastX, top + L * 0.05));
        main.lineTo(QPointF(mastX, top + L * 0.62));
        main.lineTo(QPointF(-L * 0.42, L * 0.78));
        main.lineTo(QPointF(-L * 0.36, top + L * 0.05));
        main.closeSubpath();
        QLinearGradient fill(-L * 0.4, 0, mastX, 0);
        fill.setColorAt(0, d.Tone(sail));
        fill.setColorAt(1, d.Tone(sail, false));
        d.p.fillPath(main, fill);
        QPainterPath topsail(QPointF(mastX, top + L * 0.66));
        topsail.lineTo(QPointF(mastX, mastTop - L * 0.02));
        topsail.lineTo(QPointF(-L * 0.22, L * 0.86));
        topsail.closeSubpath();
        d.p.fillPath(topsail, d.Tone(Scaled(sail, 1.1)));
        QPainterPath fore(QPointF(mastX + L * 0.02, top + L * 0.55));
        fore.lineTo(QPointF(L * 0.5, top + L * 0.02));
        fore.lineTo(QPointF(mastX + L * 0.03, top + L * 0.04));
        fore.closeSubpath();
        d.p.fillPath(fore, d.Tone(Scaled(sail, 0.9)));
        d.Line(QPointF(mastX, top + L * 0.05), QPointF(-L * 0.42, L * 0.78), mast, L * 0.008);
    } else {
        // Brailed up: the canvas gathered in a red bundle against the mast, the sprit aloft.
        QPainterPath bundle(QPointF(mastX, top + L * 0.1));
        bundle.cubicTo(QPointF(mastX - L * 0.08, top + L * 0.3), QPointF(mastX - L * 0.06, L * 0.6),
                       QPointF(mastX, top + L * 0.66));
        bundle.closeSubpath();
        d.p.fillPath(bundle, d.Tone(sail, false));
        d.Line(QPointF(mastX, top + L * 0.08), QPointF(-L * 0.3, L * 0.78), mast, L * 0.008);
    }
    d.Line(QPointF(mastX, mastTop), QPointF(L * 0.52, top), QColor(40, 34, 30), L * 0.002);
    d.Line(QPointF(mastX, mastTop), QPointF(-L * 0.48, top), QColor(40, 34, 30), L * 0.002);
}

void PaintBody(QPainter& p, const SceneContext& scene, ShipKind kind, double length, double depth,
               bool sailsSet) {
    const ShipShape s = ShapeOf(kind);
    const Drawing d{p, scene, depth, length};
    const QPainterPath hull = HullOutline(length, s);
    const double top = (s.freeboard + s.sheer) * length, draft = s.draft * length;
    QLinearGradient fill(0, top, 0, -draft);
    fill.setColorAt(0, d.Tone(s.hull));
    fill.setColorAt(1, d.Tone(s.hull, false));
    p.setPen(Qt::NoPen);
    p.fillPath(hull, fill);
    p.save();
    p.setClipPath(hull, Qt::IntersectClip);
    // Below the waterline: the red of antifouling, or copper on a wooden ship.
    const QColor bottom = kind == ShipKind::ShipOfTheLine ? QColor(170, 110, 60) : s.band;
    p.fillRect(QRectF(-length, -draft * 2, length * 2, draft * 2), d.Tone(bottom, false));
    // Strakes of planking or plating catch the light.
    p.setPen(QPen(WithAlpha(d.Tone(QColor(255, 255, 255)), 22), length * 0.002));
    for (double y = -draft; y < top; y += length * 0.012)
        p.drawLine(QPointF(-length, y), QPointF(length, y));
    p.restore();
    p.setPen(Qt::NoPen);
    switch (kind) {
        case ShipKind::ShipOfTheLine:
            PaintShipOfTheLine(d, s);
            break;
        case ShipKind::Ironclad:
            PaintIronclad(d, s);
            break;
        case ShipKind::Drifter:
            PaintDrifter(d, s);
            break;
        case ShipKind::SailingBarge:
            PaintBarge(d, s, sailsSet);
            break;
    }
}

}  // namespace

void PaintShip(SceneContext& scene, const Camera& camera, ShipKind kind,
               const ShipPlacing& placing) {
    const QPointF at = camera.Project(placing.at);
    const double scale = camera.Scale(placing.at.x, placing.at.z);
    const double depth = DistanceDepth(scene.mood, placing.at.z);
    const double facing = placing.facingRight ? 1 : -1;
    const double lift = placing.afloat ? 0 : ShapeOf(kind).draft * placing.length;
    QPainter& p = scene.painter;
    if (placing.afloat) {
        // The reflection: upside down, faint, broken into bands by the ripples.
        p.save();
        QPainterPath ripples;
        const double band = std::max(1.0, scale * 0.25);
        for (double y = at.y(); y < at.y() + placing.length * scale; y += band * 2)
            ripples.addRect(
                QRectF(at.x() - placing.length * scale, y, placing.length * scale * 2, band * 1.4));
        p.setClipPath(ripples);
        p.setTransform(QTransform::fromTranslate(at.x(), at.y()).scale(facing * scale, scale * 0.9),
                       true);
        p.setOpacity(0.35);
        PaintBody(p, scene, kind, placing.length, depth, placing.sailsSet);
        p.restore();
    }
    p.save();
    QTransform place = QTransform::fromTranslate(at.x(), at.y());
    place.rotateRadians(-facing * placing.heel);
    place.scale(facing * scale, -scale);
    place.translate(0, lift);
    p.setTransform(place, true);
    if (placing.afloat) {
        // The water hides all below the waterline.
        p.setClipRect(QRectF(-placing.length, 0, placing.length * 2, placing.length * 2));
    }
    PaintBody(p, scene, kind, placing.length, depth, placing.sailsSet);
    p.restore();
}
