// Where the detailed map scrolls to show a place: the margin, a quarter of the view, centring,
// rounding to 16 and the map's edges. The view is 737 x 436 (margin 54, quarters 184 and 109)
// at scroll position (1024, 2048) unless a row says otherwise.
#include <gtest/gtest.h>

#include <QRect>
#include <random>

#include "screens/map/mapscroll.h"

namespace {

const QSize kClient(737, 436);
const QSize kMap(3072, 4864);
const QPoint kAt(1024, 2048);

struct Case {
    const char* what;
    QPoint place;
    std::optional<QPoint> expected;
};

TEST(MapScroll, DecisionsAtTheMarginsAndBeyond) {
    const Case cases[] = {
        {"inside the margin, top left", {1078, 2102}, std::nullopt},
        {"inside the margin, bottom right", {1706, 2429}, std::nullopt},
        {"one left of the margin: a quarter left", {1077, 2200}, QPoint(848, 2048)},
        {"184 left of the margin: still a quarter", {894, 2200}, QPoint(848, 2048)},
        {"185 left of the margin: centred", {893, 2200}, QPoint(528, 1984)},
        {"on the right margin: a quarter right", {1707, 2200}, QPoint(1216, 2048)},
        {"184 right: still a quarter", {1890, 2200}, QPoint(1216, 2048)},
        {"185 right: centred", {1891, 2200}, QPoint(1520, 1984)},
        {"one above the margin: a quarter up", {1300, 2101}, QPoint(1024, 1936)},
        {"110 above the margin: centred", {1300, 1992}, QPoint(928, 1776)},
        {"on the bottom margin: a quarter down", {1300, 2430}, QPoint(1024, 2160)},
        {"109 below: still a quarter", {1300, 2538}, QPoint(1024, 2160)},
        {"outside two edges: centred", {1077, 2101}, QPoint(704, 1888)},
        {"right and below: centred", {1707, 2430}, QPoint(1344, 2208)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideMapScroll(c.place, kAt, kClient, kMap), c.expected) << c.what;
    }
}

TEST(MapScroll, CentringIsClampedToTheMap) {
    // Top left corner: never a negative position.
    EXPECT_EQ(DecideMapScroll({10, 50}, kAt, kClient, kMap), QPoint(0, 0));
    // Bottom right corner: the view ends at the map's edge, even off the 16 grid.
    EXPECT_EQ(DecideMapScroll({3070, 4860}, kAt, kClient, kMap), QPoint(3072 - 737, 4864 - 436));
    // A quarter step left from near the left edge stops at 0.
    EXPECT_EQ(DecideMapScroll({100, 300}, QPoint(80, 160), kClient, kMap), QPoint(0, 160));
    // A map smaller than the view stays at 0.
    EXPECT_EQ(DecideMapScroll({720, 420}, QPoint(0, 0), kClient, QSize(500, 300)), QPoint(0, 0));
}

TEST(MapScroll, PositionsAreMultiplesOf16AwayFromTheEdges) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> xs(0, kMap.width() - 1);
    std::uniform_int_distribution<int> ys(0, kMap.height() - 1);
    const int maxH = kMap.width() - kClient.width();
    const int maxV = kMap.height() - kClient.height();
    int moves = 0;
    for (int i = 0; i < 2000; ++i) {
        const QPoint from((xs(random) & ~15) % (maxH & ~15), (ys(random) & ~15) % (maxV & ~15));
        const QPoint place(xs(random), ys(random));
        const std::optional<QPoint> to = DecideMapScroll(place, from, kClient, kMap);
        if (!to) continue;
        ++moves;
        EXPECT_TRUE(to->x() % 16 == 0 || to->x() == maxH) << to->x();
        EXPECT_TRUE(to->y() % 16 == 0 || to->y() == maxV) << to->y();
        EXPECT_GE(to->x(), 0);
        EXPECT_GE(to->y(), 0);
        EXPECT_LE(to->x(), maxH);
        EXPECT_LE(to->y(), maxV);
        // The place is in view afterwards.
        EXPECT_TRUE(QRect(*to, kClient).contains(place)) << place.x() << "," << place.y();
    }
    EXPECT_GT(moves, 1000);
}

}  // namespace
