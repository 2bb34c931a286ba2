#include "content/nearestplace.h"

#include "content/datatables.h"
#include "content/placescans.h"

namespace {

// Walks a list from its head along the link, stopping after its tail (the show list of the
// coast trip is a ring) and never taking more steps than there are places. Keeps the first
// place strictly nearer than the best so far, starting from the map diagonal.
template <typename NextOf>
int nearestInList(const ContentStore& c, int head, int tail, NextOf nextOf, int x, int y,
                  SquaredDistance& best) {
    best = kMapDiagonalSquared;
    int result = -1;
    int p = head;
    for (int steps = 0; placescan::IsPlace(c, p) && steps < c.PlaceCount; ++steps) {
        const SquaredDistance d =
            Squared(int64_t{x} - c.PlaceTable[p].x) + Squared(int64_t{y} - c.PlaceTable[p].y);
        if (d < best) {
            best = d;
            result = p;
        }
        if (p == tail) break;
        p = nextOf(p);
    }
    return result;
}

bool withinRadius(int radius, SquaredDistance best) {
    return radius == kAnyDistance || Squared(radius) >= best;
}

}  // namespace

int NearestPlace(int x, int y, int radius) {
    return placescan::NearestPlace(Content(), x, y, radius, NoExamine{});
}

int NearestFoundPlace(int x, int y, int radius) {
    const ContentStore& c = Content();
    if (c.FoundHead == -1) return -1;
    SquaredDistance best = 0;
    const int result = nearestInList(
        c, c.FoundHead, c.FoundTail, [&](int p) { return c.FoundLinks[p].FoundNext; }, x, y, best);
    return result != -1 && withinRadius(radius, best) ? result : -1;
}

int NearestShowPlace(int x, int y) {
    const ContentStore& c = Content();
    if (c.ShowHead == -1) return -1;
    SquaredDistance best = 0;
    return nearestInList(
        c, c.ShowHead, c.ShowTail, [&](int p) { return c.ShowLinks[p].ShowNext; }, x, y, best);
}
