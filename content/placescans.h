// The scans behind the nearest-place and compass queries, written once as templates
// so that the program and the benchmark run the same code: every place the scan looks at is
// reported to an `examine` callable. The program passes NoExamine, which compiles to nothing;
// the benchmark passes a counter. Everything here reads the tables only.
#pragma once

#include <algorithm>
#include <cstdint>

#include "content/datatables.h"

// Squared distances in map units. 64-bit so that no coordinate a damaged table can hold
// overflows; for positions on the map they are the same as 32-bit ones.
using SquaredDistance = int64_t;

// The square of the map diagonal (8000 x 8000): the starting best distance of the list scans.
constexpr SquaredDistance kMapDiagonalSquared = 64000000;

inline SquaredDistance Squared(int64_t d) { return d * d; }

struct NoExamine {
    void operator()() const {}
};

enum class Compass { North, South, West, East };

namespace placescan {

inline bool IsPlace(const ContentStore& c, int place) { return place >= 0 && place < c.PlaceCount; }

inline bool IsFoundMember(const ContentStore& c, int place) {
    const FoundLink& link = c.FoundLinks[place];
    return link.FoundPrev != -1 || link.FoundNext != -1 || place == c.FoundHead;
}

// `NearestPlace`: from the place RowIndex names for row y, scan northwards and then southwards
// while the scanned place's squared y-difference is not greater than the best distance. That
// holds for any start the table may name: on the way towards row y the y-differences only
// shrink, and beyond it they only grow. The row used to index RowIndex is clamped into the
// table; the distances use the point as given.
template <typename Examine>
int NearestPlace(const ContentStore& c, int x, int y, int radius, Examine&& examine) {
    if (c.PlaceCount <= 0 || c.RowCount <= 0) return -1;
    const int row = std::clamp(y, 0, c.RowCount - 1);
    const int start = c.RowIndex[row];
    const PlaceRecord* places = c.PlaceTable.get();
    const int64_t px = x;
    const int64_t py = y;
    examine();
    int result = start;
    SquaredDistance best = Squared(px - places[start].x) + Squared(py - places[start].y);
    // False when the place's row is too far away for it or any place beyond it to be nearer.
    auto consider = [&](int i) {
        examine();
        const SquaredDistance dy2 = Squared(py - places[i].y);
        if (dy2 > best) return false;
        const SquaredDistance d = dy2 + Squared(px - places[i].x);
        if (d < best) {
            best = d;
            result = i;
        }
        return true;
    };
    for (int i = start - 1; i >= 0; --i) {  // northwards
        if (!consider(i)) break;
    }
    for (int i = start + 1; i < c.PlaceCount; ++i) {  // southwards
        if (!consider(i)) break;
    }
    if (radius == -1 || Squared(radius) >= best) return result;
    return -1;
}

// Cursors over the candidates of a compass scan, in scan order. next() moves to the following
// candidate and returns false when the scan has run out.
struct Candidate {
    int place = -1;
    int x = 0;
    int y = 0;
};

// Places in index order (PlaceTable is sorted by y): step -1 northwards, +1 southwards.
class PlaceOrderCursor {
  public:
    PlaceOrderCursor(const ContentStore& c, int place, int step) : c_(c), i_(place), step_(step) {}
    bool next(Candidate& out) {
        i_ += step_;
        if (i_ < 0 || i_ >= c_.PlaceCount) return false;
        out = Candidate{i_, c_.PlaceTable[i_].x, c_.PlaceTable[i_].y};
        return true;
    }

  private:
    const ContentStore& c_;
    int i_;
    int step_;
};

// Entries of EastWestTable (sorted by x): step -1 westwards, +1 eastwards. With membersOnly,
// places outside the found set are passed over.
class EastWestCursor {
  public:
    EastWestCursor(const ContentStore& c, int place, int step, bool membersOnly)
        : c_(c), pos_(c.PlaceTable[place].EastWestPos), step_(step), membersOnly_(membersOnly) {}
    bool next(Candidate& out) {
        for (;;) {
            pos_ += step_;
            if (pos_ < 0 || pos_ >= c_.PlaceCount) return false;
            const EastWestEntry& e = c_.EastWestTable[pos_];
            if (membersOnly_ && !IsFoundMember(c_, e.place)) continue;
            out = Candidate{e.place, e.x, e.y};
            return true;
        }
    }

  private:
    const ContentStore& c_;
    int pos_;
    int step_;
    bool membersOnly_;
};

// A found-set link: FoundPrev (north), FoundNext (south), FoundWestPrev, FoundEastNext. The
// lists are linear, except the east-west links while the tour order is active, which this
// cursor is never used for.
class FoundLinkCursor {
  public:
    FoundLinkCursor(const ContentStore& c, int place, int16_t FoundLink::*link)
        : c_(c), place_(place), link_(link) {}
    bool next(Candidate& out) {
        place_ = c_.FoundLinks[place_].*link_;
        if (place_ < 0) return false;
        out = Candidate{place_, c_.PlaceTable[place_].x, c_.PlaceTable[place_].y};
        return true;
    }

  private:
    const ContentStore& c_;
    int place_;
    int16_t FoundLink::*link_;
};

// The compass scan over any cursor: advance to the first candidate inside the cone
// (diagonals included), then keep going while the squared difference along the scan axis is
// not greater than the best distance; a candidate in the cone that is strictly nearer wins.
template <bool vertical, typename Cursor, typename Examine>
int CompassScan(int x0, int y0, Cursor cursor, Examine&& examine) {
    auto inCone = [](SquaredDistance dx2, SquaredDistance dy2) {
        return vertical ? dy2 >= dx2 : dx2 >= dy2;
    };
    Candidate c;
    SquaredDistance dx2 = 0;
    SquaredDistance dy2 = 0;
    do {
        if (!cursor.next(c)) return -1;
        examine();
        dx2 = Squared(c.x - x0);
        dy2 = Squared(c.y - y0);
    } while (!inCone(dx2, dy2));
    int result = c.place;
    SquaredDistance best = dx2 + dy2;
    while (cursor.next(c)) {
        examine();
        dx2 = Squared(c.x - x0);
        dy2 = Squared(c.y - y0);
        if ((vertical ? dy2 : dx2) > best) break;
        if (inCone(dx2, dy2) && dx2 + dy2 < best) {
            best = dx2 + dy2;
            result = c.place;
        }
    }
    return result;
}

// The compass neighbour of a place, in all places or within the found set. While the tour
// order is active the east-west links form the tour ring, not the x order, so a West or East
// scan within the found set walks EastWestTable instead and passes over non-members: it ends
// at the table's end and finds the same place the x-ordered links would give.
template <typename Examine>
int CompassNeighbour(const ContentStore& c, Compass direction, int place, bool withinFoundSet,
                     Examine&& examine) {
    if (!IsPlace(c, place)) return -1;
    const int x0 = c.PlaceTable[place].x;
    const int y0 = c.PlaceTable[place].y;
    const bool westwards = direction == Compass::West;
    switch (direction) {
        case Compass::North:
        case Compass::South: {
            const bool north = direction == Compass::North;
            if (withinFoundSet) {
                return CompassScan<true>(
                    x0, y0,
                    FoundLinkCursor(c, place,
                                    north ? &FoundLink::FoundPrev : &FoundLink::FoundNext),
                    examine);
            }
            return CompassScan<true>(x0, y0, PlaceOrderCursor(c, place, north ? -1 : +1), examine);
        }
        case Compass::West:
        case Compass::East:
            if (withinFoundSet && !c.TourOrderActive) {
                return CompassScan<false>(x0, y0,
                                          FoundLinkCursor(c, place,
                                                          westwards ? &FoundLink::FoundWestPrev
                                                                    : &FoundLink::FoundEastNext),
                                          examine);
            }
            if (withinFoundSet && !IsFoundMember(c, place)) return -1;  // as its links would say
            return CompassScan<false>(
                x0, y0, EastWestCursor(c, place, westwards ? -1 : +1, withinFoundSet), examine);
    }
    return -1;
}

}  // namespace placescan
