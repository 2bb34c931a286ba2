#include "screens/map/mapscroll.h"

#include <algorithm>

namespace {

int roundTo16(int value) { return (value + 8) & ~15; }

// Above first, then below: a map smaller than the client stays at 0.
int clampToMap(int value, int clientExtent, int mapExtent) {
    return std::max(0, std::min(value, mapExtent - clientExtent));
}

}  // namespace

std::optional<QPoint> DecideMapScroll(QPoint place, QPoint position, QSize client, QSize map) {
    const int x = place.x();
    const int y = place.y();
    const int h = position.x();
    const int v = position.y();
    const int w = client.width();
    const int ht = client.height();
    const int m = ht / 8;  // the same margin in both directions

    bool moves = false;
    bool centre = false;
    bool horizontalScroll = false;
    int dh = 0;
    int dv = 0;
    if (x < h + m) {
        moves = true;
        if (h + m - x > w / 4) {
            centre = true;
        } else {
            dh = -(w / 4);
            horizontalScroll = true;
        }
    } else if (x >= h + w - m) {
        moves = true;
        if (x + m - h - w + 1 > w / 4) {
            centre = true;
        } else {
            dh = w / 4;
            horizontalScroll = true;
        }
    }
    if (y < v + m) {
        moves = true;
        if (horizontalScroll || v + m - y > ht / 4)
            centre = true;
        else
            dv = -(ht / 4);
    } else if (y >= v + ht - m) {
        moves = true;
        if (horizontalScroll || y + m - v - ht + 1 > ht / 4)
            centre = true;
        else
            dv = ht / 4;
    }
    if (!moves) return std::nullopt;

    const QPoint target = centre ? QPoint(x - w / 2, y - ht / 2) : QPoint(h + dh, v + dv);
    return QPoint(clampToMap(roundTo16(target.x()), w, map.width()),
                  clampToMap(roundTo16(target.y()), ht, map.height()));
}
