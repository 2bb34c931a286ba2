// The explore screen's layout figures at the two design sizes, and the tab column's window.
#include <gtest/gtest.h>

#include "screens/explore/explorelayout.h"
#include "screens/explore/tabwindow.h"

namespace {

TEST(ExploreLayout, At800x600) {
    const ExploreLayout l = ArrangeExploreLayout(800, 600, 12, 17);
    EXPECT_EQ(l.lanPicture, QRect(0, 0, 768, 512));
    EXPECT_EQ(l.portPicture, QRect(104, 0, 400, 600));
    EXPECT_EQ(l.titlePanel, QRect(0, 512, 104, 33));
    EXPECT_EQ(l.titleFontHeight, -13);
    EXPECT_EQ(l.closeBtn, QRect(768, 0, 32, 29));
    EXPECT_EQ(l.tabWidth, 28);
    EXPECT_EQ(l.sShowButton, QRect(761, 560, 36, 36));
    EXPECT_EQ(l.nextPButton, QRect(761, 520, 36, 36));
    EXPECT_EQ(l.iconImage, QRect(12, 554, 68, 36));
    EXPECT_EQ(l.tabHeight, 16);
    EXPECT_EQ(l.tabSlots, 24);
    EXPECT_EQ(l.picTabPanel, QRect(768, 72, 30, 440));
    EXPECT_EQ(l.mapButton, QRect(768, 35, 29, 33));
    EXPECT_EQ(l.eyeDownButton, QRect(0, 420, 29, 20));
    EXPECT_EQ(l.firstTabTop, 28);
    EXPECT_EQ(l.lanCap, QRect(106, 512, 398, 88));
    EXPECT_EQ(l.portCap, QRect(510, 72, 235, 320));
    EXPECT_EQ(l.captionFontHeight, -13);
}

TEST(ExploreLayout, StepPanelAt800x600) {
    const StepPanelLayout s = ArrangeExploreLayout(800, 600, 12, 17).steps;
    EXPECT_EQ(s.panel, QRect(506, 514, 240, 85));
    EXPECT_EQ(s.backButton, QRect(25, 20, 75, 25));
    EXPECT_EQ(s.northButton, QRect(167, 3, 25, 39));
    EXPECT_EQ(s.southButton, QRect(167, 43, 25, 39));
    EXPECT_EQ(s.eastButton, QRect(193, 30, 41, 25));
    EXPECT_EQ(s.westButton, QRect(125, 30, 41, 25));
    EXPECT_EQ(s.clockButton, QRect(195, 19, 36, 36));
    EXPECT_EQ(s.aClockButton, QRect(155, 19, 36, 36));
    EXPECT_EQ(s.withinSet.top(), 85 - 6 - 17);
}

TEST(ExploreLayout, At1024x768) {
    const ExploreLayout l = ArrangeExploreLayout(1024, 768, 15, 17);
    EXPECT_EQ(l.lanPicture, QRect(0, 0, 983, 655));
    EXPECT_EQ(l.portPicture, QRect(133, 0, 512, 768));
    EXPECT_EQ(l.titlePanel, QRect(0, 655, 133, 42));
    EXPECT_EQ(l.titleFontHeight, -16);
    EXPECT_EQ(l.tabWidth, 37);
    EXPECT_EQ(l.sShowButton, QRect(983, 728, 38, 36));
    EXPECT_EQ(l.nextPButton, QRect(983, 680, 38, 36));
    EXPECT_EQ(l.iconImage, QRect(15, 720, 68, 36));
    EXPECT_EQ(l.tabHeight, 18);
    EXPECT_EQ(l.tabSlots, 28);
    EXPECT_EQ(l.picTabPanel, QRect(983, 93, 39, 562));
    EXPECT_EQ(l.mapButton, QRect(983, 48, 38, 33));
    EXPECT_EQ(l.steps.panel, QRect(661, 671, 266, 93));
}

// The picture areas keep the photographs' proportions, so nothing is distorted.
TEST(ExploreLayout, PictureAreasKeepProportions) {
    for (const auto& [W, H] : {std::pair{800, 600}, {1024, 768}, {1440, 1080}}) {
        const ExploreLayout l = ArrangeExploreLayout(W, H, 0, 17);
        EXPECT_NEAR(double(l.lanPicture.width()) / l.lanPicture.height(), 768.0 / 512, 0.005) << W;
        EXPECT_NEAR(double(l.portPicture.width()) / l.portPicture.height(), 400.0 / 600, 0.005)
            << W;
    }
}

TEST(ExploreLayout, TallScreensGetTallerTabs) {
    EXPECT_EQ(ArrangeExploreLayout(1440, 1080, 0, 17).tabHeight, 20);
    EXPECT_EQ(TabTop(ArrangeExploreLayout(800, 600, 0, 17), 3, 2), 44);
}

TEST(TabWindow, AdjacentViewsScrollByOneOthersJump) {
    TabWindow w{1, 24, 40};
    w.keepInView(25);
    EXPECT_EQ(w.first, 2);
    w.keepInView(1);
    EXPECT_EQ(w.first, 1);
    w.keepInView(40);
    EXPECT_EQ(w.first, 17);  // 40 is the last visible tab
    w.keepInView(3);
    EXPECT_EQ(w.first, 3);  // 3 is the first visible tab
    w.keepInView(10);
    EXPECT_EQ(w.first, 3);
}

TEST(TabWindow, StepsStopAtTheEnds) {
    TabWindow w{1, 24, 25};
    w.scrollUp();
    EXPECT_EQ(w.first, 1);
    w.scrollDown();
    w.scrollDown();
    EXPECT_EQ(w.first, 2);
    EXPECT_TRUE(w.visible(25));
    EXPECT_FALSE(w.visible(1));
    w.scrollTo(26);
    EXPECT_EQ(w.first, 2);
}

TEST(TabWindow, FewViewsShowOnlyTheirTabs) {
    const TabWindow w{1, 24, 3};
    EXPECT_TRUE(w.visible(3));
    EXPECT_FALSE(w.visible(4));
    EXPECT_FALSE(w.canScrollDown());
}

}  // namespace
