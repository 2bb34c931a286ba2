// The rules behind the Timeline and Tour pages: the periods the strip's positions choose and
// how the arrow keys move between tour panels.
#include <gtest/gtest.h>

#include "screens/home/timelineperiods.h"
#include "screens/home/tourtopics.h"

namespace {

struct ShownPeriod {
    std::string from;
    std::string to;
};

ShownPeriod shownAt(int position) {
    const Period p = PeriodOf(PeriodIndexAt(position));
    return {YearText(p.from), YearText(p.to)};
}

TEST(TimelinePeriods, TheStripsEndsAndItsFirstQuarterStep) {
    EXPECT_EQ(shownAt(0).from, "---");
    EXPECT_EQ(shownAt(0).to, "55 BC");
    EXPECT_EQ(PeriodOf(0).to, -55);
    EXPECT_EQ(shownAt(1800).from, "1902");
    EXPECT_EQ(shownAt(1800).to, "2000");
    // One quarter on: a quarter of each neighbouring era.
    EXPECT_EQ(PeriodOf(PeriodIndexAt(50)).from, -4000 + 3945 / 4);
    EXPECT_EQ(shownAt(50).from, "3014 BC");
    EXPECT_EQ(shownAt(50).to, "61");
}

TEST(TimelinePeriods, EachEraIsExactlyItsPeriodWhenCentred) {
    for (int position = 175; position <= 224; ++position) {
        EXPECT_EQ(PeriodIndexAt(position), 4) << position;
        EXPECT_EQ(shownAt(position).from, "55 BC");
        EXPECT_EQ(shownAt(position).to, "410");
    }
    EXPECT_EQ(PeriodIndexAt(174), 3);
    EXPECT_EQ(PeriodIndexAt(225), 5);
    for (int era = 1; era < kEraCount; ++era) {
        const Period p = PeriodOf(PeriodIndexAt(era * kEraWidth));
        EXPECT_EQ(p.from, kPeriodBounds[era]) << era;
        EXPECT_EQ(p.to, kPeriodBounds[era + 1]) << era;
    }
}

TEST(TourKeys, TheEdgesOfTheGridStopTheChoice) {
    for (int i = 4; i < kTourCount; i += kTourColumns)
        EXPECT_EQ(TourKeyTarget(TourKey::Right, i), -1) << i;
    for (int i = 29; i < kTourCount; ++i) EXPECT_EQ(TourKeyTarget(TourKey::Down, i), -1) << i;
    for (int i = 0; i < kTourCount; i += kTourColumns)
        EXPECT_EQ(TourKeyTarget(TourKey::Left, i), -1) << i;
    for (int i = 0; i < kTourColumns; ++i) EXPECT_EQ(TourKeyTarget(TourKey::Up, i), -1) << i;
    EXPECT_EQ(TourKeyTarget(TourKey::Right, 33), -1);
    EXPECT_EQ(TourKeyTarget(TourKey::Down, 28), 33);
    EXPECT_EQ(TourKeyTarget(TourKey::Up, 33), 28);
    EXPECT_EQ(TourKeyTarget(TourKey::Left, 7), 6);
    EXPECT_EQ(TourKeyTarget(TourKey::Enter, 12), 12);
}

TEST(TourKeys, WithNothingChosenOnlyRightMoves) {
    EXPECT_EQ(TourKeyTarget(TourKey::Right, -1), 0);
    for (TourKey key : {TourKey::Enter, TourKey::Left, TourKey::Up, TourKey::Down})
        EXPECT_EQ(TourKeyTarget(key, -1), -1);
}

TEST(TourTopicsTable, OnlyTheCoastAndTheFiveGreyToursStandOut) {
    int disabled = 0;
    for (const TourTopic& t : kTourTopics) {
        disabled += t.enabled() ? 0 : 1;
        EXPECT_NE(t.maskA | t.maskB, 0u) << t.line1;
    }
    EXPECT_EQ(disabled, 5);
    EXPECT_STREQ(kTourTopics[kCoastTour].line1, "Coast");
    EXPECT_EQ(kTourTopics[kCoastTour].maskA, 0x40u);
}

}  // namespace
