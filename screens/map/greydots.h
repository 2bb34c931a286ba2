// In found-set mode the detailed map greys the dots of the places outside the set. Only the
// places between the rows of the painted rectangle are visited, starting from RowIndex.
#pragma once

#include <QRect>
#include <vector>

// The places to grey for a painted map rectangle (map units, edges included): those whose dot
// may meet it, outside the found set and not on the London inset, in place order.
std::vector<int> PlacesToGrey(const QRect& mapRect);
