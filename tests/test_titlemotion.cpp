// The title sequence's arithmetic: the zoom's inner edges and the sliding lines.
#include <gtest/gtest.h>

#include "screens/title/titlemotion.h"

namespace {

TEST(TitleMotion, ZoomGrowsFromTheTitleWindowToTheScreen) {
    // The title window at 800 x 600: 362 x 201 at (219, 140).
    const Edges title{219, 140, 581, 341};
    const ZoomGaps gaps = GapsOf(title, 600);
    EXPECT_EQ(gaps.left, 219);
    EXPECT_EQ(gaps.top, 140);
    EXPECT_EQ(gaps.bottom, 259);
    EXPECT_EQ(ZoomRect(80, gaps, 800, 600), title);
    EXPECT_EQ(ZoomRect(40, gaps, 800, 600), (Edges{109, 70, 691, 471}));
    EXPECT_EQ(ZoomRect(1, gaps, 800, 600), (Edges{2, 1, 798, 597}));
    EXPECT_EQ(ZoomRect(0, gaps, 800, 600), (Edges{0, 0, 800, 600}));
}

TEST(TitleMotion, LinesSlideInAndStopCentred) {
    EXPECT_EQ(ScrollTickMs(800), 19);
    EXPECT_EQ(ScrollTickMs(801), 13);
    EXPECT_EQ(ScrollTickMs(1024), 13);
    for (int box : {800, 1024, 1440}) {
        for (int text : {300, 301, 302, 303, 517}) {
            const int ticks = ScrollTicks(text, box);
            EXPECT_EQ(ticks, (text + box) / 4);
            EXPECT_EQ(ScrollLeft(box, 0), box);  // starts just outside, on the right
            const int centred = (box - text) / 2;
            EXPECT_LE(std::abs(ScrollLeft(box, ticks) - centred), 2) << box << " " << text;
        }
    }
}

}  // namespace
