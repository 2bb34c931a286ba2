// The mini maps: the whole country on the control screen, its ground, coast, rivers, the county
// border and the great names, without place dots (the program draws those).
#pragma once

#include <QImage>

#include "tools/mkedition/maps/geography.h"
#include "tools/mkedition/maps/palette.h"
#include "tools/mkedition/maps/relief.h"

// The map units the mini maps show: the program puts a place at x * W / 6400 across a mini map
// W * 384 / 800 wide, and at (y - 40) * H / 4800 down one H high.
constexpr double kMiniMapLeft = 0;
constexpr double kMiniMapTop = 40;
constexpr double kMiniMapWidth = 6400.0 * 384 / 800;
constexpr double kMiniMapHeight = 4800;

// Format_Indexed8 of the given size.
QImage PaintMiniMap(const Geography& geography, const Relief& relief, const MapPalette& palette,
                    const QSize& size);
