#include "tools/mkedition/scenes/treatment.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

namespace {

void PaintRain(SceneContext& scene, SceneRandom& random) {
    QPainter& p = scene.painter;
    const double slant = random.Range(-0.25, 0.25);
    for (int i = 0; i < 700; ++i) {
        const double x = random.Range(-40, scene.w + 40), y = random.Range(-20, scene.h);
        const double length = random.Range(8, 22) * scene.u;
        p.setPen(QPen(QColor(220, 226, 234, random.Int(30, 70)), 0.8 * scene.u));
        p.drawLine(QPointF(x, y), QPointF(x + slant * length, y + length));
    }
}

void PaintMist(SceneContext& scene, double horizonY) {
    QLinearGradient veil(0, 0, 0, scene.h);
    const QColor haze = scene.mood.haze;
    const double band = horizonY / scene.h;
    veil.setColorAt(0.0, WithAlpha(haze, 30));
    veil.setColorAt(std::max(0.0, band - 0.15), WithAlpha(haze, 70));
    veil.setColorAt(std::min(1.0, band + 0.05), WithAlpha(haze, 100));
    veil.setColorAt(1.0, WithAlpha(haze, 20));
    scene.painter.fillRect(QRectF(0, 0, scene.w, scene.h), veil);
}

void PaintSnowfall(SceneContext& scene, SceneRandom& random) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 500; ++i) {
        const double r = random.Range(0.6, 2.2) * scene.u;
        p.setBrush(QColor(255, 255, 255, random.Int(120, 220)));
        p.drawEllipse(QPointF(random.Range(0, scene.w), random.Range(0, scene.h)), r, r);
    }
}

// A small integer hash: the grain is fixed by position and seed alone.
uint32_t GrainHash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

// Smooth value noise in [-1, 1]: a lattice of hashed values, blended with a smoothstep.
double ValueNoise(double x, double y, uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = x - ix, fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto at = [seed](int gx, int gy) {
        return (GrainHash(uint32_t(gx), uint32_t(gy), seed) & 0xffff) / 32767.5 - 1.0;
    };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
}

}  // namespace

void PaintWeather(SceneContext& scene, double horizonY) {
    SceneRandom random = scene.random.Fork(0x3ea7e7);
    switch (scene.mood.weather) {
        case Weather::Rain:
            scene.painter.fillRect(QRectF(0, 0, scene.w, scene.h), QColor(90, 100, 115, 30));
            PaintRain(scene, random);
            break;
        case Weather::Mist:
            PaintMist(scene, horizonY);
            break;
        default:
            break;
    }
    if (scene.mood.snow && random.Chance(0.4)) PaintSnowfall(scene, random);
}

void FinishPhotograph(QImage& image, const Mood& mood, uint32_t seed) {
    const int w = image.width(), h = image.height();
    const std::vector<QRgb> source(
        reinterpret_cast<const QRgb*>(image.constBits()),
        reinterpret_cast<const QRgb*>(image.constBits()) + size_t(w) * h);
    const double cx = w / 2.0, cy = h / 2.0;
    const double reach = 1.0 / (cx * cx + cy * cy);
    const double vignette = mood.weather == Weather::Mist ? 0.25 : 0.38;
    // A warm or cool cast, the way film records the light of the hour.
    const QColor cast = mood.time == DayTime::Evening   ? QColor(255, 240, 222)
                        : mood.weather == Weather::Rain ? QColor(238, 244, 255)
                                                        : QColor(255, 252, 246);
    auto at = [&](int x, int y) {
        return source[size_t(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)];
    };
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // The lens is not quite sharp: a little of the neighbours blends in.
            const QRgb c = at(x, y), n = at(x, y - 1), s = at(x, y + 1), e = at(x + 1, y),
                       o = at(x - 1, y);
            double channel[3] = {
                (qRed(c) * 4.0 + qRed(n) + qRed(s) + qRed(e) + qRed(o)) / 8.0,
                (qGreen(c) * 4.0 + qGreen(n) + qGreen(s) + qGreen(e) + qGreen(o)) / 8.0,
                (qBlue(c) * 4.0 + qBlue(n) + qBlue(s) + qBlue(e) + qBlue(o)) / 8.0};
            const double dx = x - cx, dy = y - cy;
            // Blotches at two scales: no surface in a photograph is one flat colour.
            const double mottle = 0.025 * ValueNoise(x / 37.0, y / 29.0, seed) +
                                  0.02 * ValueNoise(x / 7.0, y / 5.0, seed + 1);
            const double shade = (1.0 - vignette * (dx * dx + dy * dy) * reach) * (1.0 + mottle);
            const int grain = static_cast<int>(GrainHash(uint32_t(x), uint32_t(y), seed) % 9) - 4;
            const int tint[3] = {cast.red(), cast.green(), cast.blue()};
            int out[3];
            for (int k = 0; k < 3; ++k) {
                // A gentle S-curve gives the snap of a print.
                double v = channel[k] / 255.0;
                v = v + 0.12 * v * (1 - v) * (2 * v - 1);
                out[k] = ClampChannel(v * 255.0 * shade * tint[k] / 255.0 + grain);
            }
            row[x] = qRgb(out[0], out[1], out[2]);
        }
    }
}
