#include "tests/support/queryoracle.h"

#include <algorithm>
#include <random>

#include "content/datatables.h"
#include "tests/support/editions.h"

namespace {

constexpr int kLatticeLeft = 1000;
constexpr int kLatticeTop = 2000;
constexpr int kLatticeStep = 40;
constexpr int kLatticeSize = 12;

const PlaceRecord& placeAt(int p) { return Content().place(p); }

}  // namespace

EditionSource ScatteredEdition(int places, int viewsPerPlace, uint32_t seed) {
    EditionSource source = SimpleEdition(places, viewsPerPlace, seed);
    std::mt19937 random(seed * 7919u + 1);
    std::uniform_int_distribution<int> kind(0, 7);
    std::uniform_int_distribution<int> xs(0, source.columnCount - 1);
    std::uniform_int_distribution<int> ys(40, 4839);
    std::uniform_int_distribution<int> lattice(0, kLatticeSize - 1);
    std::uniform_int_distribution<int> offset(-300, 300);
    for (size_t i = 0; i < source.places.size(); ++i) {
        SourcePlace& place = source.places[i];
        const int k = kind(random);
        if (k < 2 || i == 0) {
            place.x = xs(random);
            place.y = ys(random);
        } else if (k < 6) {
            place.x = kLatticeLeft + kLatticeStep * lattice(random);
            place.y = kLatticeTop + kLatticeStep * lattice(random);
        } else {
            std::uniform_int_distribution<size_t> earlier(0, i - 1);
            const SourcePlace& other = source.places[earlier(random)];
            const int d = k == 6 ? 0 : offset(random);
            const int sign = (random() & 1) ? 1 : -1;
            place.x = std::clamp(other.x + d, 0, source.columnCount - 1);
            place.y = std::clamp(other.y + sign * d, 40, 4839);
        }
    }
    return source;
}

EditionSource PlacesAt(const std::vector<MapPoint>& points) {
    EditionSource source = SimpleEdition(std::max(50, static_cast<int>(points.size())), 2);
    for (size_t i = 0; i < source.places.size(); ++i) {
        SourcePlace& place = source.places[i];
        if (i < points.size()) {
            place.x = points[i].x;
            place.y = points[i].y;
        } else {
            place.x = 2600 + 9 * static_cast<int>(i);
            place.y = 4400 + 7 * static_cast<int>(i);
        }
    }
    return source;
}

std::vector<MapPoint> QueryPoints(int count, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> xs(-200, 3300);
    std::uniform_int_distribution<int> ys(-300, 5200);
    std::uniform_int_distribution<int> half(0, 2 * kLatticeSize);
    const ContentStore& c = Content();
    std::uniform_int_distribution<int> places(0, c.PlaceCount - 1);
    std::vector<MapPoint> points;
    for (int i = 0; i < count; ++i) {
        const int k = kind(random);
        if (k < 4) {
            points.push_back({xs(random), ys(random)});
        } else if (k < 7) {
            points.push_back({kLatticeLeft + kLatticeStep / 2 * half(random),
                              kLatticeTop + kLatticeStep / 2 * half(random)});
        } else {
            const PlaceRecord& p = placeAt(places(random));
            points.push_back({p.x, p.y});
        }
    }
    return points;
}

void RandomRowIndexStarts(uint32_t seed) {
    ContentStore& c = Content();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> places(0, c.PlaceCount - 1);
    for (int row = 0; row < c.RowCount; ++row)
        c.RowIndex[row] = static_cast<int16_t>(places(random));
}

SquaredDistance DistanceToPlace(int place, int x, int y) {
    return Squared(int64_t{x} - placeAt(place).x) + Squared(int64_t{y} - placeAt(place).y);
}

SquaredDistance DistanceBetween(int a, int b) {
    return DistanceToPlace(a, placeAt(b).x, placeAt(b).y);
}

SquaredDistance OracleNearestDistance(int x, int y) {
    SquaredDistance best = -1;
    for (int p = 0; p < Content().PlaceCount; ++p) {
        const SquaredDistance d = DistanceToPlace(p, x, y);
        if (best == -1 || d < best) best = d;
    }
    return best;
}

SquaredDistance OracleNearestMemberDistance(int x, int y, const std::vector<bool>& members) {
    SquaredDistance best = -1;
    for (int p = 0; p < Content().PlaceCount; ++p) {
        const SquaredDistance d = DistanceToPlace(p, x, y);
        if (members[static_cast<size_t>(p)] && d < kMapDiagonalSquared && (best == -1 || d < best))
            best = d;
    }
    return best;
}

bool InCone(Compass direction, int from, int to) {
    const SquaredDistance dx2 = Squared(placeAt(to).x - placeAt(from).x);
    const SquaredDistance dy2 = Squared(placeAt(to).y - placeAt(from).y);
    return (direction == Compass::North || direction == Compass::South) ? dy2 >= dx2 : dx2 >= dy2;
}

bool InScanDomain(Compass direction, int from, int to) {
    const int ewFrom = placeAt(from).EastWestPos;
    const int ewTo = placeAt(to).EastWestPos;
    switch (direction) {
        case Compass::North:
            return to < from;
        case Compass::South:
            return to > from;
        case Compass::West:
            return ewTo < ewFrom;
        case Compass::East:
            return ewTo > ewFrom;
    }
    return false;
}

SquaredDistance OracleCompassDistance(Compass direction, int from,
                                      const std::vector<bool>* members) {
    if (members && !(*members)[static_cast<size_t>(from)]) return -1;
    SquaredDistance best = -1;
    for (int p = 0; p < Content().PlaceCount; ++p) {
        if (members && !(*members)[static_cast<size_t>(p)]) continue;
        if (!InScanDomain(direction, from, p) || !InCone(direction, from, p)) continue;
        const SquaredDistance d = DistanceBetween(from, p);
        if (best == -1 || d < best) best = d;
    }
    return best;
}

namespace {

template <typename Marked>
std::vector<bool> membersBy(Marked marked) {
    const ContentStore& c = Content();
    std::vector<bool> members(static_cast<size_t>(c.PlaceCount), false);
    for (int v = 0; v < c.ViewCount; ++v) {
        if (marked(c.view(v))) members[static_cast<size_t>(c.view(v).Place)] = true;
    }
    return members;
}

}  // namespace

std::vector<bool> MembersByYears(int first, int last) {
    return membersBy([=](const ViewRecord& v) { return first <= v.Year && v.Year <= last; });
}

std::vector<bool> MembersByTopics(uint32_t maskA, uint32_t maskB) {
    return membersBy([=](const ViewRecord& v) {
        return ((v.TopicMaskA & maskA) | (v.TopicMaskB & maskB)) != 0;
    });
}
