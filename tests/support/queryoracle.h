// A brute-force oracle for the place queries: plain loops over every place of the loaded
// tables, with none of the sorted-table shortcuts the queries take. Also editions whose places
// crowd together on a lattice, so that equal coordinates, equal distances and exact diagonals
// are common.
#pragma once

#include <cstdint>
#include <vector>

#include "content/placescans.h"
#include "tools/mkedition/editionsource.h"

// SimpleEdition with its places moved: some anywhere on the map, most on a coarse lattice
// (shared x and y values, points on each other's diagonals), some on top of another place or
// exactly diagonal from one.
EditionSource ScatteredEdition(int places, int viewsPerPlace, uint32_t seed);

struct MapPoint {
    int x;
    int y;
};

// An edition whose first places stand at the given points (source order), with 50 places and
// two views each at least; the others stand far to the south-east (x >= 2600, y >= 4400).
EditionSource PlacesAt(const std::vector<MapPoint>& points);

// Query points for a loaded edition: anywhere, beyond every edge, on lattice points, halfway
// between them, and exactly on places.
std::vector<MapPoint> QueryPoints(int count, uint32_t seed);

// Gives every row of the loaded RowIndex a random place to start from: any table the loader
// accepts, where mkedition would name the first place of the nearest row.
void RandomRowIndexStarts(uint32_t seed);

SquaredDistance DistanceToPlace(int place, int x, int y);
SquaredDistance DistanceBetween(int a, int b);

// The smallest distance from the point to any place.
SquaredDistance OracleNearestDistance(int x, int y);

// The smallest distance to a member that is below the map diagonal, or -1 when there is none.
SquaredDistance OracleNearestMemberDistance(int x, int y, const std::vector<bool>& members);

// Whether `to` lies inside the cone of `direction` seen from `from` (diagonals included).
bool InCone(Compass direction, int from, int to);

// Whether `to` is scanned from `from` at all: before it (North) or after it (South) in place
// order, before (West) or after (East) it in east-west order.
bool InScanDomain(Compass direction, int from, int to);

// The smallest distance of a candidate in the domain and cone (members only when `members` is
// given; then also -1 when `from` is no member), or -1 when there is none.
SquaredDistance OracleCompassDistance(Compass direction, int from,
                                      const std::vector<bool>* members = nullptr);

// The members according to the views' years or topics, computed without the found set.
std::vector<bool> MembersByYears(int first, int last);
std::vector<bool> MembersByTopics(uint32_t maskA, uint32_t maskB);
