// No query allocates: every operation runs on a loaded edition while the global
// operator new of this test program counts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "content/compass.h"
#include "content/foundset.h"
#include "content/namelookup.h"
#include "content/nearestplace.h"
#include "content/search.h"
#include "content/showlist.h"
#include "tests/support/queryfixture.h"
#include "tests/support/queryoracle.h"

namespace {

bool counting = false;
long allocations = 0;

}  // namespace

// Every plain and nothrow form is replaced, so that each allocation is counted and each block
// is freed by the family that made it.
void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (counting) ++allocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

// Counts the allocations the callable makes.
template <typename F>
long allocationsOf(F&& f) {
    allocations = 0;
    counting = true;
    f();
    counting = false;
    return allocations;
}

class NoAllocationTest : public QueryTest {};

TEST_F(NoAllocationTest, TheCounterSeesAnAllocation) {
    EXPECT_EQ(allocationsOf([] { ::operator delete(::operator new(16)); }), 1);
    EXPECT_EQ(allocationsOf([] { std::string text(100, 'x'); }), 1);
}

TEST_F(NoAllocationTest, NoQueryAllocates) {
    EditionSource source = ScatteredEdition(400, 2, 3);
    for (size_t i = 0; i < source.places.size(); i += 3) {
        source.places[i].inStandardShow = true;
        source.places[i].views[0].topicMaskA = 0x40;
        source.places[i].views[1].topicMaskB = 0x20;
    }
    source.places[0].name = "Dunby, Corvan";
    ASSERT_NO_FATAL_FAILURE(load(source));
    TourTable tour;
    for (int p = 0; p < Content().PlaceCount && tour.count < 60; ++p) {
        if (MembersByTopics(0x40, 0)[static_cast<size_t>(p)])
            tour.places[tour.count++] = static_cast<int16_t>(p);
    }
    Content().Tour = tour;
    const std::vector<MapPoint> points = QueryPoints(300, 5);
    const int places = Content().PlaceCount;

    long total = allocationsOf([&] {
        for (const MapPoint& pt : points) {
            NearestPlace(pt.x, pt.y, kAnyDistance);
            NearestPlace(pt.x, pt.y, 150);
        }
        for (int p = 0; p < places; ++p) {
            PlaceToNorth(p, false);
            PlaceToSouth(p, false);
            PlaceToWest(p, false);
            PlaceToEast(p, false);
        }
        SelectYears(1500, 1800);
        SelectTopics(0x40, 0x20);
        SearchText(SearchRequest{{"  place 1", "view 2", "Testshire", ""}, false, false, false});
        SearchText(SearchRequest{{"Caption", "", "", ""}, true, true, true});
        SelectTopics(0x40, 0);
        for (const MapPoint& pt : points) NearestFoundPlace(pt.x, pt.y, 150);
        for (int p = 0; p < places; ++p) {
            IsInFoundSet(p);
            PlaceToNorth(p, true);
            PlaceToSouth(p, true);
            PlaceToWest(p, true);
            PlaceToEast(p, true);
        }
        ApplyTourOrder();
        HasFoundSet();
        for (int p = 0; p < places; ++p) {
            PlaceToWest(p, true);
            PlaceToEast(p, true);
            NextTourPlace(p);
            PreviousTourPlace(p);
        }
        for (int kind : {kShowStandard, kShowTour, kShowAll, kShowFoundSet}) {
            BuildShowList(kind);
            HasShowList();
            Content().ShowStart = Content().ShowHead;
            int place = Content().ShowHead;
            for (int i = 0; i < places + 2 && place != -1; ++i) {
                for (int v = NextShowView(place, -1); v != -1; v = NextShowView(place, v)) {
                }
                NearestShowPlace(1000, 2000);
                place = TakeFromShowList(place);
            }
        }
        for (const char* text : {"Dunby", "d", "Zz", "1", "", "Aaplace 0, Testshire: View 1"})
            FindPlaceByName(text);
    });
    EXPECT_EQ(total, 0);
    EXPECT_TRUE(host.errors.empty());
}

}  // namespace
