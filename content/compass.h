// Stepping from a place: the nearest place in a compass direction, and the next or
// previous stop of the active tour order. Each returns a place index or -1.
#pragma once

// The nearest place inside the direction's cone (|dy| >= |dx| for North and South, |dx| >= |dy|
// for West and East: the 45-degree diagonals belong to both), among the places before (North)
// or after (South) the place in place order, or before (West) or after (East) it in east-west
// order. Equally near candidates: the first met in scan order wins. With withinFoundSet only
// members of the found set are candidates, and a place outside the found set has none.
int PlaceToNorth(int place, bool withinFoundSet);
int PlaceToSouth(int place, bool withinFoundSet);
int PlaceToWest(int place, bool withinFoundSet);
int PlaceToEast(int place, bool withinFoundSet);

// Clockwise and anticlockwise round the tour: -1 unless TourOrderActive; for a found-set member
// its FoundEastNext / FoundWestPrev, otherwise the found-set member nearest to the place.
int NextTourPlace(int place);
int PreviousTourPlace(int place);
