// Compass neighbours and tour steps. Random editions crowded with ties and exact diagonals are
// checked against the brute-force oracle, in all places and within found sets (also while the
// tour order is active); tie and diagonal cases on top.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "content/compass.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "tests/support/queryfixture.h"
#include "tests/support/queryoracle.h"

namespace {

constexpr Compass kDirections[] = {Compass::North, Compass::South, Compass::West, Compass::East};

const char* nameOf(Compass d) {
    switch (d) {
        case Compass::North:
            return "North";
        case Compass::South:
            return "South";
        case Compass::West:
            return "West";
        case Compass::East:
            return "East";
    }
    return "?";
}

int step(Compass d, int place, bool withinFoundSet) {
    switch (d) {
        case Compass::North:
            return PlaceToNorth(place, withinFoundSet);
        case Compass::South:
            return PlaceToSouth(place, withinFoundSet);
        case Compass::West:
            return PlaceToWest(place, withinFoundSet);
        case Compass::East:
            return PlaceToEast(place, withinFoundSet);
    }
    return -1;
}

uint8_t neighbourBit(Compass d) {
    switch (d) {
        case Compass::North:
            return kPlaceHasNorth;
        case Compass::South:
            return kPlaceHasSouth;
        case Compass::West:
            return kPlaceHasWest;
        case Compass::East:
            return kPlaceHasEast;
    }
    return 0;
}

// Every place, every direction: -1 exactly when the oracle finds nothing, else a place in the
// scan domain and the cone (and the set) at the oracle's distance.
void expectOracleAgrees(const std::vector<bool>* members) {
    const ContentStore& c = Content();
    for (int p = 0; p < c.PlaceCount; ++p) {
        for (Compass d : kDirections) {
            const SquaredDistance best = OracleCompassDistance(d, p, members);
            const int r = step(d, p, members != nullptr);
            SCOPED_TRACE(testing::Message() << nameOf(d) << " of place " << p << " at "
                                            << c.place(p).x << "," << c.place(p).y);
            if (best == -1) {
                ASSERT_EQ(r, -1);
                continue;
            }
            ASSERT_NE(r, -1);
            ASSERT_TRUE(InScanDomain(d, p, r));
            ASSERT_TRUE(InCone(d, p, r));
            if (members) {
                ASSERT_TRUE((*members)[static_cast<size_t>(r)]);
            }
            ASSERT_EQ(DistanceBetween(p, r), best);
        }
    }
}

class CompassTest : public QueryTest {};

TEST_F(CompassTest, RandomEditionsMatchTheOracle) {
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(250 + 50 * static_cast<int>(seed), 1, seed)));
        expectOracleAgrees(nullptr);
        // The neighbour bits mkedition prepares agree with the queries.
        for (int p = 0; p < Content().PlaceCount; ++p) {
            for (Compass d : kDirections) {
                EXPECT_EQ((Content().place(p).PlaceFlags2 & neighbourBit(d)) != 0,
                          step(d, p, false) != -1);
            }
        }
        ReleaseContent();
    }
}

TEST_F(CompassTest, WithinFoundSetsMatchTheOracle) {
    for (uint32_t seed = 6; seed <= 8; ++seed) {
        ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(300, 2, seed)));
        for (auto [first, last] :
             {std::pair{1500, 1650}, std::pair{1800, 1830}, std::pair{0, 3000}}) {
            SCOPED_TRACE(testing::Message() << "years " << first << " to " << last);
            const std::vector<bool> members = MembersByYears(first, last);
            ASSERT_GT(SelectYears(first, last), 0);
            expectOracleAgrees(&members);
        }
        ReleaseContent();
    }
}

// A coast topic on some places and a tour through some of them in random order.
TEST_F(CompassTest, WestAndEastWithinTheSetEndAndKeepTheConeWhileTheTourIsActive) {
    for (uint32_t seed = 9; seed <= 11; ++seed) {
        EditionSource source = ScatteredEdition(300, 1, seed);
        std::mt19937 random(seed);
        for (SourcePlace& place : source.places) {
            if (random() % 3 == 0) place.views[0].topicMaskA = 0x40;
        }
        ASSERT_NO_FATAL_FAILURE(load(source));
        const std::vector<bool> members = MembersByTopics(0x40, 0);
        std::vector<int16_t> stops;
        for (int p = 0; p < Content().PlaceCount; ++p) {
            if (members[static_cast<size_t>(p)] && random() % 4 != 0)
                stops.push_back(static_cast<int16_t>(p));
        }
        std::shuffle(stops.begin(), stops.end(), random);
        ASSERT_LE(stops.size(), static_cast<size_t>(kTourCapacity));
        TourTable tour;
        for (int16_t s : stops) tour.places[tour.count++] = s;
        Content().Tour = tour;
        ASSERT_GT(SelectTopics(0x40, 0), 0);
        ApplyTourOrder();
        ASSERT_TRUE(Content().TourOrderActive);
        EXPECT_TRUE(host.errors.empty());
        expectOracleAgrees(&members);
        expectOracleAgrees(nullptr);
        ReleaseContent();
    }
}

TEST_F(CompassTest, EquallyNearCandidatesGoToTheFirstMetInScanOrder) {
    // P in the middle, four places on its diagonals, all 141.4 away. Place order (by y, then x):
    // A, B, P, C, D; east-west order (by x, then y): A, C, P, B, D.
    ASSERT_NO_FATAL_FAILURE(load(PlacesAt({{1000, 2000},      // P
                                           {900, 1900},       // A
                                           {1100, 1900},      // B
                                           {900, 2100},       // C
                                           {1100, 2100}})));  // D
    ASSERT_FALSE(HasFatalFailure());
    const int p = placeOf(0);
    const int b = placeOf(2), c = placeOf(3);
    EXPECT_EQ(PlaceToNorth(p, false), b);  // the northward scan meets B before A
    EXPECT_EQ(PlaceToSouth(p, false), c);  // the southward scan meets C before D
    EXPECT_EQ(PlaceToWest(p, false), c);   // the westward scan meets C before A
    EXPECT_EQ(PlaceToEast(p, false), b);   // the eastward scan meets B before D
}

TEST_F(CompassTest, ADiagonalPlaceBelongsToBothCones) {
    ASSERT_NO_FATAL_FAILURE(load(PlacesAt({{1000, 2000}, {1100, 1900}, {1600, 1400}})));
    const int p = placeOf(0), q = placeOf(1), r = placeOf(2);
    EXPECT_EQ(PlaceToNorth(p, false), q);
    EXPECT_EQ(PlaceToEast(p, false), q);
    EXPECT_EQ(PlaceToSouth(q, false), p);
    EXPECT_EQ(PlaceToWest(q, false), p);
    // R is 45 degrees off Q but farther than the first step: Q's North and East find it.
    EXPECT_EQ(PlaceToNorth(q, false), r);
    EXPECT_EQ(PlaceToEast(q, false), r);
    // Just off the diagonal, a place belongs to one cone only.
    ReleaseContent();
    ASSERT_NO_FATAL_FAILURE(load(PlacesAt({{1000, 2000}, {1101, 1900}})));
    const int p2 = placeOf(0), q2 = placeOf(1);
    EXPECT_EQ(PlaceToEast(p2, false), q2);
    EXPECT_NE(PlaceToNorth(p2, false), q2);
}

TEST_F(CompassTest, ANearerPlaceOutsideTheConeDoesNotCount) {
    // Northwards: X is nearer but outside the cone; the scan passes it and finds N.
    ASSERT_NO_FATAL_FAILURE(load(PlacesAt({{1000, 2000}, {1050, 1990}, {1000, 1800}})));
    EXPECT_EQ(PlaceToNorth(placeOf(0), false), placeOf(2));
    EXPECT_EQ(PlaceToEast(placeOf(0), false), placeOf(1));
}

TEST_F(CompassTest, PlacesOnTopOfEachOtherAreEachOthersNeighbours) {
    ASSERT_NO_FATAL_FAILURE(load(PlacesAt({{1000, 2000}, {1000, 2000}, {1200, 2000}})));
    const int first = std::min(placeOf(0), placeOf(1));
    const int second = std::max(placeOf(0), placeOf(1));
    EXPECT_EQ(PlaceToSouth(first, false), second);
    EXPECT_EQ(PlaceToNorth(second, false), first);
    EXPECT_EQ(PlaceToEast(first, false), second);
    EXPECT_EQ(PlaceToWest(second, false), first);
}

TEST_F(CompassTest, PlacesOutsideTheTableHaveNoNeighbours) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(60, 2, 2)));
    for (Compass d : kDirections) {
        EXPECT_EQ(step(d, -1, false), -1);
        EXPECT_EQ(step(d, Content().PlaceCount, true), -1);
    }
    EXPECT_EQ(NextTourPlace(-1), -1);
}

TEST_F(CompassTest, TourStepsFollowTheRingAndFallBackToTheNearestMember) {
    EditionSource source =
        PlacesAt({{1000, 100}, {2000, 1000}, {1000, 3000}, {100, 1000}, {1100, 900}});
    for (int s = 0; s < 4; ++s) source.places[static_cast<size_t>(s)].views[0].topicMaskA = 0x40;
    ASSERT_NO_FATAL_FAILURE(load(source));
    TourTable tour;
    for (int s = 0; s < 4; ++s) tour.places[tour.count++] = static_cast<int16_t>(placeOf(s));
    Content().Tour = tour;
    ASSERT_EQ(SelectTopics(0x40, 0), 4);
    const int stop0 = placeOf(0), stop1 = placeOf(1), stop3 = placeOf(3);
    EXPECT_EQ(NextTourPlace(stop0), -1);  // not yet in tour order
    ApplyTourOrder();
    EXPECT_TRUE(host.errors.empty());
    int place = stop0;
    for (int s = 1; s <= 4; ++s) {
        place = NextTourPlace(place);
        EXPECT_EQ(place, placeOf(s % 4));
    }
    EXPECT_EQ(PreviousTourPlace(stop0), stop3);
    EXPECT_EQ(PreviousTourPlace(stop1), stop0);
    // A place outside the set steps to the nearest member, either way round.
    const int outside = placeOf(4);
    ASSERT_FALSE(IsInFoundSet(outside));
    EXPECT_EQ(NextTourPlace(outside), NearestFoundPlace(1100, 900, kAnyDistance));
    EXPECT_EQ(PreviousTourPlace(outside), placeOf(0));
    // A new selection ends the tour order.
    ASSERT_EQ(SelectTopics(0x40, 0), 4);
    EXPECT_FALSE(Content().TourOrderActive);
    EXPECT_EQ(NextTourPlace(stop0), -1);
}

}  // namespace
