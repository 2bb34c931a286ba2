// Central London, the London box of the map: as a small plan for the detailed map at one pixel
// per map unit, and enlarged for the London inset with the quarters' names and a marker for each
// London place. A marker is a grey ellipse in a dark ring, so a fill started at any of its fill
// points recolours the whole marker and nothing else; no other pixel is that grey or the dot
// yellow.
#pragma once

#include <QImage>

#include "tools/mkedition/maps/geography.h"

// The plan at the given pixels per map unit, without dots, names or markers (RGB32).
QImage PaintLondonPlan(const Geography& geography, int scale);

struct LondonInset {
    QImage picture;  // RGB32, the London box enlarged by the inset scale
    std::vector<size_t>
        unnamedPlaces;  // London places (of geography.londonPlaces) with no room for a name
};

LondonInset PaintLondonInset(const Geography& geography);
