#include "content/foundset.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "content/contenthost.h"
#include "content/datatables.h"
#include "content/foundsetrebuild.h"
#include "content/placescans.h"

const char kListMismatchFormat[] = "List mis-match: place %d not in found set";

namespace {

// Walks EastWestTable from west to east, appending the members to the east-west list.
void rebuildEastWestOrder(ContentStore& c) {
    c.FoundEastHead = c.FoundEastTail = -1;
    for (int pos = 0; pos < c.PlaceCount; ++pos) {
        const int place = c.EastWestTable[pos].place;
        FoundLink& link = c.FoundLinks[place];
        link.FoundEastNext = -1;
        if (!placescan::IsFoundMember(c, place)) {
            link.FoundWestPrev = -1;
            continue;
        }
        link.FoundWestPrev = c.FoundEastTail;
        if (c.FoundEastTail != -1)
            c.FoundLinks[c.FoundEastTail].FoundEastNext = static_cast<int16_t>(place);
        else
            c.FoundEastHead = static_cast<int16_t>(place);
        c.FoundEastTail = static_cast<int16_t>(place);
    }
    ++c.FoundGeneration;
    c.TourOrderActive = false;
}

// Sets every view's FoundMark from `marked` and makes the places with a marked view the found set.
template <typename Marked>
int selectViews(ContentStore& c, Marked marked) {
    FoundSetRebuild rebuild(c);
    for (int p = 0; p < c.PlaceCount; ++p) {
        bool any = false;
        const int end = c.viewEndOf(p);
        for (int v = c.firstViewOf(p); v < end; ++v) {
            ViewRecord& view = c.ViewTable[v];
            const bool on = marked(view);
            view.setFoundMark(on);
            any = any || on;
        }
        rebuild.visit(p, any);
    }
    return rebuild.finish();
}

void reportMismatch(int place) {
    char text[sizeof kListMismatchFormat + 16];
    std::snprintf(text, sizeof text, kListMismatchFormat, place);
    Host().showError(text);
}

}  // namespace

FoundSetRebuild::FoundSetRebuild(ContentStore& store) : c_(store) {
    c_.FoundHead = c_.FoundTail = -1;
}

void FoundSetRebuild::visit(int place, bool member) {
    FoundLink& link = c_.FoundLinks[place];
    link.FoundNext = -1;
    if (!member) {
        link.FoundPrev = -1;
        return;
    }
    link.FoundPrev = c_.FoundTail;
    if (c_.FoundTail != -1)
        c_.FoundLinks[c_.FoundTail].FoundNext = static_cast<int16_t>(place);
    else
        c_.FoundHead = static_cast<int16_t>(place);
    c_.FoundTail = static_cast<int16_t>(place);
    ++count_;
}

int FoundSetRebuild::finish() {
    rebuildEastWestOrder(c_);
    return count_;
}

bool IsInFoundSet(int place) {
    const ContentStore& c = Content();
    return placescan::IsPlace(c, place) && placescan::IsFoundMember(c, place);
}

bool HasFoundSet() { return Content().FoundHead != -1; }

int SelectYears(int first, int last) {
    if (first >= last) return -1;
    return selectViews(
        Content(), [=](const ViewRecord& view) { return first <= view.Year && view.Year <= last; });
}

int SelectTopics(uint32_t maskA, uint32_t maskB) {
    if (maskA == 0 && maskB == 0) return -1;
    return selectViews(Content(), [=](const ViewRecord& view) {
        return ((view.TopicMaskA & maskA) | (view.TopicMaskB & maskB)) != 0;
    });
}

void ApplyTourOrder() {
    ContentStore& c = Content();
    const TourTable& tour = c.Tour;
    const int count = std::clamp(tour.count, 0, kTourCapacity);
    int previous = -1;  // the last stop that names a place: the ring closes through it
    for (int i = count - 1; i >= 0 && previous == -1; --i) {
        if (placescan::IsPlace(c, tour.places[i])) previous = tour.places[i];
    }
    for (int i = 0; i < count; ++i) {
        const int stop = tour.places[i];
        if (!IsInFoundSet(stop)) reportMismatch(stop);
        if (!placescan::IsPlace(c, stop)) continue;
        c.FoundLinks[stop].FoundWestPrev = static_cast<int16_t>(previous);
        c.FoundLinks[previous].FoundEastNext = static_cast<int16_t>(stop);
        previous = stop;
    }
    c.TourOrderActive = true;
}
