#include "tools/mkedition/scenes/water.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

namespace {

QColor FarWater(const Mood& mood) { return Mix(mood.skyHorizon, mood.water, 0.35); }
QColor NearWater(const Mood& mood) { return Scaled(mood.water, 0.8); }

// Rows of small waves in perspective: a dark trough under a light crest, longer, taller and
// further apart towards the viewer.
void PaintWaveStrokes(SceneContext& scene, SceneRandom& random, double topY, double bottomY,
                      double roughness) {
    QPainter& p = scene.painter;
    const Mood& mood = scene.mood;
    const QColor crest = Mix(mood.skyHorizon, QColor(255, 255, 255), 0.25);
    const QColor trough = Scaled(mood.water, 0.55);
    const double span = std::max(1.0, bottomY - topY);
    for (double y = topY + 1; y < bottomY;) {
        const double nearness = (y - topY) / span;
        const double length = (4 + 70 * nearness * nearness) * scene.u;
        const double thick = (0.5 + 3.0 * nearness) * scene.u;
        for (double x = -random.Range(0, length); x < scene.w;
             x += length * random.Range(0.8, 2.2)) {
            const double run = length * random.Range(0.4, 1.0);
            const double wobble = random.Jitter(thick);
            p.setPen(QPen(WithAlpha(trough, static_cast<int>(40 + 70 * roughness)), thick,
                          Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, y + wobble), QPointF(x + run, y + wobble));
            if (random.Chance(0.35 + 0.4 * roughness)) {
                p.setPen(QPen(WithAlpha(crest, static_cast<int>(30 + 90 * roughness)), thick * 0.6,
                              Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(x + run * 0.2, y + wobble - thick),
                           QPointF(x + run * 0.7, y + wobble - thick));
            }
        }
        y += (0.8 + 9 * nearness * nearness) * scene.u * random.Range(0.7, 1.3);
    }
}

// The broken path of light on the water below a low or bright sun.
void PaintGlitter(SceneContext& scene, SceneRandom& random, double topY, double bottomY) {
    const Mood& mood = scene.mood;
    if (!mood.sunVisible) return;
    QPainter& p = scene.painter;
    const double centre = mood.sunX * scene.w;
    const QColor glint = Mix(mood.sunGlow, QColor(255, 255, 255), 0.5);
    for (int i = 0; i < 260; ++i) {
        const double f = random.Unit();
        const double y = Lerp(topY, bottomY, f * f);
        const double nearness = (y - topY) / std::max(1.0, bottomY - topY);
        const double spread = (12 + 160 * nearness) * scene.u;
        const double x = centre + random.Jitter(1.0) * random.Unit() * spread;
        const double length = (2 + 16 * nearness) * scene.u * random.Range(0.4, 1.2);
        p.setPen(QPen(WithAlpha(glint, random.Int(90, 220)), (0.6 + nearness) * scene.u));
        p.drawLine(QPointF(x - length / 2, y), QPointF(x + length / 2, y));
    }
}

}  // namespace

void PaintSea(SceneContext& scene, double horizonY, double bottomY) {
    const Mood& mood = scene.mood;
    QLinearGradient fill(0, horizonY, 0, bottomY);
    fill.setColorAt(0.0, FarWater(mood));
    fill.setColorAt(0.08, Mix(FarWater(mood), mood.water, 0.5));
    fill.setColorAt(1.0, NearWater(mood));
    scene.painter.fillRect(QRectF(0, horizonY, scene.w, bottomY - horizonY), fill);
    // A crisp line where sea meets sky.
    scene.painter.fillRect(QRectF(0, horizonY, scene.w, 1.2 * scene.u),
                           Scaled(FarWater(mood), 0.9));
    SceneRandom random = scene.random.Fork(0x5ea);
    const double roughness = mood.weather == Weather::Rain       ? 1.0
                             : mood.weather == Weather::Overcast ? 0.7
                                                                 : 0.45;
    PaintWaveStrokes(scene, random, horizonY + 1, bottomY, roughness);
    PaintGlitter(scene, random, horizonY + 1, bottomY);
}

void PaintStillWater(SceneContext& scene, const QPainterPath& area, double farY, double bottomY) {
    const Mood& mood = scene.mood;
    QLinearGradient fill(0, farY, 0, bottomY);
    fill.setColorAt(0.0, Mix(mood.skyHorizon, mood.water, 0.5));
    fill.setColorAt(1.0, Mix(mood.skyTop, NearWater(mood), 0.6));
    QPainter& p = scene.painter;
    p.fillPath(area, fill);
    SceneRandom random = scene.random.Fork(0x1a4e);
    p.save();
    p.setClipPath(area);
    PaintWaveStrokes(scene, random, farY, bottomY, 0.12);
    PaintGlitter(scene, random, farY, bottomY);
    p.restore();
}

void ReflectInto(SceneContext& scene, const QPainterPath& area, double waterlineY,
                 double strength) {
    const QRectF box = area.boundingRect() & QRectF(0, 0, scene.w, scene.h);
    const int line = static_cast<int>(std::floor(waterlineY));
    const int depth = std::min(static_cast<int>(std::ceil(box.bottom())) - line, line);
    if (depth <= 0) return;
    // Flip the strip above the waterline, then shift each row a little sideways: ripples.
    const QImage above = scene.image.copy(0, line - depth, scene.image.width(), depth)
                             .convertToFormat(QImage::Format_ARGB32);
    QImage mirrored(above.width(), depth, QImage::Format_ARGB32);
    const int width = above.width();
    for (int row = 0; row < depth; ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(above.constScanLine(depth - 1 - row));
        QRgb* to = reinterpret_cast<QRgb*>(mirrored.scanLine(row));
        const double wobble =
            std::sin(row * 0.9 / scene.u + row * row * 0.002) * (0.5 + row * 0.03);
        const int shift = static_cast<int>(std::lround(wobble));
        for (int x = 0; x < width; ++x) to[x] = from[std::clamp(x + shift, 0, width - 1)];
    }
    QPainter& p = scene.painter;
    p.save();
    p.setClipPath(area);
    p.setOpacity(strength);
    p.drawImage(QPointF(0, line), mirrored);
    p.setOpacity(1.0);
    // Water darkens and tints what it reflects.
    p.fillPath(area, WithAlpha(Scaled(scene.mood.water, 0.7), 70));
    p.restore();
}

void PaintSurf(SceneContext& scene, const QPainterPath& shoreline, double width) {
    QPainter& p = scene.painter;
    const QColor foam = Mix(QColor(250, 250, 246), scene.mood.skyHorizon, 0.15);
    SceneRandom random = scene.random.ForkAt(shoreline.boundingRect().top() * 17);
    p.save();
    // Churned water, then lumps of foam strung along the breaking waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(foam, 45), width * 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shoreline);
    p.setPen(Qt::NoPen);
    const double length = shoreline.length();
    const int lumps = std::min(1500, static_cast<int>(length / std::max(0.5, width * 0.6)));
    for (int i = 0; i < lumps; ++i) {
        const int line = random.Int(0, 2);
        const QPointF at = shoreline.pointAtPercent(random.Unit()) +
                           QPointF(0, -width * (2.4 * line + random.Range(0.0, 1.2)));
        const double r = width * random.Range(0.3, 1.0) * (1.0 - 0.25 * line);
        p.setBrush(WithAlpha(foam, random.Int(80, 230) - line * 40));
        p.drawEllipse(at, r * random.Range(1.5, 3.5), r * 0.6);
    }
    p.restore();
}

void PaintMirrorWater(SceneContext& scene, const Camera& camera, double x0, double x1, double nearZ,
                      double farZ) {
    QPainterPath water;
    water.addPolygon(QPolygonF({camera.Project(x0, 0, farZ), camera.Project(x1, 0, farZ),
                                camera.Project(x1, 0, nearZ), camera.Project(x0, 0, nearZ)}));
    water.closeSubpath();
    const double waterline = camera.Project(0, 0, farZ).y();
    PaintStillWater(scene, water, waterline, camera.Project(0, 0, nearZ).y());
    ReflectInto(scene, water, waterline, 0.7);
}
