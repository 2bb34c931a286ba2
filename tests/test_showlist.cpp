// Show lists of each kind, the slideshow's walk through them, and the views each kind shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "content/foundset.h"
#include "content/showlist.h"
#include "tests/support/queryfixture.h"
#include "tests/support/queryoracle.h"

namespace {

class ShowListTest : public QueryTest {
  protected:
    // The list from its head along ShowNext, up to and including its tail.
    static std::vector<int> walk() {
        const ContentStore& c = Content();
        std::vector<int> out;
        for (int p = c.ShowHead; p != -1; p = c.ShowLinks[p].ShowNext) {
            out.push_back(p);
            if (p == c.ShowTail || out.size() > static_cast<size_t>(c.PlaceCount)) break;
        }
        return out;
    }

    // A linear list of exactly these places, in index order, every other place unlinked.
    static void expectLinearList(const std::vector<int>& places) {
        const ContentStore& c = Content();
        EXPECT_EQ(walk(), places);
        EXPECT_EQ(c.ShowCount, static_cast<int>(places.size()));
        EXPECT_EQ(c.ShowHead, places.empty() ? -1 : places.front());
        EXPECT_EQ(c.ShowTail, places.empty() ? -1 : places.back());
        EXPECT_EQ(HasShowList(), !places.empty());
        for (int p = 0; p < c.PlaceCount; ++p) {
            const auto it = std::find(places.begin(), places.end(), p);
            const int prev = it == places.end() || it == places.begin() ? -1 : *(it - 1);
            const int next = it == places.end() || it + 1 == places.end() ? -1 : *(it + 1);
            EXPECT_EQ(c.ShowLinks[p].ShowPrev, prev) << "place " << p;
            EXPECT_EQ(c.ShowLinks[p].ShowNext, next) << "place " << p;
        }
    }

    static std::vector<int> allPlaces() {
        std::vector<int> out(static_cast<size_t>(Content().PlaceCount));
        for (size_t p = 0; p < out.size(); ++p) out[p] = static_cast<int>(p);
        return out;
    }
};

TEST_F(ShowListTest, NoListBeforeTheFirstBuild) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(60, 2, 1)));
    EXPECT_FALSE(HasShowList());
    EXPECT_EQ(Content().ShowKind, kShowNone);
    EXPECT_EQ(TakeFromShowList(0), -1);
}

TEST_F(ShowListTest, StandardAllAndFoundSetListsFollowPlaceOrder) {
    EditionSource source = ScatteredEdition(120, 2, 2);
    for (size_t i = 0; i < source.places.size(); i += 4) source.places[i].inStandardShow = true;
    ASSERT_NO_FATAL_FAILURE(load(source));
    const ContentStore& c = Content();

    BuildShowList(kShowStandard);
    std::vector<int> standard;
    for (int p = 0; p < c.PlaceCount; ++p) {
        if (c.place(p).PlaceFlags & kPlaceInStandardShow) standard.push_back(p);
    }
    ASSERT_EQ(standard.size(), 30u);
    expectLinearList(standard);
    EXPECT_EQ(c.ShowKind, kShowStandard);
    EXPECT_EQ(c.ShowGeneration, -1);

    BuildShowList(kShowAll);
    expectLinearList(allPlaces());
    EXPECT_EQ(c.ShowGeneration, -1);

    ASSERT_GT(SelectYears(1600, 1700), 0);
    BuildShowList(kShowFoundSet);
    std::vector<int> members;
    for (int p = c.FoundHead; p != -1; p = c.FoundLinks[p].FoundNext) members.push_back(p);
    expectLinearList(members);
    EXPECT_EQ(c.ShowKind, kShowFoundSet);
    EXPECT_EQ(c.ShowGeneration, c.FoundGeneration);

    ASSERT_EQ(SelectYears(100, 200), 0);
    BuildShowList(kShowFoundSet);
    expectLinearList({});
}

TEST_F(ShowListTest, TourListIsAClosedRingInTourOrder) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(80, 2, 3)));
    BuildShowList(kShowAll);  // stale links from another kind must not survive
    TourTable tour;
    for (int p : {0, 17, 5, 42, 9}) tour.places[tour.count++] = static_cast<int16_t>(p);
    Content().Tour = tour;
    BuildShowList(kShowTour);
    const ContentStore& c = Content();
    EXPECT_EQ(c.ShowKind, kShowTour);
    EXPECT_EQ(c.ShowCount, 5);
    EXPECT_EQ(c.ShowHead, 0);
    EXPECT_EQ(c.ShowTail, 9);
    EXPECT_EQ(walk(), (std::vector<int>{0, 17, 5, 42, 9}));
    EXPECT_EQ(c.ShowLinks[9].ShowNext, 0);
    EXPECT_EQ(c.ShowLinks[0].ShowPrev, 9);
    EXPECT_EQ(c.ShowLinks[5].ShowPrev, 17);
    EXPECT_EQ(c.ShowLinks[1].ShowNext, -1);
    EXPECT_EQ(c.ShowLinks[1].ShowPrev, -1);
}

TEST_F(ShowListTest, EverywhereShowHopsToTheNearestPlaceNotYetShownThenRestarts) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(150, 1, 4)));
    const ContentStore& c = Content();
    BuildShowList(kShowAll);
    const int start = 77;
    Content().ShowStart = start;
    std::vector<bool> remaining(static_cast<size_t>(c.PlaceCount), true);
    std::vector<int> shown{start};
    int place = start;
    for (int i = 1; i < c.PlaceCount; ++i) {
        remaining[static_cast<size_t>(place)] = false;
        const int next = TakeFromShowList(place);
        ASSERT_NE(next, -1);
        ASSERT_TRUE(remaining[static_cast<size_t>(next)]);
        // The nearest remaining place, the first in place order of equally near ones.
        const SquaredDistance best =
            OracleNearestMemberDistance(c.place(place).x, c.place(place).y, remaining);
        ASSERT_EQ(DistanceBetween(place, next), best);
        for (int p = 0; p < next; ++p)
            ASSERT_FALSE(remaining[static_cast<size_t>(p)] && DistanceBetween(place, p) == best);
        EXPECT_EQ(c.ShowCount, c.PlaceCount - i);
        shown.push_back(next);
        place = next;
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, allPlaces());
    // The last place: the list is rebuilt and the show starts again where it started.
    EXPECT_EQ(c.ShowCount, 1);
    EXPECT_EQ(TakeFromShowList(place), start);
    EXPECT_EQ(c.ShowCount, c.PlaceCount);
    EXPECT_EQ(walk(), allPlaces());
}

TEST_F(ShowListTest, TourShowGoesRoundTheRingThenRestarts) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(60, 2, 5)));
    TourTable tour;
    for (int p : {0, 30, 12, 51, 7, 44}) tour.places[tour.count++] = static_cast<int16_t>(p);
    Content().Tour = tour;
    BuildShowList(kShowTour);
    Content().ShowStart = 12;  // a show may start anywhere on the ring
    std::vector<int> visited{12};
    int place = 12;
    for (int i = 0; i < 5; ++i) visited.push_back(place = TakeFromShowList(place));
    EXPECT_EQ(visited, (std::vector<int>{12, 51, 7, 44, 0, 30}));
    EXPECT_EQ(TakeFromShowList(place), 12);
    EXPECT_EQ(Content().ShowCount, 6);
    EXPECT_EQ(TakeFromShowList(12), 51);
}

TEST_F(ShowListTest, UnlinkingTheEndsMovesHeadAndTail) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(60, 2, 6)));
    BuildShowList(kShowAll);
    const ContentStore& c = Content();
    TakeFromShowList(0);
    EXPECT_EQ(c.ShowHead, 1);
    EXPECT_EQ(c.ShowLinks[1].ShowPrev, -1);
    EXPECT_EQ(c.ShowLinks[0].ShowNext, -1);
    TakeFromShowList(59);
    EXPECT_EQ(c.ShowTail, 58);
    EXPECT_EQ(c.ShowLinks[58].ShowNext, -1);
    TakeFromShowList(30);
    EXPECT_EQ(c.ShowLinks[29].ShowNext, 31);
    EXPECT_EQ(c.ShowLinks[31].ShowPrev, 29);
    EXPECT_EQ(c.ShowCount, 57);
}

TEST_F(ShowListTest, AOnePlaceShowRepeats) {
    EditionSource source = ScatteredEdition(60, 2, 7);
    source.places[23].inStandardShow = true;
    ASSERT_NO_FATAL_FAILURE(load(source));
    const int only = placeOf(23);
    BuildShowList(kShowStandard);
    ASSERT_EQ(Content().ShowCount, 1);
    Content().ShowStart = only;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(TakeFromShowList(only), only);
        EXPECT_EQ(Content().ShowCount, 1);
        EXPECT_TRUE(HasShowList());
    }
    // A one-stop tour repeats the same way.
    TourTable tour;
    tour.places[tour.count++] = 0;
    Content().Tour = tour;
    BuildShowList(kShowTour);
    EXPECT_EQ(TakeFromShowList(0), 0);
    EXPECT_EQ(Content().ShowLinks[0].ShowNext, 0);
}

TEST_F(ShowListTest, AnEmptyListIsRebuiltAndRestartsAtTheStart) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(60, 2, 8)));
    BuildShowList(kShowStandard);  // no place is flagged
    EXPECT_FALSE(HasShowList());
    Content().ShowStart = 4;
    EXPECT_EQ(TakeFromShowList(9), 4);
}

TEST_F(ShowListTest, EachKindShowsItsOwnViews) {
    EditionSource source = ScatteredEdition(50, 2, 9);
    SourcePlace& place = source.places[10];
    place.views.resize(6, place.views[0]);
    for (size_t v = 0; v < place.views.size(); ++v) {
        place.views[v].title = "View " + std::to_string(v);
        place.views[v].year = 1000;
        place.views[v].topicMaskA = 0;
        place.views[v].topicMaskB = 0;
    }
    place.views[1].topicMaskB = 0x20;  // standard show
    place.views[4].topicMaskB = 0x21;
    place.views[2].topicMaskA = 0x40;  // coast show
    place.views[5].topicMaskA = 0x41;
    place.views[3].year = 900;
    place.views[5].year = 900;
    ASSERT_NO_FATAL_FAILURE(load(source));
    const int p = placeOf(10);
    const int first = Content().place(p).FirstView;
    auto views = [&](int kind) {
        Content().ShowKind = kind;
        std::vector<int> out;
        for (int v = NextShowView(p, -1); v != -1; v = NextShowView(p, v)) out.push_back(v - first);
        return out;
    };
    EXPECT_EQ(views(kShowStandard), (std::vector<int>{1, 4}));
    EXPECT_EQ(views(kShowTour), (std::vector<int>{2, 5}));
    EXPECT_EQ(views(kShowAll), (std::vector<int>{0}));
    ASSERT_GT(SelectYears(800, 950), 0);
    EXPECT_EQ(views(kShowFoundSet), (std::vector<int>{3, 5}));
    EXPECT_EQ(views(kShowNone), std::vector<int>{});
    EXPECT_EQ(views(7), std::vector<int>{});
    // The last view of a place ends its views; the next place's views are never reached.
    Content().ShowKind = kShowAll;
    EXPECT_EQ(NextShowView(p, first + 5), -1);
    EXPECT_EQ(NextShowView(-1, -1), -1);
}

}  // namespace
