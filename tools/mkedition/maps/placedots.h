// The covered places' dots, set straight into the palettised map so that they are exactly the dot
// colour and nothing drawn before can touch them: a solid disc round the place's point, and a
// ring of another colour round the disc, so that the map window's flash fill, started at the
// place, recolours the disc and stops at the ring.
#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

// The discs are centred on a pixel corner, like the window's ellipses: radius r covers the
// pixels from -r to r - 1 either way whose centres lie within r of the corner.
constexpr int kPlaceDotPixelRadius = 4;
constexpr int kLondonDotPixelRadius = 2;

// Offsets from the place's pixel of the disc, and of the ring (every pixel next to the disc,
// corners included, outside it).
std::vector<QPoint> DotDisc(int radius);
std::vector<QPoint> DotRing(int radius);

void StampDot(QImage& indexed, const QPoint& place, int radius, uint8_t dotIndex,
              uint8_t ringIndex);
