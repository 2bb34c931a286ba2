// Nearest place to a map point: of all places, of the found set, of the show list. Random
// editions crowded with ties are checked against the brute-force oracle; ties and radii on top.
#include <gtest/gtest.h>

#include <climits>

#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/showlist.h"
#include "tests/support/queryfixture.h"
#include "tests/support/queryoracle.h"

namespace {

class NearestPlaceTest : public QueryTest {};

// The first member in place order at the smallest distance below the map diagonal.
int firstNearestMember(int x, int y, const std::vector<bool>& members) {
    const SquaredDistance best = OracleNearestMemberDistance(x, y, members);
    for (int p = 0; p < Content().PlaceCount; ++p) {
        if (members[static_cast<size_t>(p)] && DistanceToPlace(p, x, y) == best) return p;
    }
    return -1;
}

// The nearest place and every radius against the oracle, over the loaded edition.
void expectNearestMatchesTheOracle(uint32_t seed) {
    for (const MapPoint& pt : QueryPoints(3000, seed)) {
        const SquaredDistance best = OracleNearestDistance(pt.x, pt.y);
        const int p = NearestPlace(pt.x, pt.y, kAnyDistance);
        ASSERT_NE(p, -1);
        ASSERT_EQ(DistanceToPlace(p, pt.x, pt.y), best)
            << "seed " << seed << " point " << pt.x << "," << pt.y;
        for (int radius : {0, 1, 20, 28, 29, 150}) {
            const int r = NearestPlace(pt.x, pt.y, radius);
            if (Squared(radius) >= best) {
                ASSERT_NE(r, -1);
                ASSERT_EQ(DistanceToPlace(r, pt.x, pt.y), best);
            } else {
                ASSERT_EQ(r, -1) << "radius " << radius << " point " << pt.x << "," << pt.y;
            }
        }
    }
}

TEST_F(NearestPlaceTest, RandomEditionsMatchTheOracle) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(300 + 60 * static_cast<int>(seed), 1, seed)));
        ASSERT_NO_FATAL_FAILURE(expectNearestMatchesTheOracle(seed));
        ReleaseContent();
    }
}

// The loader takes any place as a row's start, not only the one mkedition picks.
TEST_F(NearestPlaceTest, AnyRowIndexStartsMatchTheOracle) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(300 + 60 * static_cast<int>(seed), 1, seed)));
        RandomRowIndexStarts(seed);
        ASSERT_NO_FATAL_FAILURE(expectNearestMatchesTheOracle(seed));
        ReleaseContent();
    }
}

TEST_F(NearestPlaceTest, RowsOutsideTheRowIndexAreClamped) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(200, 1, 8)));
    const int rows = Content().RowCount;
    for (int y : {INT_MIN / 2, -100000, -1, 0, 39, rows - 1, rows, rows + 1, 100000, INT_MAX / 2}) {
        for (int x : {-5000, 0, 1500, 3071, 9000}) {
            const int p = NearestPlace(x, y, kAnyDistance);
            ASSERT_NE(p, -1);
            EXPECT_EQ(DistanceToPlace(p, x, y), OracleNearestDistance(x, y)) << x << "," << y;
        }
    }
}

TEST_F(NearestPlaceTest, RadiusZeroFindsOnlyAPlaceUnderThePoint) {
    ASSERT_NO_FATAL_FAILURE(load(PlacesAt({{1000, 2000}, {1300, 2000}})));
    EXPECT_EQ(NearestPlace(1000, 2000, 0), placeOf(0));
    EXPECT_EQ(NearestPlace(1001, 2000, 0), -1);
    EXPECT_EQ(NearestPlace(1000, 1999, 0), -1);
    EXPECT_EQ(NearestPlace(1001, 2000, 1), placeOf(0));
    // The radius test accepts a distance equal to the radius: 3-4-5.
    EXPECT_EQ(NearestPlace(1003, 2004, 5), placeOf(0));
    EXPECT_EQ(NearestPlace(1003, 2004, 4), -1);
}

TEST_F(NearestPlaceTest, EquallyNearPlacesGoToTheFirstMetInTheScan) {
    // The point (1000, 2000) is 100 from four places. RowIndex[2000] names the place at
    // (900, 2000), the first of the row; the scan starts there, and nothing strictly nearer
    // follows, so it stays the result.
    ASSERT_NO_FATAL_FAILURE(
        load(PlacesAt({{1000, 1900}, {900, 2000}, {1100, 2000}, {1000, 2100}})));
    ASSERT_EQ(Content().RowIndex[2000], placeOf(1));
    EXPECT_EQ(NearestPlace(1000, 2000, kAnyDistance), placeOf(1));
    // Between two rows the nearer row starts the scan; at equal row distances the northern one
    // (RowIndex rule of mkedition): (1000, 1950) is 50 from (1000, 1900) and 111.8 from the rest.
    EXPECT_EQ(NearestPlace(1000, 1950, kAnyDistance), placeOf(0));
    // (1000, 2050): the scan starts at (1100, 2000), 111.8 away; the southward scan reaches
    // (1000, 2100), 50 away, and takes it.
    EXPECT_EQ(NearestPlace(1000, 2050, kAnyDistance), placeOf(3));
}

TEST_F(NearestPlaceTest, FoundSetNearestIsTheFirstNearestMember) {
    for (uint32_t seed = 11; seed <= 13; ++seed) {
        ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(300, 2, seed)));
        for (auto [first, last] :
             {std::pair{1500, 1600}, std::pair{1700, 1720}, std::pair{0, 3000}}) {
            const std::vector<bool> members = MembersByYears(first, last);
            ASSERT_GE(SelectYears(first, last), 1);
            for (const MapPoint& pt : QueryPoints(800, seed + static_cast<uint32_t>(first))) {
                const int expected = firstNearestMember(pt.x, pt.y, members);
                ASSERT_EQ(NearestFoundPlace(pt.x, pt.y, kAnyDistance), expected);
                const SquaredDistance best = OracleNearestMemberDistance(pt.x, pt.y, members);
                for (int radius : {0, 25, 150}) {
                    ASSERT_EQ(NearestFoundPlace(pt.x, pt.y, radius),
                              Squared(radius) >= best ? expected : -1);
                }
            }
        }
        ReleaseContent();
    }
}

TEST_F(NearestPlaceTest, EmptyFoundSetAndEmptyShowListFindNothing) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(100, 1, 3)));
    EXPECT_EQ(NearestFoundPlace(1000, 2000, kAnyDistance), -1);
    EXPECT_EQ(NearestShowPlace(1000, 2000), -1);
    ASSERT_EQ(SelectYears(-5000, -4000), 0);
    EXPECT_EQ(NearestFoundPlace(1000, 2000, kAnyDistance), -1);
    BuildShowList(kShowFoundSet);
    EXPECT_EQ(NearestShowPlace(1000, 2000), -1);
}

TEST_F(NearestPlaceTest, ShowListNearestIsTheFirstNearestOnTheList) {
    EditionSource source = ScatteredEdition(300, 1, 21);
    for (size_t i = 0; i < source.places.size(); i += 3) source.places[i].inStandardShow = true;
    ASSERT_NO_FATAL_FAILURE(load(source));
    ASSERT_GT(SelectYears(1600, 1800), 0);
    for (int kind : {kShowStandard, kShowAll, kShowFoundSet}) {
        BuildShowList(kind);
        std::vector<bool> onList(static_cast<size_t>(Content().PlaceCount), false);
        for (int p = Content().ShowHead; p != -1; p = Content().ShowLinks[p].ShowNext)
            onList[static_cast<size_t>(p)] = true;
        for (const MapPoint& pt : QueryPoints(600, 40 + static_cast<uint32_t>(kind)))
            ASSERT_EQ(NearestShowPlace(pt.x, pt.y), firstNearestMember(pt.x, pt.y, onList));
    }
}

TEST_F(NearestPlaceTest, TourShowListNearestStopsAfterTheTail) {
    ASSERT_NO_FATAL_FAILURE(load(PlacesAt({{1000, 100}, {1500, 2000}, {1000, 2000}, {500, 2000}})));
    TourTable tour;
    for (int s : {0, 1, 2, 3}) tour.places[tour.count++] = static_cast<int16_t>(placeOf(s));
    Content().Tour = tour;
    BuildShowList(kShowTour);
    EXPECT_EQ(NearestShowPlace(990, 1990), placeOf(2));
    EXPECT_EQ(NearestShowPlace(0, 0), placeOf(0));
}

}  // namespace
