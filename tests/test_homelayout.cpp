// The control screen's layout figures at the two design sizes.
#include <gtest/gtest.h>

#include "screens/home/homelayout.h"
#include "screens/home/pagelayouts.h"
#include "screens/home/searchlayout.h"

namespace {

TEST(HomeLayout, At800x600) {
    const HomeLayout l = ArrangeHomeLayout(800, 600);
    EXPECT_EQ(l.miniMap, QRect(356, 0, 384, 600));
    EXPECT_STREQ(l.miniMapFile, "mimimi.bmp");
    EXPECT_EQ(l.prodTitle.width(), 356);
    EXPECT_EQ(l.prodTitleFontHeight, -25);
    EXPECT_EQ(l.closeBtn.left(), 740);
    EXPECT_EQ(l.closeBtn.width(), 60);
    EXPECT_EQ(l.homeTabs, QRect(12, 64, 335, 460));
    EXPECT_EQ(l.tabWidth, 66);
    EXPECT_EQ(l.sheet, QSize(327, 430));
    EXPECT_EQ(l.iconImage, QRect(12, 552, 68, 36));
    EXPECT_EQ(l.leftBBar, QRect(88, 565, 268, 35));
    EXPECT_EQ(l.rightBBar, QRect(740, 565, 60, 35));
}

TEST(HomeLayout, At1024x768) {
    const HomeLayout l = ArrangeHomeLayout(1024, 768);
    EXPECT_EQ(l.miniMap, QRect(455, 0, 491, 768));
    EXPECT_STREQ(l.miniMapFile, "mimi.bmp");
    EXPECT_EQ(l.prodTitleFontHeight, -27);
    EXPECT_EQ(l.closeBtn.left(), 946);
    EXPECT_EQ(l.homeTabs, QRect(15, 81, 425, 588));
    EXPECT_EQ(l.sheet, QSize(417, 558));
    EXPECT_EQ(l.iconImage, QRect(15, 720, 68, 36));
    EXPECT_EQ(l.leftBBar, QRect(93, 733, 362, 35));
    EXPECT_EQ(l.rightBBar, QRect(946, 733, 78, 35));
}

TEST(HomeLayout, GoToPageFollowsItsMeasures) {
    const GoToMeasures m{QSize(150, 16), QSize(180, 18), QSize(60, 25), QSize(170, 16)};
    const GoToLayout small = ArrangeGoToPage(800, 600, QSize(327, 430), m);
    EXPECT_EQ(small.startImage, QRect(14, 14, 34, 75));
    EXPECT_EQ(small.label1.topLeft(), QPoint(76, 15));
    EXPECT_EQ(small.markCheckBox.topLeft(), QPoint(90, 45));
    EXPECT_EQ(small.goButton, QRect(253, 391, 60, 25));
    EXPECT_EQ(small.goToCombo, QRect(14, 128, 299, 260));
    EXPECT_EQ(small.label2.topLeft(), QPoint(14, 105));

    const GoToLayout large = ArrangeGoToPage(1024, 768, QSize(417, 558), m);
    EXPECT_EQ(large.startImage, QRect(17, 17, 34, 75));
    EXPECT_EQ(large.goButton, QRect(340, 516, 60, 25));
    EXPECT_EQ(large.goToCombo, QRect(17, 180, 383, 332));
    EXPECT_EQ(large.label2.top(), 180 - 8 - 16);
}

TEST(HomeLayout, SlideshowPageSharesOutItsSpareHeight) {
    const ShowPageMeasures m{QSize(90, 16), QSize(302, 282), QSize(302, 90), QSize(200, 16)};
    const ShowPageLayout small = ArrangeShowPage(600, QSize(327, 430), m);
    EXPECT_EQ(small.label8, QRect(12, 6, 90, 16));
    EXPECT_EQ(small.showPanel, QRect(12, 28, 302, 282));
    EXPECT_EQ(small.optionBox, QRect(12, 312, 302, 90));
    EXPECT_EQ(small.label9, QRect(12, 408, 200, 16));

    // A wide page keeps the panels 80 pixels from its left.
    const ShowPageLayout large = ArrangeShowPage(768, QSize(517, 558), m);
    EXPECT_EQ(large.showPanel, QRect(80, 88, 302, 282));
    EXPECT_EQ(large.optionBox.top(), 88 + 282 + 38 - 28);
    EXPECT_EQ(large.label9.top(), 558 - 36 - 16);
}

TEST(HomeLayout, MiniMapConversions) {
    // The mini map spans the map's 3072 columns.
    EXPECT_EQ(MapToMiniMap(3072, 4840, 800, 600), QPoint(384, 600));
    EXPECT_EQ(MapToMiniMap(2400, 3900, 1024, 768), QPoint(384, 617));
    EXPECT_EQ(MiniMapToMap(384, 617, 1024, 768), QPoint(2400, 3896));
    EXPECT_EQ(MiniMapToMap(0, 0, 800, 600), QPoint(0, 40));
}

const SearchMeasures kSearchMeasures{
    QSize(180, 16), QSize(120, 16), QSize(75, 25), QSize(80, 25), 21, QSize(20, 16), QSize(28, 16),
    QSize(150, 18), QSize(120, 18), QSize(90, 18), QSize(200, 18)};

TEST(HomeLayout, SearchPageAt800x600) {
    const SearchLayout l = ArrangeSearchPage(800, 600, QSize(327, 430), kSearchMeasures);
    EXPECT_EQ(l.label3, QRect(73, 404, 180, 16));
    EXPECT_EQ(l.foundReport, QRect(73, 384, 120, 16));
    EXPECT_EQ(l.lookImage, QRect(8, 8, 97, 59));
    EXPECT_EQ(l.sTextBox, QRect(4, 75, 318, 145));
    EXPECT_EQ(l.sWhereBox, QRect(4, 240, 318, 105));
    EXPECT_EQ(l.searchButton, QRect(247, 360, 75, 25));
    EXPECT_EQ(l.clearButton, QRect(247, 47, 80, 25));
    EXPECT_EQ(l.fText[0], QRect(6, 26, 163, 21));
    EXPECT_EQ(l.fText[1], QRect(200, 26, 112, 21));
    EXPECT_EQ(l.fText[2], QRect(6, 79, 163, 21));
    EXPECT_EQ(l.fText[3], QRect(200, 79, 112, 21));
    EXPECT_EQ(l.or1.topLeft(), QPoint(172, 26));
    EXPECT_EQ(l.or2.topLeft(), QPoint(172, 79));
    EXPECT_EQ(l.and1.topLeft(), QPoint(141, 53));
    EXPECT_EQ(l.caseCheckBox.topLeft(), QPoint(84, 119));
    EXPECT_EQ(l.allTextButton.topLeft(), QPoint(24, 35));
    EXPECT_EQ(l.titleOnlyButton.topLeft(), QPoint(200, 35));
    EXPECT_EQ(l.fSetCheckBox.topLeft(), QPoint(59, 70));
}

TEST(HomeLayout, SearchPageAt1024x768) {
    const SearchLayout l = ArrangeSearchPage(1024, 768, QSize(417, 558), kSearchMeasures);
    EXPECT_EQ(l.label3.topLeft(), QPoint(118, 530));
    EXPECT_EQ(l.foundReport.topLeft(), QPoint(118, 508));
    EXPECT_EQ(l.lookImage, QRect(10, 10, 97, 59));
    EXPECT_EQ(l.sTextBox, QRect(5, 79, 406, 185));
    EXPECT_EQ(l.sWhereBox, QRect(5, 288, 406, 119));
    EXPECT_EQ(l.searchButton.topLeft(), QPoint(336, 426));
    EXPECT_EQ(l.clearButton.topLeft(), QPoint(336, 47));
    EXPECT_EQ(l.fText[0], QRect(7, 46, 208, 21));
    EXPECT_EQ(l.fText[3], QRect(246, 99, 153, 21));
    EXPECT_EQ(l.caseCheckBox.topLeft(), QPoint(128, 152));
    EXPECT_EQ(l.allTextButton.topLeft(), QPoint(68, 42));
    EXPECT_EQ(l.fSetCheckBox.topLeft(), QPoint(103, 80));
}

TEST(HomeLayout, TourPage) {
    const TourLayout small =
        ArrangeTourPage(800, 600, QSize(327, 430), QSize(90, 16), QSize(170, 16));
    EXPECT_EQ(small.label6.topLeft(), QPoint(24, 6));
    EXPECT_EQ(small.label7.topLeft(), QPoint(24, 408));
    EXPECT_EQ(small.tourBox, QRect(2, 28, 323, 374));
    const TourLayout large =
        ArrangeTourPage(1024, 768, QSize(417, 558), QSize(90, 16), QSize(170, 16));
    EXPECT_EQ(large.label6.topLeft(), QPoint(30, 7));
    EXPECT_EQ(large.tourBox, QRect(2, 30, 413, 498));
}

TEST(HomeLayout, TimelinePageCentresTheStrip) {
    const TimelineMeasures m{QSize(120, 16), QSize(170, 16), 281, 60, 17};
    const TimelineLayout small = ArrangeTimelinePage(800, QSize(327, 430), m);
    EXPECT_EQ(small.label4.topLeft(), QPoint(24, 15));
    EXPECT_EQ(small.label5.topLeft(), QPoint(24, 399));
    EXPECT_EQ(small.timeScrollBox, QRect(2, 46, 323, 249));
    EXPECT_EQ(small.eraOffset, 61);
    EXPECT_EQ(small.stripWidth, 2123);
    EXPECT_EQ(small.fromToPanel, QRect(2, 295, 323, 60));
    EXPECT_EQ(small.timeScrollBar, QRect(2, 367, 323, 17));
    const TimelineLayout large = ArrangeTimelinePage(1024, QSize(417, 558), m);
    EXPECT_EQ(large.label4.topLeft(), QPoint(30, 47));
    EXPECT_EQ(large.label5.top(), 495);
    EXPECT_EQ(large.eraOffset, 106);
    EXPECT_EQ(large.fromToPanel.top(), 359);
    EXPECT_EQ(large.timeScrollBar.top(), 431);
}

}  // namespace
