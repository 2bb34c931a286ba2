// The detailed map: the whole map at one pixel per map unit, palettised, with the covered
// places' dots and names, the greyed towns, and the London plan in the London box.
#pragma once

#include <QImage>

#include "tools/mkedition/maps/geography.h"
#include "tools/mkedition/maps/palette.h"
#include "tools/mkedition/maps/relief.h"

struct DetailedMap {
    QImage picture;        // Format_Indexed8, the map's size
    QImage londonPicture;  // the London box as the map shows it, dots included (RGB32)
    std::vector<size_t>
        unnamedPlaces;  // covered places (of geography.places) with no room for a name
};

DetailedMap PaintDetailedMap(const Geography& geography, const Relief& relief,
                             const MapPalette& palette);
