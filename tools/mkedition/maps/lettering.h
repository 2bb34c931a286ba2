// The names on a map picture: the author's names of seas, districts, uplands and rivers where
// they are written, and every place's and town's name beside its dot, in DejaVu with a halo.
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "tools/mkedition/maps/geography.h"
#include "tools/mkedition/maps/labelplacer.h"
#include "tools/mkedition/maps/viewport.h"

// How one kind of name is lettered; sizes in pixels.
struct LetterStyle {
    const char* family;
    int pixelSize;
    bool bold;
    bool capitals;
    double letterSpacing;  // extra pixels between letters
    QRgb ink;
    bool halo;
};

// The kinds of the author's names a picture shows, and how it letters each.
struct AreaLettering {
    LabelKind kind;
    LetterStyle style;
};
extern const std::vector<AreaLettering> kDetailedMapAreas;
extern const std::vector<AreaLettering> kMiniMapAreas;

// The names of those kinds, centred on their points; scale multiplies the sizes. Each is kept
// free in the placer.
void LetterAreas(QPainter& painter, const std::vector<SourceLabel>& labels,
                 const std::vector<AreaLettering>& lettering, double scale, const Viewport& view,
                 LabelPlacer& placer);

// Each name beside its dot (dotRadius pixels, already kept free in the placer), the most crowded
// first. A name that finds no room is left out; the result lists them (indices into places).
std::vector<size_t> LetterPlaces(QPainter& painter, const std::vector<MapPlace>& places,
                                 double dotRadius, const LetterStyle& style, const Viewport& view,
                                 LabelPlacer& placer);

extern const LetterStyle kPlaceNameStyle;
extern const LetterStyle kTownNameStyle;
