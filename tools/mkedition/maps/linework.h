// The lines of a map picture: lakes, rivers, main roads, the county border and the coastline,
// in the county's colours inside it and greyed outside.
#pragma once

#include <QPainter>

#include "tools/mkedition/maps/geography.h"
#include "tools/mkedition/maps/viewport.h"

// Widths in pixels; a picture at a small scale draws thinner lines and leaves some out.
struct LineWidths {
    double coast;
    double river;       // at least this, however narrow the river
    double riverScale;  // pixels per map unit of river width
    double countyBorder;
    double road;  // 0: no roads
};

LineWidths DetailedMapLines();
LineWidths MiniMapLines(double unitsPerPixel);

void PaintLinework(QPainter& painter, const Geography& geography, const Viewport& view,
                   const LineWidths& widths);
