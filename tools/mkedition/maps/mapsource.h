// The geography behind the maps as its author writes it (map.txt and towns.txt), before the
// coast runs are resolved against the edition's places.
#pragma once

#include <QPointF>
#include <string>
#include <vector>

// One step of an outline: a point, or the coast tour's run of stops from one to another.
struct OutlineStep {
    QPointF point;
    std::string shoreFrom;  // empty for a plain point
    std::string shoreTo;
    int line = 0;
};

struct SourceOutline {
    std::string name;
    std::vector<OutlineStep> steps;
    int line = 0;
};

// A polyline whose stops are points or town names.
struct RouteStop {
    QPointF point;
    std::string town;  // empty for a plain point
    int line = 0;
};

struct SourceRiver {
    std::string name;
    double mouthWidth = 1;
    std::vector<QPointF> points;  // from the source to the mouth
    int line = 0;
};

struct SourceHills {
    double radius = 0;
    double height = 0;
    std::vector<QPointF> points;  // a ridge; one point is a single hill
    int line = 0;
};

enum class LabelKind { Sea, District, Upland, River, Country, County, City };

struct SourceLabel {
    LabelKind kind = LabelKind::Sea;
    QPointF at;
    std::string text;  // Latin-1; '|' breaks the line
    int line = 0;
};

struct SourceTown {
    QPointF at;
    std::string name;  // Latin-1
    int line = 0;
};

struct LondonStreet {
    double width = 1;
    std::vector<QPointF> points;
    int line = 0;
};

struct MapSource {
    std::vector<SourceOutline> lands;  // the mainland and the islands
    SourceOutline county;              // its part on land is the covered county
    std::vector<SourceOutline> lakes;
    std::vector<SourceRiver> rivers;
    std::vector<std::vector<RouteStop>> roads;
    std::vector<SourceHills> hills;
    std::vector<SourceLabel> labels;
    std::vector<SourceTown> towns;  // outside the county, shown greyed
    std::vector<LondonStreet> londonStreets;
    std::vector<SourceOutline> londonParks;
};
