#include "content/compass.h"

#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/placescans.h"

namespace {

int neighbour(Compass direction, int place, bool withinFoundSet) {
    return placescan::CompassNeighbour(Content(), direction, place, withinFoundSet, NoExamine{});
}

int tourStep(int place, int16_t FoundLink::*link) {
    const ContentStore& c = Content();
    if (!c.TourOrderActive || !placescan::IsPlace(c, place)) return -1;
    if (IsInFoundSet(place)) return c.FoundLinks[place].*link;
    return NearestFoundPlace(c.PlaceTable[place].x, c.PlaceTable[place].y, kAnyDistance);
}

}  // namespace

int PlaceToNorth(int place, bool withinFoundSet) {
    return neighbour(Compass::North, place, withinFoundSet);
}

int PlaceToSouth(int place, bool withinFoundSet) {
    return neighbour(Compass::South, place, withinFoundSet);
}

int PlaceToWest(int place, bool withinFoundSet) {
    return neighbour(Compass::West, place, withinFoundSet);
}

int PlaceToEast(int place, bool withinFoundSet) {
    return neighbour(Compass::East, place, withinFoundSet);
}

int NextTourPlace(int place) { return tourStep(place, &FoundLink::FoundEastNext); }

int PreviousTourPlace(int place) { return tourStep(place, &FoundLink::FoundWestPrev); }
