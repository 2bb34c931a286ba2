// The detailed map's geometry as plain functions: its window and key, the scale bar, the tiles
// a rectangle meets.
#include <gtest/gtest.h>

#include "screens/map/maplayout.h"
#include "screens/map/maptiles.h"
#include "screens/map/milescale.h"

namespace {

TEST(MapLayout, MapWindowOverThePictureArea) {
    EXPECT_EQ(MapWindowRect(800, 600), QRect(0, 0, 768, 512));
    EXPECT_EQ(MapWindowRect(1024, 768), QRect(0, 0, 983, 655));
}

TEST(MapLayout, KeyAt800x600) {
    const MapKeyLayout key = ArrangeMapKeyLayout(800, 600);
    EXPECT_EQ(key.window, QRect(104, 512, 400, 88));
    EXPECT_EQ(key.milesTitle, QRect(0, 3, 400, 20));
    EXPECT_EQ(key.mileScale, QRect(0, 23, 400, 27));
    EXPECT_EQ(key.placename, QRect(0, 50, 400, 38));
    EXPECT_EQ(key.placenameFullHeight, 38);
    EXPECT_EQ(key.fontHeight, -13);
}

TEST(MapLayout, KeyPiecesStackBelowTheMapOnEveryScreen) {
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1440, 1080)}) {
        const int W = screen.width();
        const int H = screen.height();
        const MapKeyLayout key = ArrangeMapKeyLayout(W, H);
        EXPECT_EQ(key.window.top(), MapWindowRect(W, H).bottom() + 1) << W;
        EXPECT_EQ(key.window.bottom(), H - 1) << W;
        EXPECT_EQ(key.window.width(), W / 2) << W;
        EXPECT_EQ(key.milesTitle.top(), H * 3 / 600) << W;
        EXPECT_EQ(key.mileScale.top(), key.milesTitle.bottom() + 1) << W;
        EXPECT_EQ(key.placename.top(), key.mileScale.bottom() + 1) << W;
        EXPECT_EQ(key.placename.bottom(), key.window.height() - 1) << W;
        EXPECT_EQ(key.placename.height(), H * 38 / 600) << W;
    }
}

TEST(MapLayout, PlacenameTwoThirdsHighForOneLine) {
    EXPECT_EQ(PlacenameHeight(1, 38), 25);
    EXPECT_EQ(PlacenameHeight(2, 38), 38);
    EXPECT_EQ(PlacenameHeight(3, 48), 48);
    EXPECT_EQ(PlacenameHeight(0, 48), 32);
}

TEST(MileScale, FiveSegmentsAt800x600) {
    const MileScaleGeometry scale = ArrangeMileScale(400);
    EXPECT_EQ(scale.offset, 17);
    ASSERT_EQ(scale.segments.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(scale.segments[static_cast<size_t>(i)], QRect(17 + 73 * i, 0, 73, 9));
    ASSERT_EQ(scale.labels.size(), 6u);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(scale.labels[static_cast<size_t>(i)].text, QString::number(10 * i));
        EXPECT_EQ(scale.labels[static_cast<size_t>(i)].centreX, 17 + 73 * i);
    }
}

TEST(MileScale, CentredOnOtherWidths) {
    const MileScaleGeometry wide = ArrangeMileScale(512);  // 1024 x 768
    EXPECT_EQ(wide.segments.size(), 6u);
    EXPECT_EQ(wide.offset, 37);
    EXPECT_EQ(wide.labels.back().text, QStringLiteral("60"));
    // The bar is centred: as much room after it as before, give or take a pixel.
    EXPECT_LE(std::abs((512 - wide.segments.back().right() - 1) - wide.offset), 1);
    const MileScaleGeometry narrow = ArrangeMileScale(10);
    EXPECT_TRUE(narrow.segments.empty());
    EXPECT_EQ(narrow.labels.size(), 1u);
}

TEST(MapTiles, TilesMeetingARectangleStayOnTheGrid) {
    const TileRange first = TilesMeeting(QRect(0, 0, 752, 496));
    EXPECT_EQ(first.firstColumn, 0);
    EXPECT_EQ(first.lastColumn, 1);
    EXPECT_EQ(first.firstRow, 0);
    EXPECT_EQ(first.lastRow, 1);
    const TileRange edge = TilesMeeting(QRect(3000, 4800, 300, 300));
    EXPECT_EQ(edge.firstColumn, 5);
    EXPECT_EQ(edge.lastColumn, 5);
    EXPECT_EQ(edge.firstRow, 18);
    EXPECT_EQ(edge.lastRow, 18);
    const TileRange exact = TilesMeeting(QRect(512, 256, 512, 256));
    EXPECT_TRUE(exact.contains(1, 1));
    EXPECT_FALSE(exact.contains(2, 1));
    EXPECT_FALSE(exact.contains(1, 2));
    EXPECT_TRUE(TilesMeeting(QRect(3072, 0, 100, 100)).isEmpty());
    EXPECT_TRUE(TilesMeeting(QRect(-200, -200, 100, 100)).isEmpty());
    EXPECT_TRUE(TilesMeeting(QRect()).isEmpty());
}

}  // namespace
