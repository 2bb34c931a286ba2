#include "screens/show/explosion.h"

std::array<QRect, kExplosionFrames> ExplosionFrames(QPoint dot, const QRect& area) {
    std::array<QRect, kExplosionFrames> frames;
    const int Pw = std::max(area.width(), 1);
    const int Ph = std::max(area.height(), 1);
    const int targetX = area.left() + Pw / 2;
    for (int i = 0; i < kExplosionFrames; ++i) {
        const int w = Pw * i / kExplosionFrames;
        const int h = Ph * i / kExplosionFrames;
        const int cx = dot.x() + (targetX - dot.x()) * w / Pw;
        const int cy = dot.y() + h * (Ph / 2 - dot.y()) / Ph;
        frames[static_cast<size_t>(i)] = QRect(cx - w / 2, cy - h / 2, w, h);
    }
    return frames;
}
