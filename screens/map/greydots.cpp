#include "screens/map/greydots.h"

#include <algorithm>

#include "content/datatables.h"
#include "content/foundset.h"

std::vector<int> PlacesToGrey(const QRect& mapRect) {
    std::vector<int> places;
    const ContentStore& c = Content();
    if (!c.loaded() || c.PlaceCount <= 0 || c.RowCount <= 0) return places;
    const int x0 = mapRect.left();
    const int x1 = mapRect.right();
    const int y0 = mapRect.top();
    const int y1 = mapRect.bottom();

    // RowIndex names a place near the row; walk to the first one at or below y0 - 3. The row
    // is kept inside the table whatever the rectangle.
    int i = c.RowIndex[std::clamp(y0 - 4, 0, c.RowCount - 1)];
    while (i > 0 && c.place(i - 1).y >= y0 - 3) --i;
    while (i < c.PlaceCount && c.place(i).y < y0 - 3) ++i;
    for (; i < c.PlaceCount && c.place(i).y <= y1 + 5; ++i) {
        const PlaceRecord& p = c.place(i);
        if (p.x <= x0 - 5 || p.x >= x1 + 5) continue;
        if (IsInFoundSet(i) || (p.PlaceFlags2 & kPlaceOnLondonInset)) continue;
        places.push_back(i);
    }
    return places;
}
