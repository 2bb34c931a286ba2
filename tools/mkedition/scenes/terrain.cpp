#include "tools/mkedition/scenes/terrain.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/trees.h"

Ridge::Ridge(SceneRandom& random, double baseY, double amplitude, double width, double roughness)
    : base_(baseY), amplitude_(amplitude) {
    double total = 0;
    for (int i = 0; i < 5; ++i) {
        const double octave = std::pow(2.1, i);
        waves_[i].frequency = octave * random.Range(0.8, 1.3) * 2 * kPi / width;
        waves_[i].phase = random.Range(0, 2 * kPi);
        waves_[i].weight = std::pow(0.25 + roughness * 0.35, i);
        total += waves_[i].weight;
    }
    for (Wave& wave : waves_) wave.weight /= total;
}

double Ridge::At(double x) const {
    double y = 0;
    for (const Wave& wave : waves_) y += wave.weight * std::sin(x * wave.frequency + wave.phase);
    double amplitude = amplitude_;
    if (taperFull_ != taperZero_) {
        const double t = std::clamp((x - taperZero_) / (taperFull_ - taperZero_), 0.0, 1.0);
        amplitude *= t * t * (3 - 2 * t);
    }
    return base_ - amplitude * (0.5 + 0.5 * y);
}

void Ridge::Taper(double fullAtX, double zeroAtX) {
    taperFull_ = fullAtX;
    taperZero_ = zeroAtX;
}

QPainterPath Ridge::Area(double width, double bottomY) const {
    QPainterPath path(QPointF(-2, bottomY));
    const double step = 4;
    for (double x = -2; x <= width + step; x += step) path.lineTo(x, At(x));
    path.lineTo(width + step, bottomY);
    path.closeSubpath();
    return path;
}

void PaintHillLayer(SceneContext& scene, const Ridge& ridge, double depth, const QColor& colour,
                    double bottomY) {
    const QPainterPath area = ridge.Area(scene.w, bottomY);
    const QRectF box = area.boundingRect();
    QLinearGradient fill(0, box.top(), 0, bottomY);
    fill.setColorAt(0.0, Distant(scene.mood, Lit(scene.mood, colour), depth));
    fill.setColorAt(1.0, Distant(scene.mood, Scaled(colour, 0.8), depth + 0.1));
    scene.painter.fillPath(area, fill);
}

void PaintDistantHills(SceneContext& scene, double horizonY, double height, int layers) {
    SceneRandom random = scene.random.Fork(0x4111);
    const QColor far =
        scene.mood.snow ? QColor(220, 226, 236) : Mix(scene.mood.grass, QColor(70, 90, 110), 0.5);
    for (int i = 0; i < layers; ++i) {
        const double depth = 1.0 - 0.22 * i;
        const Ridge ridge(random, horizonY + 2, height * (1.0 - 0.25 * i) * random.Range(0.6, 1.1),
                          scene.w * random.Range(0.8, 1.6), random.Range(0.1, 0.6));
        PaintHillLayer(scene, ridge, depth, far, horizonY + 4);
    }
}

namespace {

QColor FieldColour(const Mood& mood, SceneRandom& random) {
    if (mood.snow) return Mix(QColor(236, 240, 246), QColor(210, 216, 228), random.Unit());
    const QColor crops[] = {
        mood.grass, Scaled(mood.grass, 0.85), Mix(mood.grass, QColor(200, 210, 110), 0.4),
        mood.season == Season::Summer || mood.season == Season::Autumn ? QColor(212, 186, 110)
                                                                       : QColor(140, 160, 80),
        mood.season == Season::Autumn || mood.season == Season::Winter
            ? QColor(128, 98, 70)
            : Mix(mood.grass, QColor(90, 120, 50), 0.5)};
    return random.Pick(crops);
}

}  // namespace

void PaintFields(SceneContext& scene, const Ridge& ridge, double bottomY, double depth) {
    SceneRandom random = scene.random.Fork(0xf1e1d);
    QPainter& p = scene.painter;
    const double w = scene.w;
    p.save();
    p.setClipPath(ridge.Area(w, bottomY));

    // Field boundaries follow the swell of the hill, each with a wander of its own; rows get
    // deeper towards the viewer.
    struct Boundary {
        double f, amplitude, frequency, phase;
    };
    std::vector<Boundary> rows{{0.0, 0, 0, 0}};
    while (rows.back().f < 1.0) {
        const double f =
            std::min(1.0, rows.back().f + random.Range(0.1, 0.22) * (0.45 + rows.back().f));
        rows.push_back({f, random.Range(0.0, 0.35), random.Range(1.5, 4.0) * 2 * kPi / w,
                        random.Range(0, 6.3)});
    }
    auto rowY = [&](double x, size_t r) {
        const Boundary& b = rows[r];
        const double top = ridge.At(x) - 2;
        const double span = bottomY - top;
        const double next = r + 1 < rows.size() ? rows[r + 1].f : 1.0;
        const double gap = (next - b.f) * span;
        return Lerp(top, bottomY, b.f) + b.amplitude * gap * std::sin(x * b.frequency + b.phase);
    };
    // Hedges converge on a point far above the hill, as field edges do in perspective.
    const double vanishX = w * random.Range(0.3, 0.7);
    const QColor hedge =
        Distant(scene.mood,
                scene.mood.snow ? QColor(70, 70, 60) : Scaled(scene.mood.foliage[0], 0.85), depth);
    for (size_t r = 0; r + 1 < rows.size(); ++r) {
        const double f0 = rows[r].f;
        const double rowDepth = depth * (1.0 - 0.5 * f0);
        double x = -random.Range(0, 120) * scene.u;
        while (x < w) {
            const double next = x + random.Range(110, 320) * scene.u * (0.5 + f0);
            const double lean0 = (x - vanishX) * 0.25 * (rows[r + 1].f - f0),
                         lean1 = (next - vanishX) * 0.25 * (rows[r + 1].f - f0);
            QPainterPath cell;
            const double step = 10;
            cell.moveTo(x + lean0, rowY(x + lean0, r + 1));
            for (double cx = x; cx <= next; cx += step) cell.lineTo(cx, rowY(cx, r));
            cell.lineTo(next, rowY(next, r));
            cell.lineTo(next + lean1, rowY(next + lean1, r + 1));
            for (double cx = next + lean1; cx >= x + lean0; cx -= step)
                cell.lineTo(cx, rowY(cx, r + 1));
            cell.closeSubpath();
            const QColor base = FieldColour(scene.mood, random);
            const QRectF box = cell.boundingRect();
            QLinearGradient fill(0, box.top(), 0, box.bottom());
            fill.setColorAt(0, Distant(scene.mood, Lit(scene.mood, base), rowDepth));
            fill.setColorAt(1, Distant(scene.mood, Scaled(base, 0.92), rowDepth));
            p.setPen(Qt::NoPen);
            p.fillPath(cell, fill);
            p.setPen(
                QPen(hedge, (0.6 + 2.0 * rows[r + 1].f) * scene.u, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(next, rowY(next, r)),
                       QPointF(next + lean1, rowY(next + lean1, r + 1)));
            if (random.Chance(0.18)) {
                const double t = random.Unit();
                const double tx = Lerp(next, next + lean1, t);
                PaintTree(scene, QPointF(tx, Lerp(rowY(next, r), rowY(next + lean1, r + 1), t)),
                          (7 + 14 * rows[r + 1].f) * scene.u, TreeShape::Broadleaf, rowDepth);
            }
            x = next;
        }
        QPainterPath boundary;
        boundary.moveTo(-2, rowY(-2, r + 1));
        for (double bx = 0; bx <= w + 8; bx += 8) boundary.lineTo(bx, rowY(bx, r + 1));
        p.setPen(QPen(hedge, (0.8 + 2.4 * rows[r + 1].f) * scene.u, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(boundary);
    }
    p.restore();
}

void PaintMeadow(SceneContext& scene, double topY, double bottomY) {
    QLinearGradient fill(0, topY, 0, bottomY);
    fill.setColorAt(0.0, Distant(scene.mood, scene.mood.grass, 0.45));
    fill.setColorAt(0.35, Lit(scene.mood, scene.mood.grass));
    fill.setColorAt(1.0, Scaled(scene.mood.grass, 0.78));
    scene.painter.fillRect(QRectF(0, topY, scene.w, bottomY - topY), fill);
    // Mottling in perspective: patches flatten and shrink towards the horizon.
    SceneRandom random = scene.random.Fork(0x3ead);
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const double f = random.Unit();
        const double y = Lerp(topY, bottomY, f * f);
        const double nearness = (y - topY) / std::max(1.0, bottomY - topY);
        const QColor c =
            random.Chance(0.5) ? scene.mood.grassDark : Lit(scene.mood, scene.mood.grass);
        p.setBrush(WithAlpha(Distant(scene.mood, c, 0.4 * (1 - nearness)), 22));
        p.drawEllipse(QPointF(random.Range(0, scene.w), y), (4 + 40 * nearness) * scene.u,
                      (0.6 + 6 * nearness) * scene.u);
    }
    // The shadows of clouds drifting over the land.
    if (scene.mood.weather == Weather::Fair) {
        for (int i = 0; i < random.Int(1, 4); ++i) {
            const double f = random.Range(0.1, 1.0);
            const QPointF centre(random.Range(0, scene.w), Lerp(topY, bottomY, f * f));
            const double rx = (60 + 300 * f) * scene.u, ry = (4 + 50 * f * f) * scene.u;
            QRadialGradient shadow(centre, rx);
            shadow.setColorAt(0, QColor(20, 30, 40, 60));
            shadow.setColorAt(1, QColor(20, 30, 40, 0));
            p.setBrush(shadow);
            p.save();
            p.translate(centre);
            p.scale(1.0, ry / rx);
            p.translate(-centre);
            p.drawEllipse(centre, rx, rx);
            p.restore();
        }
    }
    // Clumps of rougher grass near the viewer.
    for (int i = 0; i < 40; ++i) {
        const double f = random.Range(0.6, 1.0);
        const QPointF at(random.Range(0, scene.w), Lerp(topY, bottomY, f));
        p.setBrush(WithAlpha(scene.mood.grassDark, 50));
        p.drawEllipse(at, random.Range(8, 30) * scene.u * f, random.Range(2, 6) * scene.u * f);
    }
}

void PaintGrassBlades(SceneContext& scene, double topY, double bottomY, int count) {
    if (scene.mood.snow) return;
    SceneRandom random = scene.random.Fork(0xb1ade);
    QPainter& p = scene.painter;
    for (int i = 0; i < count; ++i) {
        const double f = random.Unit();
        const double y = Lerp(topY, bottomY, std::sqrt(f));
        const double x = random.Range(0, scene.w);
        const double length = (2 + 9 * f) * scene.u * random.Range(0.6, 1.3);
        const QColor c =
            random.Chance(0.5) ? Lit(scene.mood, scene.mood.grass) : scene.mood.grassDark;
        p.setPen(QPen(WithAlpha(c, 150), (0.6 + 0.8 * f) * scene.u, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + random.Jitter(length * 0.4), y - length));
    }
}
