#include "tools/mkedition/maps/placedots.h"

#include <algorithm>

namespace {

bool inDisc(int dx, int dy, int radius) {
    return (2 * dx + 1) * (2 * dx + 1) + (2 * dy + 1) * (2 * dy + 1) <= 4 * radius * radius;
}

}  // namespace

std::vector<QPoint> DotDisc(int radius) {
    std::vector<QPoint> disc;
    for (int dy = -radius; dy < radius; ++dy) {
        for (int dx = -radius; dx < radius; ++dx) {
            if (inDisc(dx, dy, radius)) disc.emplace_back(dx, dy);
        }
    }
    return disc;
}

std::vector<QPoint> DotRing(int radius) {
    std::vector<QPoint> ring;
    for (int dy = -radius - 1; dy <= radius; ++dy) {
        for (int dx = -radius - 1; dx <= radius; ++dx) {
            if (inDisc(dx, dy, radius)) continue;
            bool touches = false;
            for (int ny = dy - 1; ny <= dy + 1; ++ny) {
                for (int nx = dx - 1; nx <= dx + 1; ++nx)
                    touches = touches || inDisc(nx, ny, radius);
            }
            if (touches) ring.emplace_back(dx, dy);
        }
    }
    return ring;
}

void StampDot(QImage& indexed, const QPoint& place, int radius, uint8_t dotIndex,
              uint8_t ringIndex) {
    for (const auto& [offsets, index] :
         {std::pair(DotRing(radius), ringIndex), std::pair(DotDisc(radius), dotIndex)}) {
        for (const QPoint& offset : offsets) {
            const QPoint p = place + offset;
            if (indexed.rect().contains(p)) indexed.scanLine(p.y())[p.x()] = index;
        }
    }
}
