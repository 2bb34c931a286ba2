// The place nearest to a map point: of all places, of the found set, of the show
// list. Points and radii are in map units; every function returns a place index or -1.
#pragma once

// The radius that accepts any distance.
constexpr int kAnyDistance = -1;

// The nearest of all places, or -1 when it lies farther than radius (kAnyDistance: no limit;
// radius 0 accepts only a place exactly on the point). Equally near places: the first met in
// the scan from RowIndex[y] wins.
int NearestPlace(int x, int y, int radius);

// The nearest member of the found set (the first in place order of equally near ones), or -1
// when the set is empty or the nearest lies farther than radius.
int NearestFoundPlace(int x, int y, int radius);

// The nearest place on the show list (the first in list order of equally near ones), or -1
// when the list is empty.
int NearestShowPlace(int x, int y);
