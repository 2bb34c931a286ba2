#include "content/showlist.h"

#include <algorithm>

#include "content/datatables.h"
#include "content/nearestplace.h"
#include "content/placescans.h"

namespace {

void linkTourRing(ContentStore& c) {
    const TourTable& tour = c.Tour;
    const int count = std::clamp(tour.count, 0, kTourCapacity);
    for (int i = 0; i < count; ++i) {
        const int stop = tour.places[i];
        if (!placescan::IsPlace(c, stop)) continue;  // a stop that names no place is left out
        if (c.ShowHead == -1) c.ShowHead = static_cast<int16_t>(stop);
        if (c.ShowTail != -1) {
            c.ShowLinks[c.ShowTail].ShowNext = static_cast<int16_t>(stop);
            c.ShowLinks[stop].ShowPrev = c.ShowTail;
        }
        c.ShowTail = static_cast<int16_t>(stop);
        ++c.ShowCount;
    }
    if (c.ShowHead != -1) {
        c.ShowLinks[c.ShowTail].ShowNext = c.ShowHead;
        c.ShowLinks[c.ShowHead].ShowPrev = c.ShowTail;
    }
}

bool joins(const ContentStore& c, int kind, int place) {
    switch (kind) {
        case kShowStandard:
            return (c.PlaceTable[place].PlaceFlags & kPlaceInStandardShow) != 0;
        case kShowAll:
            return true;
        case kShowFoundSet:
            return placescan::IsFoundMember(c, place);
        default:
            return false;
    }
}

void unlink(ContentStore& c, int place) {
    ShowLink& link = c.ShowLinks[place];
    if (link.ShowPrev != -1) c.ShowLinks[link.ShowPrev].ShowNext = link.ShowNext;
    if (link.ShowNext != -1) c.ShowLinks[link.ShowNext].ShowPrev = link.ShowPrev;
    if (place == c.ShowHead) c.ShowHead = link.ShowNext;
    if (place == c.ShowTail) c.ShowTail = link.ShowPrev;
    link = ShowLink{-1, -1};
}

bool viewFits(int kind, const ViewRecord& view) {
    switch (kind) {
        case kShowStandard:
            return (view.maskBByte0() & kViewInStandardShow) != 0;
        case kShowTour:
            return (view.maskAByte0() & kViewInTourShow) != 0;
        case kShowFoundSet:
            return view.hasFoundMark();
        default:
            return false;
    }
}

}  // namespace

void BuildShowList(int kind) {
    ContentStore& c = Content();
    c.ShowCount = 0;
    c.ShowKind = kind;
    c.ShowGeneration = kind == kShowFoundSet ? c.FoundGeneration : -1;
    c.ShowHead = c.ShowTail = -1;
    for (int p = 0; p < c.PlaceCount; ++p) {
        ShowLink& link = c.ShowLinks[p];
        link.ShowNext = -1;
        if (kind == kShowTour || !joins(c, kind, p)) {
            link.ShowPrev = -1;
            continue;
        }
        link.ShowPrev = c.ShowTail;
        if (c.ShowTail != -1)
            c.ShowLinks[c.ShowTail].ShowNext = static_cast<int16_t>(p);
        else
            c.ShowHead = static_cast<int16_t>(p);
        c.ShowTail = static_cast<int16_t>(p);
        ++c.ShowCount;
    }
    if (kind == kShowTour) linkTourRing(c);
}

bool HasShowList() {
    const ContentStore& c = Content();
    return c.ShowCount > 0 && c.ShowHead != -1;
}

int TakeFromShowList(int place) {
    ContentStore& c = Content();
    if (c.ShowCount <= 1) {
        if (c.ShowKind == kShowNone) return -1;
        BuildShowList(c.ShowKind);
        return c.ShowCount == 1 ? place : c.ShowStart;
    }
    if (!placescan::IsPlace(c, place)) return -1;
    const int successor = c.ShowLinks[place].ShowNext;
    --c.ShowCount;
    unlink(c, place);
    if (c.ShowKind == kShowTour) return successor;
    return NearestShowPlace(c.PlaceTable[place].x, c.PlaceTable[place].y);
}

int NextShowView(int place, int previous) {
    const ContentStore& c = Content();
    if (!placescan::IsPlace(c, place)) return -1;
    const int first = c.firstViewOf(place);
    if (c.ShowKind == kShowAll) return previous == -1 ? first : -1;
    const int end = c.viewEndOf(place);
    for (int v = previous == -1 ? first : std::max(first, previous + 1); v < end; ++v) {
        if (viewFits(c.ShowKind, c.ViewTable[v])) return v;
    }
    return -1;
}
