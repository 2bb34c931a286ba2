#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "content/compass.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/namelookup.h"
#include "content/nearestplace.h"
#include "content/search.h"
#include "content/showlist.h"
#include "edition/editiontour.h"
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/scratchfiles.h"
#include "tests/support/recordinghost.h"

namespace {

// Whether every result of the queries is something the screens can use: a place or view of
// the tables (or -1), a count within the places, and walks along the links that end.
class QueryRun {
  public:
    bool ok() const { return ok_; }

    void all() {
        const std::vector<int> sample = samplePlaces();
        names(sample);
        nearest(sample);
        compass(sample, false);
        selections(sample);
        tour(sample);
        for (int kind : {kShowStandard, kShowTour, kShowAll, kShowFoundSet}) show(kind);
    }

  private:
    void place(int p, int line = __builtin_LINE()) { that(p >= -1 && p < s_.PlaceCount, line); }
    void count(int n, int line = __builtin_LINE()) { that(n >= -1 && n <= s_.PlaceCount, line); }
    // The first broken check names its line, so that a kept input tells what it broke.
    void that(bool condition, int line = __builtin_LINE()) {
        if (ok_ && !condition)
            std::fprintf(stderr, "%s:%d: a query result broke a check\n", __FILE__, line);
        ok_ = ok_ && condition;
    }

    // Up to 48 places spread over the table, the first and the last among them.
    std::vector<int> samplePlaces() const {
        std::vector<int> sample;
        const int step = std::max(1, s_.PlaceCount / 47);
        for (int p = 0; p < s_.PlaceCount; p += step) sample.push_back(p);
        if (sample.back() != s_.PlaceCount - 1) sample.push_back(s_.PlaceCount - 1);
        return sample;
    }

    void names(const std::vector<int>& sample) {
        std::vector<std::string> all;
        FillPlaceNames(all);
        that(!all.empty());
        for (int p : sample) {
            place(FindPlaceByName(PlaceName(p)));
            that(!PictureFileName(s_.firstViewOf(p)).empty());
        }
        for (const char* typed : {"", "a", "Zz", "st", "\xe9t"}) place(FindPlaceByName(typed));
    }

    void nearest(const std::vector<int>& sample) {
        for (int p : sample) {
            const PlaceRecord& r = s_.place(p);
            place(NearestPlace(r.x, r.y, 0));
            place(NearestPlace(r.x + 37, r.y - 23, 50));
            place(NearestFoundPlace(r.x, r.y, kAnyDistance));
            place(NearestShowPlace(r.x, r.y));
        }
        for (int x : {-40000, 0, s_.ColumnCount, 40000})
            for (int y : {-40000, 0, s_.RowCount, 40000}) place(NearestPlace(x, y, kAnyDistance));
    }

    void compass(const std::vector<int>& sample, bool withinFoundSet) {
        for (int p : sample) {
            place(PlaceToNorth(p, withinFoundSet));
            place(PlaceToSouth(p, withinFoundSet));
            place(PlaceToWest(p, withinFoundSet));
            place(PlaceToEast(p, withinFoundSet));
        }
    }

    // Both chains of the found set hold members only and end.
    void foundSet() {
        for (int16_t FoundLink::*next : {&FoundLink::FoundNext, &FoundLink::FoundEastNext}) {
            int p = next == &FoundLink::FoundNext ? s_.FoundHead : s_.FoundEastHead;
            int steps = 0;
            while (ok_ && p != -1 && steps++ <= s_.PlaceCount) {
                place(p);
                if (!ok_) return;
                that(IsInFoundSet(p));
                p = s_.FoundLinks[p].*next;
            }
            that(steps <= s_.PlaceCount);
        }
    }

    // The tour order links its stops into a ring (members of the found set or not): from the
    // first stop that names a place, the ring comes back to it in both directions.
    void tourRing() {
        const TourTable& tour = s_.Tour;
        const int16_t* end = tour.places + std::clamp(tour.count, 0, kTourCapacity);
        const int16_t* first =
            std::find_if(tour.places, end, [&](int p) { return p >= 0 && p < s_.PlaceCount; });
        if (first == end) return;
        for (int16_t FoundLink::*next : {&FoundLink::FoundEastNext, &FoundLink::FoundWestPrev}) {
            int p = *first, steps = 0;
            do {
                p = s_.FoundLinks[p].*next;
                place(p);
                that(p != -1 && ++steps <= tour.count);
            } while (ok_ && p != *first);
        }
    }

    void selections(const std::vector<int>& sample) {
        const SearchRequest searches[] = {
            {{"the", "", "a", ""}, false, false, false},
            {{" Castle ", "church", "", ""}, true, true, false},
            {{"", "", "e", "o"}, false, false, true},
            {{"\xe9", "", "", ""}, false, false, false},
        };
        for (const SearchRequest& request : searches) {
            count(SearchText(request));
            foundSet();
        }
        for (auto [first, last] : {std::pair{-32768, 32767}, {1500, 1600}, {5, 5}}) {
            count(SelectYears(first, last));
            foundSet();
        }
        compass(sample, true);
        for (auto [a, b] : {std::pair{0xFFFFFFFFu, 0xFFFFFFFFu}, {0x100u, 0u}, {0u, 0x40u}}) {
            count(SelectTopics(a, b));
            foundSet();
        }
        that(HasFoundSet() == (s_.FoundHead != -1));
    }

    void tour(const std::vector<int>& sample) {
        count(SelectTopics(0xFFFFFFFFu, 0xFFFFFFFFu));
        ApplyTourOrder();
        tourRing();
        for (int p : sample) {
            place(NextTourPlace(p));
            place(PreviousTourPlace(p));
        }
        compass(sample, true);
    }

    void show(int kind) {
        BuildShowList(kind);
        if (!HasShowList()) return;
        // A slideshow starts at a place of the list and comes back to it when the list is used up.
        int p = Content().ShowStart = s_.ShowHead;
        const int steps = std::min(2 * s_.PlaceCount + 2, 400);
        for (int step = 0; ok_ && step < steps; ++step) {
            place(p);
            that(p != -1);
            if (!ok_) return;
            views(p);
            p = TakeFromShowList(p);
        }
    }

    // The views a show visits at a place are views of that place, and they run out.
    void views(int p) {
        const int first = s_.firstViewOf(p), end = s_.viewEndOf(p);
        int visited = 0;
        for (int v = NextShowView(p, -1); ok_ && v != -1; v = NextShowView(p, v)) {
            that(v >= first && v < end && ++visited <= end - first);
        }
    }

    const ContentStore& s_ = Content();
    bool ok_ = true;
};

}  // namespace

bool FuzzTableFile(const uint8_t* data, size_t size) {
    RecordingHost host;  // takes the messages and the shutdown without showing anything
    Content().Tour = EditionTourTable();
    WriteScratchFile("table/BTab.dat", data, size);
    LoadContent(ScratchDirectory() + "table/");
    if (host.quitting()) return host.errors.size() == 1 && !Content().loaded();
    QueryRun run;
    run.all();
    ReleaseContent();
    return run.ok();
}
