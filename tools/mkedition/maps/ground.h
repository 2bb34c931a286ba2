// The ground under everything else: sea tinted by depth, land tinted by height in the county and
// greyed outside it, both shaded by the relief.
#pragma once

#include <QImage>

#include "tools/mkedition/maps/geography.h"
#include "tools/mkedition/maps/relief.h"
#include "tools/mkedition/maps/viewport.h"

// An RGB32 picture of the viewport.
QImage PaintGround(const Geography& geography, const Relief& relief, const Viewport& view);
