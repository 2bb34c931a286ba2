#include "tools/mkedition/maps/relief.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "tools/mkedition/maps/noise.h"
#include "tools/mkedition/maps/shapes.h"

namespace {

// Map units between grid points: fine enough for the shading at 1:1, coarse enough to be quick.
constexpr double kCell = 2.0;
// Metres per map unit of horizontal distance, exaggerated so that modest hills still read.
constexpr double kSlopeScale = 0.12;
// How far the edges of a range of hills wander from their ridge line, in map units.
constexpr double kWarp = 45;
// Hills reach this many half-widths out from their ridge; beyond, their rise is below kTail.
constexpr double kReach = 1.7;
const double kTail = std::exp(-2.5 * kReach * kReach);

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Grid cells covered by the shapes the painter call draws, as 0/1 per cell.
template <typename Draw>
std::vector<uint8_t> rasterise(int columns, int rows, Draw draw) {
    QImage mask(columns, rows, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.scale(1 / kCell, 1 / kCell);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        draw(painter);
    }
    std::vector<uint8_t> cells(static_cast<size_t>(columns) * static_cast<size_t>(rows));
    for (int y = 0; y < rows; ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < columns; ++x)
            cells[static_cast<size_t>(y) * static_cast<size_t>(columns) + static_cast<size_t>(x)] =
                line[x] >= 128;
    }
    return cells;
}

// Two-pass chamfer distance, in cells, from every cell to the nearest cell outside the set.
std::vector<float> distanceOutward(const std::vector<uint8_t>& inside, int columns, int rows) {
    const float far = 1e9f;
    const float diagonal = std::sqrt(2.0f);
    std::vector<float> d(inside.size());
    for (size_t i = 0; i < inside.size(); ++i) d[i] = inside[i] ? far : 0.0f;
    auto at = [&](int x, int y) -> float& {
        return d[static_cast<size_t>(y) * static_cast<size_t>(columns) + static_cast<size_t>(x)];
    };
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            float& v = at(x, y);
            if (v == 0) continue;
            if (x > 0) v = std::min(v, at(x - 1, y) + 1);
            if (y > 0) {
                v = std::min(v, at(x, y - 1) + 1);
                if (x > 0) v = std::min(v, at(x - 1, y - 1) + diagonal);
                if (x + 1 < columns) v = std::min(v, at(x + 1, y - 1) + diagonal);
            }
        }
    }
    for (int y = rows - 1; y >= 0; --y) {
        for (int x = columns - 1; x >= 0; --x) {
            float& v = at(x, y);
            if (v == 0) continue;
            if (x + 1 < columns) v = std::min(v, at(x + 1, y) + 1);
            if (y + 1 < rows) {
                v = std::min(v, at(x, y + 1) + 1);
                if (x + 1 < columns) v = std::min(v, at(x + 1, y + 1) + diagonal);
                if (x > 0) v = std::min(v, at(x - 1, y + 1) + diagonal);
            }
        }
    }
    return d;
}

}  // namespace

Relief::Relief(const Geography& geography)
    : columns_(static_cast<int>(std::ceil(geography.mapSize.width() / kCell)) + 1),
      rows_(static_cast<int>(std::ceil(geography.mapSize.height() / kCell)) + 1) {
    const size_t cells = static_cast<size_t>(columns_) * static_cast<size_t>(rows_);
    const std::vector<uint8_t> land =
        rasterise(columns_, rows_, [&](QPainter& painter) { painter.drawPath(geography.land); });
    std::vector<uint8_t> sea(cells);
    for (size_t i = 0; i < cells; ++i) sea[i] = !land[i];
    sea_ = distanceOutward(sea, columns_, rows_);
    const std::vector<float> inland = distanceOutward(land, columns_, rows_);

    // Valleys: distance from the rivers, which cut into the hills they cross.
    const std::vector<uint8_t> dry = rasterise(columns_, rows_, [&](QPainter& painter) {
        painter.fillRect(QRectF(QPointF(0, 0), QSizeF(geography.mapSize)), Qt::black);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setPen(QPen(Qt::black, 3 * kCell));
        for (const MapRiver& river : geography.rivers) painter.drawPolyline(river.path);
    });
    const std::vector<float> fromRiver = distanceOutward(dry, columns_, rows_);

    std::vector<float> hills(cells, 0.0f);
    raiseHills(geography, hills);

    height_.assign(cells, 0.0f);
    for (int gy = 0; gy < rows_; ++gy) {
        for (int gx = 0; gx < columns_; ++gx) {
            const size_t i =
                static_cast<size_t>(gy) * static_cast<size_t>(columns_) + static_cast<size_t>(gx);
            sea_[i] *= static_cast<float>(kCell);
            if (!land[i]) continue;
            const double x = gx * kCell;
            const double y = gy * kCell;
            const double inlandUnits = inland[i] * kCell;
            const double lowland = 6 + 14 * std::min(inlandUnits, 250.0) / 250.0;
            const double crests = RidgedNoise2(x / 170, y / 170, 202, 4);
            const double relief = hills[i] * (0.4 + 0.7 * crests);
            const double rolling =
                30 * (FractalNoise2(x / 420, y / 420, 303, 4) + 0.8) * (0.5 + crests);
            const double valley = 0.45 + 0.55 * smoothstep(0, 60, fromRiver[i] * kCell);
            const double shore = smoothstep(0, 30, inlandUnits);
            height_[i] =
                static_cast<float>(std::max(0.0, (lowland + (relief + rolling) * valley) * shore));
        }
    }
    computeShade();
}

void Relief::raiseHills(const Geography& geography, std::vector<float>& hills) const {
    for (const SourceHills& range : geography.hills) {
        QPolygonF ridge(QVector<QPointF>(range.points.begin(), range.points.end()));
        const double reachOut = range.radius * 1.15 * kReach + kWarp;
        const QRectF reach =
            ridge.boundingRect().adjusted(-reachOut, -reachOut, reachOut, reachOut);
        const int x0 = std::max(0, static_cast<int>(reach.left() / kCell));
        const int x1 = std::min(columns_ - 1, static_cast<int>(reach.right() / kCell) + 1);
        const int y0 = std::max(0, static_cast<int>(reach.top() / kCell));
        const int y1 = std::min(rows_ - 1, static_cast<int>(reach.bottom() / kCell) + 1);
        for (int gy = y0; gy <= y1; ++gy) {
            for (int gx = x0; gx <= x1; ++gx) {
                // A warped distance and a wavering width give the range an irregular edge.
                const double x = gx * kCell;
                const double y = gy * kCell;
                const QPointF warped(x + kWarp * FractalNoise2(x / 260, y / 260, 404, 3),
                                     y + kWarp * FractalNoise2(x / 260, y / 260, 505, 3));
                const double width =
                    range.radius * (0.85 + 0.3 * FractalNoise2(x / 300, y / 300, 606, 2));
                const double d = DistanceToPath(warped, ridge, false) / width;
                if (d >= kReach) continue;
                // Gaussian, so the hills run out into long foothills.
                const double bump = std::exp(-2.5 * d * d) - kTail;
                float& h = hills[static_cast<size_t>(gy) * static_cast<size_t>(columns_) +
                                 static_cast<size_t>(gx)];
                // Overlapping hills merge into one mass rather than stacking into a spike.
                h = std::max(h, static_cast<float>(range.height * bump)) +
                    static_cast<float>(0.25 * std::min<double>(h, range.height * bump));
            }
        }
    }
}

void Relief::computeShade() {
    shade_.assign(height_.size(), 1.0f);
    // Light from the north-west, 45 degrees up.
    const double lx = -0.5;
    const double ly = -0.5;
    const double lz = std::sqrt(0.5);
    for (int gy = 1; gy + 1 < rows_; ++gy) {
        for (int gx = 1; gx + 1 < columns_; ++gx) {
            const size_t i =
                static_cast<size_t>(gy) * static_cast<size_t>(columns_) + static_cast<size_t>(gx);
            const double dx = (height_[i + 1] - height_[i - 1]) / (2 * kCell) * kSlopeScale;
            const double dy = (height_[i + static_cast<size_t>(columns_)] -
                               height_[i - static_cast<size_t>(columns_)]) /
                              (2 * kCell) * kSlopeScale;
            const double n = std::sqrt(dx * dx + dy * dy + 1);
            shade_[i] = static_cast<float>((-dx * lx - dy * ly + lz) / n / lz);
        }
    }
}

double Relief::sample(const std::vector<float>& grid, double x, double y) const {
    const double gx = std::clamp(x / kCell, 0.0, columns_ - 1.001);
    const double gy = std::clamp(y / kCell, 0.0, rows_ - 1.001);
    const int ix = static_cast<int>(gx);
    const int iy = static_cast<int>(gy);
    const double fx = gx - ix;
    const double fy = gy - iy;
    const size_t i =
        static_cast<size_t>(iy) * static_cast<size_t>(columns_) + static_cast<size_t>(ix);
    const size_t below = i + static_cast<size_t>(columns_);
    const double top = grid[i] + fx * (grid[i + 1] - grid[i]);
    const double bottom = grid[below] + fx * (grid[below + 1] - grid[below]);
    return top + fy * (bottom - top);
}
