// The map's geography ready to draw: outlines with their coast runs resolved against the
// edition's places and given a natural line, rivers, roads, hills, names, the covered places and
// the towns outside the county. Building it checks that the words and the map agree.
#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QRect>
#include <QString>
#include <string>
#include <vector>

#include "tools/mkedition/editionsource.h"
#include "tools/mkedition/maps/mapsource.h"

struct MapRiver {
    QPolygonF path;  // from the source to the mouth
    double mouthWidth;
};

struct MapPlace {
    QPointF at;
    QString label;  // what the map writes beside the dot
    int line;       // where it stands in places.txt or towns.txt
};

struct Geography {
    QSize mapSize;  // map units
    std::vector<QPolygonF> lands;
    QPolygonF county;  // only its part on land is the county
    std::vector<QPolygonF> lakes;
    QPainterPath land;        // the lands without the lakes
    QPainterPath countyLand;  // the county's part of it
    std::vector<MapRiver> rivers;
    std::vector<QPolygonF> roads;
    std::vector<SourceHills> hills;
    std::vector<SourceLabel> labels;
    std::vector<MapPlace> places;        // covered, outside the London box
    std::vector<MapPlace> londonPlaces;  // covered, inside it
    std::vector<MapPlace> towns;         // greyed
    QRect londonBox;                     // map units, right and bottom inclusive
    std::vector<LondonStreet> londonStreets;
    std::vector<QPolygonF> londonParks;

    bool onLand(const QPointF& p) const;
    bool inCounty(const QPointF& p) const;
};

// The land a covered place's dot needs round it, in map units.
constexpr double kPlaceDotClearance = 6;
// A coast stop's shore point lies this far out to sea from the place.
constexpr double kShoreOffset = 7;

struct GeographyOutcome {
    bool ok = false;
    std::string error;  // "map.txt: line N: ...", or the places.txt or towns.txt line at fault
    Geography geography;
};

GeographyOutcome BuildGeography(const MapSource& map, const EditionSource& edition);
