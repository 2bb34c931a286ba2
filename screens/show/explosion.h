// The explosion from a place's dot on the map into the picture area of its first view.
#pragma once

#include <QPoint>
#include <QRect>
#include <array>

constexpr int kExplosionFrames = 14;

// Frame i grows to i/14 of the picture area, its centre moving from the dot to the area's
// horizontal centre and half its height. Frame 0 is empty.
std::array<QRect, kExplosionFrames> ExplosionFrames(QPoint dot, const QRect& pictureArea);
