#include "content/tablecheck.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "content/datatables.h"

namespace {

bool inRange(int value, int count) { return value >= 0 && value < count; }

bool hasNul(const char* text, int from, int to) {
    return std::memchr(text + from, '\0', static_cast<size_t>(to - from)) != nullptr;
}

// Place name, title and caption must be where the heading fields say, each ending in a NUL.
bool viewTextIsSound(const ViewRecord& v) {
    const int nameEnd = v.NameEnd;
    const int captionStart = v.CaptionStart;
    if (nameEnd < 3 || captionStart < nameEnd + 2 || captionStart >= kViewTextSize) return false;
    return hasNul(v.Text, 0, captionStart) && hasNul(v.Text, captionStart, kViewTextSize);
}

bool picCodeIsSound(const ViewRecord& v) {
    for (char c : v.PicCode) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// Groups must chain upwards from view 0 and cover every view; each group belongs to one place
// whose FirstView points back at it.
bool groupsAreSound(const ContentStore& s, std::vector<bool>& isGroupStart) {
    int groups = 0;
    int start = 0;
    while (start >= 0) {
        const int next = s.ViewTable[start].NextGroup;
        if (next != -1 && (next <= start || next >= s.ViewCount)) return false;
        const int end = next < 0 ? s.ViewCount : next;
        const int place = s.ViewTable[start].Place;
        if (!inRange(place, s.PlaceCount) || s.PlaceTable[place].FirstView != start) return false;
        for (int v = start; v < end; ++v) {
            if (s.ViewTable[v].Place != place) return false;
        }
        isGroupStart[start] = true;
        ++groups;
        start = next;
    }
    return groups == s.PlaceCount;
}

bool placesAreSound(const ContentStore& s) {
    int londonCount = 0;
    for (int p = 0; p < s.PlaceCount; ++p) {
        const PlaceRecord& place = s.PlaceTable[p];
        if (p > 0 && place.y < s.PlaceTable[p - 1].y) return false;
        if (!inRange(place.FirstView, s.ViewCount)) return false;
        if (!inRange(place.EastWestPos, s.PlaceCount)) return false;
        const EastWestEntry& entry = s.EastWestTable[place.EastWestPos];
        if (entry.place != p || entry.x != place.x || entry.y != place.y) return false;
        if (place.PlaceFlags2 & kPlaceOnLondonInset) ++londonCount;
    }
    if (londonCount > btab::kMaxLondonPlaces) return false;
    for (int i = 1; i < s.PlaceCount; ++i) {
        if (s.EastWestTable[i].x < s.EastWestTable[i - 1].x) return false;
    }
    return true;
}

bool indexesAreSound(const ContentStore& s, const std::vector<bool>& isGroupStart) {
    for (int i = 0; i < btab::kNameIndexEntries; ++i) {
        const int v = s.NameIndex[i];
        if (v != -1 && !(inRange(v, s.ViewCount) && isGroupStart[v])) return false;
    }
    for (int y = 0; y < s.RowCount; ++y) {
        if (!inRange(s.RowIndex[y], s.PlaceCount)) return false;
    }
    return true;
}

}  // namespace

bool TablesAreSound(const ContentStore& s) {
    // Places first: the group check below follows FirstView and EastWestPos.
    if (!placesAreSound(s)) return false;
    for (int v = 0; v < s.ViewCount; ++v) {
        const ViewRecord& view = s.ViewTable[v];
        if (!inRange(view.Place, s.PlaceCount) || !viewTextIsSound(view) || !picCodeIsSound(view))
            return false;
    }
    std::vector<bool> isGroupStart(static_cast<size_t>(s.ViewCount), false);
    return groupsAreSound(s, isGroupStart) && indexesAreSound(s, isGroupStart);
}
