// The slideshow's arithmetic without a window: its layout, the explosion's frames and trail,
// the scrolling text's runs and the product texts' cycle.
#include <gtest/gtest.h>

#include <QImage>

#include "content/showlist.h"
#include "screens/map/explosiontrail.h"
#include "screens/show/explosion.h"
#include "screens/show/producttext.h"
#include "screens/show/showlayout.h"
#include "screens/show/textscrollrun.h"

namespace {

TEST(ShowLayout, FollowsTheDesignAt800x600AndScales) {
    const ShowLayout l = ArrangeShowLayout(800, 600);
    EXPECT_EQ(l.lanPicture, QRect(0, 0, 768, 512));
    EXPECT_EQ(l.portPicture, QRect(152, 0, 360, 540));
    EXPECT_EQ(l.placenamePanel, QRect(0, 512, 768, 25));
    EXPECT_EQ(l.placenameMemo, QRect(520, 448, 218, 65));
    // The button column fills the 32 pixels beside the picture, bottom-aligned with it.
    EXPECT_EQ(l.stopButton, QRect(768, 480, 32, 32));
    EXPECT_EQ(l.goBackButton, QRect(768, 444, 32, 32));
    EXPECT_EQ(l.musicButton, QRect(768, 408, 32, 32));
    EXPECT_EQ(l.titlePanel, QRect(768, 0, 32, 398));
    EXPECT_EQ(l.logoImage, QRect(2, 333, 28, 58));
    EXPECT_EQ(l.sideTitle, QRect(2, 93, 28, 231));
    EXPECT_EQ(l.textScrollBox, QRect(0, 544, 800, 33));
    EXPECT_EQ(l.textOffsetY, -7);
    EXPECT_EQ(l.capTopLow, 540);
    EXPECT_EQ(l.capTopMid, 526);

    const ShowLayout big = ArrangeShowLayout(1024, 768);
    EXPECT_EQ(big.lanPicture, QRect(0, 0, 983, 655));
    EXPECT_EQ(big.stopButton.left(), 983 + (1024 - 983 - 32) / 2);
    EXPECT_EQ(big.capTopLow, 768 - 76);
    EXPECT_EQ(big.capTopMid, (655 + 692) / 2);
    EXPECT_EQ(big.textScrollBox.height(), 1024 * 33 / 800);
}

TEST(ExplosionFrames, GrowFromTheDotIntoThePictureArea) {
    const QRect area(152, 0, 360, 540);
    const QPoint dot(700, 100);
    const auto frames = ExplosionFrames(dot, area);
    EXPECT_TRUE(frames[0].isEmpty());
    EXPECT_EQ(frames[0].topLeft(), dot);
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_GT(frames[i].width(), frames[i - 1].width());
        // The centre travels towards the area's centre without overshooting it.
        EXPECT_LE(frames[i].center().x(), frames[i - 1].center().x());
        EXPECT_GE(frames[i].center().x(), area.center().x() - 1);
    }
    EXPECT_EQ(frames[13].width(), 360 * 13 / 14);
    EXPECT_EQ(frames[13].height(), 540 * 13 / 14);
}

TEST(ExplosionTrail, FrameRectanglesEraseAndTheTrailStays) {
    QImage canvas(200, 200, QImage::Format_RGB32);
    canvas.fill(QColor(40, 80, 120));
    const QImage blank = canvas;
    const QRect first(90, 90, 10, 10);
    const QRect second(60, 60, 60, 60);
    PaintExplosionStep(canvas, QRect(95, 95, 0, 0), first);
    EXPECT_NE(canvas, blank);
    PaintExplosionStep(canvas, first, second);
    // The first frame's rectangle is gone where no trail line crosses it.
    EXPECT_EQ(canvas.pixel(first.left() + 4, first.top()),
              blank.pixel(first.left() + 4, first.top()));
    // A trail line from corner to corner stays: the midpoint of top-left to top-left.
    EXPECT_NE(canvas.pixel(75, 75), blank.pixel(75, 75));
    // The second frame's edge is drawn, dotted: some of three neighbours.
    int changed = 0;
    for (int x = 80; x < 83; ++x) changed += canvas.pixel(x, 60) != blank.pixel(x, 60) ? 1 : 0;
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, 3);
}

TEST(TextScrollRun, ProductTextEntersFromTheRightAndStepsEvenly) {
    TextScrollRun run;
    run.begin(1000, 800, 800, kProductTextDuration, 0);
    EXPECT_EQ(run.margin(), 800);
    EXPECT_EQ(run.range(), 1000 + 1600 - 800);
    EXPECT_FALSE(run.isTitle());
    EXPECT_EQ(run.tick(0, -1, 2), 2);
    EXPECT_EQ(run.tick(0, -1, 2), 4);
    while (!run.finished()) run.tick(0, -1, 2);
    EXPECT_EQ(run.position(), run.range());
    EXPECT_EQ(run.ticks(), (run.range() + 1) / 2);
}

TEST(TextScrollRun, ShortTitleStartsNearTheCentre) {
    TextScrollRun run;
    run.begin(200, 800, 800, 6000, 0);
    EXPECT_EQ(run.margin(), 10 + 300);
    EXPECT_EQ(run.range(), 20);
}

TEST(TextScrollRun, TitleGoesByTheClockUntilItsTicksAreKnown) {
    TextScrollRun run;
    run.begin(1600, 800, 800, 2000, 1000);
    EXPECT_EQ(run.margin(), 50);
    const int range = run.range();
    ASSERT_EQ(range, 1600 + 100 - 800);
    EXPECT_EQ(run.tick(1500, -1, 1), range / 4);
    EXPECT_EQ(run.tick(1400, -1, 1), range / 4);  // never backwards
    EXPECT_EQ(run.tick(4000, -1, 1), range);      // never beyond
    EXPECT_TRUE(run.finished());

    run.begin(1600, 800, 800, 2000, 0);
    for (int i = 0; i < 10; ++i) run.tick(0, 40, 1);
    EXPECT_EQ(run.position(), range * 10 / 40);
}

TEST(ProductText, CyclesThroughTheProductTheKindAndTheExtraText) {
    const std::optional<std::string> extra = std::string("Our own extra words.");
    EXPECT_TRUE(
        ProductText(0, kShowStandard, extra).startsWith(QStringLiteral("Explore Verdanis")));
    EXPECT_TRUE(ProductText(1, kShowTour, extra).contains(QStringLiteral("coast")));
    EXPECT_TRUE(ProductText(1, kShowAll, extra).contains(QStringLiteral("all 159 places")));
    EXPECT_TRUE(ProductText(1, kShowFoundSet, extra).contains(QStringLiteral("user-chosen")));
    EXPECT_TRUE(ProductText(1, kShowStandard, extra).startsWith(QStringLiteral("We sample")));
    EXPECT_EQ(ProductText(2, kShowStandard, extra), QStringLiteral("Our own extra words."));

    EXPECT_EQ(NextProductTextStep(0, true), 1);
    EXPECT_EQ(NextProductTextStep(1, true), 2);
    EXPECT_EQ(NextProductTextStep(2, true), 0);
    EXPECT_EQ(NextProductTextStep(1, false), 0);
}

}  // namespace
