#include "tools/mkedition/maps/geography.h"

#include <algorithm>
#include <map>

#include "tools/mkedition/maps/shapes.h"

namespace {

// How far each kind of line strays from the line its author drew, and over what distance.
constexpr Roughness kCoastRoughness{6.0, 45.0, 11};
constexpr Roughness kCountyRoughness{5.0, 35.0, 23};
constexpr Roughness kLakeRoughness{1.5, 12.0, 37};
constexpr Roughness kRiverRoughness{4.5, 40.0, 41};
constexpr Roughness kRoadRoughness{1.2, 30.0, 53};
// Distance over which a line leaves a pinned point (a shore point, a town on a road).
constexpr double kPinFade = 12;
// Sample spacing of the drawn lines.
constexpr double kSampleStep = 2.5;
// The land a greyed town's dot needs round it.
constexpr double kTownClearance = 3;
// Coast stops lie at most this far from the shore.
constexpr double kCoastReach = kShoreOffset + 8;

std::string mapLine(int line, const std::string& what) {
    return "map.txt: line " + std::to_string(line) + ": " + what;
}

std::string placeLine(const SourcePlace& place, const std::string& what) {
    return "places.txt: line " + std::to_string(place.line) + ": '" + place.name + "' " + what;
}

// The name beside a dot: the town without its district; in London the quarter.
QString shownName(const std::string& name, bool london) {
    std::string shown = name;
    if (london && shown.compare(0, 6, "London") == 0) {
        shown = shown.substr(6);
        shown.erase(0, shown.find_first_not_of(", "));
    } else {
        shown = shown.substr(0, shown.find(','));
    }
    return QString::fromLatin1(shown.data(), static_cast<int>(shown.size()));
}

QPainterPath areaOf(const std::vector<QPolygonF>& outlines) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF& outline : outlines) path.addPolygon(outline);
    return path;
}

double clearance(const QPointF& p, const std::vector<QPolygonF>& outlines) {
    double best = 1e300;
    for (const QPolygonF& outline : outlines)
        best = std::min(best, DistanceToPath(p, outline, true));
    return best;
}

class GeographyBuilder {
  public:
    GeographyBuilder(const MapSource& map, const EditionSource& edition)
        : map_(map), edition_(edition) {
        for (size_t i = 0; i < edition.coastOrder.size(); ++i)
            coastStop_[edition.coastOrder[i].name] = static_cast<int>(i);
        for (const SourcePlace& place : edition.places) {
            placeNamed_[place.name] = &place;
            addTownPosition(place.name.substr(0, place.name.find(',')), QPointF(place.x, place.y));
        }
        for (const SourceTown& town : map.towns) addTownPosition(town.name, town.at);
    }

    bool build(Geography& g, std::string& error) {
        g.mapSize = QSize(edition_.columnCount, edition_.rowCount);
        const MapBox& box = edition_.londonBox;
        g.londonBox = QRect(QPoint(box.left, box.top), QPoint(box.right, box.bottom));
        for (const SourceOutline& land : map_.lands) {
            g.lands.emplace_back();
            if (!outline(land, kCoastRoughness, g.lands.back(), error)) return false;
        }
        if (!outline(map_.county, kCountyRoughness, g.county, error)) return false;
        for (const SourceOutline& lake : map_.lakes) {
            g.lakes.emplace_back();
            if (!outline(lake, kLakeRoughness, g.lakes.back(), error)) return false;
        }
        for (const SourceRiver& river : map_.rivers) {
            g.rivers.push_back(
                MapRiver{pinnedLine(river.points, kRiverRoughness), river.mouthWidth});
        }
        for (const std::vector<RouteStop>& road : map_.roads) {
            g.roads.emplace_back();
            if (!route(road, g.roads.back(), error)) return false;
        }
        g.land = areaOf(g.lands).subtracted(areaOf(g.lakes));
        QPainterPath county;
        county.addPolygon(g.county);
        g.countyLand = county.intersected(g.land);
        g.hills = map_.hills;
        g.labels = map_.labels;
        g.londonStreets = map_.londonStreets;
        for (const SourceOutline& park : map_.londonParks) {
            QPolygonF points;
            for (const OutlineStep& step : park.steps) points << step.point;
            g.londonParks.push_back(SmoothPath(points, true, 0.5));
        }
        return placesAgree(g, error) && townsAgree(g, error);
    }

  private:
    void addTownPosition(const std::string& name, const QPointF& at) {
        auto found = town_.find(name);
        if (found == town_.end()) {
            town_[name] = at;
        } else {
            ambiguousTowns_.push_back(name);
        }
    }

    // Points of an outline, a coast run becoming its stops' places pushed out to sea.
    bool outline(const SourceOutline& source, const Roughness& roughness, QPolygonF& out,
                 std::string& error) {
        QPolygonF raw;
        std::vector<int> shore;
        for (const OutlineStep& step : source.steps) {
            if (step.shoreFrom.empty()) {
                raw << step.point;
                continue;
            }
            const auto from = coastStop_.find(step.shoreFrom);
            const auto to = coastStop_.find(step.shoreTo);
            for (const auto& [found, name] :
                 {std::pair(from, step.shoreFrom), std::pair(to, step.shoreTo)}) {
                if (found == coastStop_.end()) {
                    error = mapLine(step.line, "'" + name + "' is not a stop of the coast tour");
                    return false;
                }
            }
            if (to->second < from->second) {
                error = mapLine(step.line, "the shore runs against the coast tour's order");
                return false;
            }
            for (int i = from->second; i <= to->second; ++i) {
                const std::string& stop = edition_.coastOrder[static_cast<size_t>(i)].name;
                const auto place = placeNamed_.find(stop);
                if (place == placeNamed_.end()) {
                    error = mapLine(step.line, "the coast stop '" + stop + "' is not a place");
                    return false;
                }
                shore.push_back(static_cast<int>(raw.size()));
                raw << QPointF(place->second->x, place->second->y);
            }
        }
        if (!shore.empty() && SignedArea(raw) <= 0) {
            error =
                mapLine(source.line, "an outline with a shore must run clockwise round its land");
            return false;
        }
        QPolygonF pushed(raw);
        for (int i : shore) pushed[i] += RightNormal(raw, i, true) * kShoreOffset;

        std::vector<int> knots;
        const QPolygonF smooth = SmoothPath(pushed, true, kSampleStep, &knots);
        std::vector<int> pinned;
        for (int i : shore) pinned.push_back(knots[static_cast<size_t>(i)]);
        out = RoughenPath(smooth, true, roughness, pinned, kPinFade);
        return true;
    }

    // A line that passes exactly through every point its author gave.
    static QPolygonF pinnedLine(const std::vector<QPointF>& points, const Roughness& roughness) {
        std::vector<int> knots;
        const QPolygonF smooth = SmoothPath(
            QPolygonF(QVector<QPointF>(points.begin(), points.end())), false, kSampleStep, &knots);
        return RoughenPath(smooth, false, roughness, knots, kPinFade);
    }

    bool route(const std::vector<RouteStop>& stops, QPolygonF& out, std::string& error) {
        std::vector<QPointF> points;
        for (const RouteStop& stop : stops) {
            if (stop.town.empty()) {
                points.push_back(stop.point);
                continue;
            }
            if (std::find(ambiguousTowns_.begin(), ambiguousTowns_.end(), stop.town) !=
                ambiguousTowns_.end()) {
                error = mapLine(stop.line, "'" + stop.town + "' names more than one town");
                return false;
            }
            const auto found = town_.find(stop.town);
            if (found == town_.end()) {
                error = mapLine(stop.line, "no town or place is called '" + stop.town + "'");
                return false;
            }
            points.push_back(found->second);
        }
        out = pinnedLine(points, kRoadRoughness);
        return true;
    }

    bool placesAgree(Geography& g, std::string& error) const {
        for (const SourcePlace& place : edition_.places) {
            const QPointF at(place.x, place.y);
            const bool london = edition_.londonBox.contains(place.x, place.y);
            (london ? g.londonPlaces : g.places)
                .push_back(MapPlace{at, shownName(place.name, london), place.line});
            if (!g.onLand(at)) {
                error = placeLine(place, "is not on land on the map");
                return false;
            }
            if (!g.inCounty(at)) {
                error = placeLine(place, "lies outside the county's outline on the map");
                return false;
            }
            if (!london &&
                std::min(clearance(at, g.lands), clearance(at, g.lakes)) < kPlaceDotClearance) {
                error = placeLine(place, "is too near the water for its dot on the map");
                return false;
            }
            if (coastStop_.count(place.name) && clearance(at, g.lands) > kCoastReach) {
                error = placeLine(place, "is a coast stop but lies inland on the map");
                return false;
            }
        }
        return true;
    }

    bool townsAgree(Geography& g, std::string& error) const {
        for (const SourceTown& town : map_.towns) {
            const std::string at =
                "towns.txt: line " + std::to_string(town.line) + ": '" + town.name + "' ";
            if (!g.onLand(town.at) || clearance(town.at, g.lands) < kTownClearance) {
                error = at + "is not on land on the map";
                return false;
            }
            if (g.inCounty(town.at)) {
                error = at + "lies inside the county on the map";
                return false;
            }
            g.towns.push_back(MapPlace{town.at, QString::fromLatin1(town.name.c_str()), town.line});
        }
        return true;
    }

    const MapSource& map_;
    const EditionSource& edition_;
    std::map<std::string, int> coastStop_;
    std::map<std::string, const SourcePlace*> placeNamed_;
    std::map<std::string, QPointF> town_;
    std::vector<std::string> ambiguousTowns_;
};

}  // namespace

bool Geography::onLand(const QPointF& p) const {
    for (const QPolygonF& lake : lakes) {
        if (lake.containsPoint(p, Qt::OddEvenFill)) return false;
    }
    for (const QPolygonF& land : lands) {
        if (land.containsPoint(p, Qt::OddEvenFill)) return true;
    }
    return false;
}

bool Geography::inCounty(const QPointF& p) const {
    return onLand(p) && county.containsPoint(p, Qt::OddEvenFill);
}

GeographyOutcome BuildGeography(const MapSource& map, const EditionSource& edition) {
    GeographyOutcome out;
    out.ok = GeographyBuilder(map, edition).build(out.geography, out.error);
    return out;
}
