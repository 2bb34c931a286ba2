#include "tools/mkedition/scenes/sky.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

namespace {

// The sky is painted at a quarter of the size and enlarged smoothly: clouds get the soft
// edges of real vapour instead of the crisp outline of a cut-out.
constexpr double kSkyReduction = 4.0;

struct CloudLook {
    QColor top, bottom;
    double flatness;  // 1 = towering, 0.3 = strung out
};

CloudLook CloudColours(const Mood& mood, double depth) {
    QColor top(250, 250, 248), bottom(170, 178, 196);
    switch (mood.weather) {
        case Weather::Overcast:
            top = QColor(196, 198, 204);
            bottom = QColor(140, 146, 158);
            break;
        case Weather::Rain:
            top = QColor(128, 134, 146);
            bottom = QColor(74, 80, 92);
            break;
        default:
            break;
    }
    if (mood.time == DayTime::Evening) {
        top = Mix(top, QColor(255, 200, 150), 0.45);
        bottom = Mix(bottom, QColor(150, 90, 110), 0.5);
    } else if (mood.time == DayTime::Morning) {
        top = Mix(top, QColor(255, 236, 210), 0.3);
    }
    top = Mix(top, mood.skyHorizon, depth * 0.5);
    bottom = Mix(bottom, mood.skyHorizon, depth * 0.55);
    return {top, bottom, 1.0};
}

// A heap of round puffs in tiers on a flat base: the body shaded from its bright top to its
// grey base, then each puff rounded by a glow on its sunward side.
void PaintCumulus(QPainter& p, SceneRandom& random, const Mood& mood, QPointF base, double width,
                  double height, double depth) {
    struct Puff {
        QPointF centre;
        double radius;
    };
    std::vector<Puff> puffs;
    const int tiers = height > width * 0.3 ? 3 : 2;
    for (int tier = 0; tier < tiers; ++tier) {
        const double span = width * (1.0 - 0.3 * tier);
        const int count = std::max(1, 6 - 2 * tier + random.Int(0, 2));
        for (int i = 0; i < count; ++i) {
            const double t = (i + 0.5) / count;
            const double r = height * (0.38 - 0.06 * tier) * random.Range(0.75, 1.15) *
                             (0.7 + 0.3 * std::sin(t * kPi));
            puffs.push_back({QPointF(base.x() - span / 2 + t * span + random.Jitter(span * 0.06),
                                     base.y() - r * 0.6 - tier * height * 0.32),
                             r});
        }
    }
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    for (const Puff& puff : puffs) body.addEllipse(puff.centre, puff.radius * 1.15, puff.radius);
    QPainterPath above;
    above.addRect(base.x() - width, base.y() - height * 3, width * 2, height * 3);
    body = body.intersected(above);

    const CloudLook look = CloudColours(mood, depth);
    const QRectF box = body.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, Mix(look.top, look.bottom, 0.15));
    fill.setColorAt(0.6, Mix(look.top, look.bottom, 0.5));
    fill.setColorAt(1.0, look.bottom);
    p.fillPath(body, fill);
    p.save();
    p.setClipPath(body);
    const double sun = mood.sunFromLeft ? -1 : 1;
    for (const Puff& puff : puffs) {
        const QPointF light = puff.centre + QPointF(sun * puff.radius * 0.3, -puff.radius * 0.35);
        QRadialGradient glow(light, puff.radius * 1.1);
        glow.setColorAt(0.0, WithAlpha(look.top, 230));
        glow.setColorAt(0.6, WithAlpha(look.top, 120));
        glow.setColorAt(1.0, WithAlpha(look.top, 0));
        p.setBrush(glow);
        p.drawEllipse(light, puff.radius * 1.1, puff.radius * 1.1);
    }
    p.restore();
}

// Long thin streaks high in a clear sky.
void PaintWisps(QPainter& p, SceneRandom& random, const Mood& mood, double w, double horizon) {
    const int count = random.Int(1, 4);
    for (int i = 0; i < count; ++i) {
        const QPointF c(random.Range(0, w), random.Range(horizon * 0.1, horizon * 0.6));
        const double length = random.Range(w * 0.15, w * 0.4);
        const QColor tint =
            mood.time == DayTime::Evening ? QColor(255, 190, 150) : QColor(255, 255, 255);
        for (int k = 0; k < 4; ++k) {
            p.setBrush(WithAlpha(tint, 40));
            p.drawEllipse(c + QPointF(random.Jitter(length * 0.2), random.Jitter(4)),
                          length * random.Range(0.3, 0.5), random.Range(2.0, 5.0));
        }
    }
}

// A continuous blanket of grey, darker and heavier for rain.
void PaintCloudCover(QPainter& p, SceneRandom& random, const Mood& mood, double w, double horizon) {
    const CloudLook look = CloudColours(mood, 0.0);
    const int rows = 7;
    for (int row = 0; row < rows; ++row) {
        const double depth = double(row) / rows;
        const double y = horizon * (0.05 + 0.95 * depth * depth);
        const double size = (1.0 - depth * 0.7) * horizon * 0.35;
        for (double x = -size; x < w + size; x += size * random.Range(0.6, 1.1)) {
            const QColor c = Mix(Mix(look.bottom, look.top, random.Range(0.0, 1.0)),
                                 mood.skyHorizon, depth * 0.6);
            p.setBrush(WithAlpha(c, 150));
            p.drawEllipse(QPointF(x, y + random.Jitter(size * 0.2)), size * random.Range(1.2, 2.0),
                          size * random.Range(0.35, 0.6));
        }
    }
}

void PaintSunGlow(QPainter& p, const Mood& mood, QPointF sun, double reach) {
    QRadialGradient glow(sun, reach);
    glow.setColorAt(0.0, WithAlpha(mood.sunGlow, 200));
    glow.setColorAt(0.25, WithAlpha(mood.sunGlow, 80));
    glow.setColorAt(1.0, WithAlpha(mood.sunGlow, 0));
    p.setBrush(glow);
    p.drawEllipse(sun, reach, reach);
}

}  // namespace

void PaintSky(SceneContext& scene, double horizonY) {
    scene.horizonY = horizonY;
    const Mood& mood = scene.mood;
    SceneRandom random = scene.random.Fork(0x5c1);
    const double w = scene.w;
    const QPointF sun(mood.sunX * w, mood.sunY * scene.h);

    QImage small(static_cast<int>(std::ceil(w / kSkyReduction)),
                 static_cast<int>(std::ceil((horizonY + 8) / kSkyReduction)), QImage::Format_RGB32);
    {
        QPainter p(&small);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(1.0 / kSkyReduction, 1.0 / kSkyReduction);
        p.setPen(Qt::NoPen);

        QLinearGradient gradient(0, 0, 0, horizonY);
        gradient.setColorAt(0.0, mood.skyTop);
        gradient.setColorAt(0.55, Mix(mood.skyTop, mood.skyHorizon, 0.5));
        gradient.setColorAt(1.0, mood.skyHorizon);
        p.fillRect(QRectF(0, 0, w, horizonY + 8), gradient);
        if (mood.time == DayTime::Evening || mood.time == DayTime::Morning) {
            // The low sun warms the whole side of the sky it stands in.
            PaintSunGlow(p, mood, sun, w * (mood.time == DayTime::Evening ? 0.7 : 0.45));
        }
        if (mood.sunVisible) PaintSunGlow(p, mood, sun, w * 0.18);

        switch (mood.weather) {
            case Weather::Clear:
                PaintWisps(p, random, mood, w, horizonY);
                break;
            case Weather::Fair: {
                const int clouds = random.Int(3, 7);
                for (int i = 0; i < clouds; ++i) {
                    const double depth = random.Range(0.0, 1.0);
                    const double size = (1.0 - 0.75 * depth) * scene.u;
                    const QPointF base(random.Range(-0.1, 1.1) * w,
                                       horizonY * (0.25 + 0.7 * depth) - 4 * scene.u);
                    PaintCumulus(p, random, mood, base, random.Range(120, 260) * size,
                                 random.Range(30, 60) * size, depth);
                }
                break;
            }
            case Weather::Overcast:
            case Weather::Rain:
                PaintCloudCover(p, random, mood, w, horizonY);
                break;
            case Weather::Mist:
                break;
        }
    }
    QPainter& p = scene.painter;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(0, 0, small.width() * kSkyReduction, small.height() * kSkyReduction), small);
    if (mood.sunVisible) {
        const double r = (mood.time == DayTime::Evening ? 16 : 11) * scene.u;
        QRadialGradient disc(sun, r);
        disc.setColorAt(0.0, QColor(255, 255, 250));
        disc.setColorAt(0.7, Mix(mood.sunGlow, QColor(255, 255, 255), 0.6));
        disc.setColorAt(1.0, WithAlpha(mood.sunGlow, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(sun, r, r);
    }
    p.restore();
}
