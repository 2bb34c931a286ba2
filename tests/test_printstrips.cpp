// Fitting a picture to the page and cutting it into strips for the printer.
#include <gtest/gtest.h>

#include "platform/printstrips.h"

namespace {

TEST(PlanStrips, GrowsTheCountUntilTheStripSizeIsEven) {
    const StripPlan even = PlanStrips(768);
    EXPECT_EQ(even.count, 16);
    EXPECT_EQ(even.size, 48);
    EXPECT_EQ(even.pad, 0);
    const StripPlan padded = PlanStrips(770);  // 16 strips would be 49 wide
    EXPECT_EQ(padded.count, 17);
    EXPECT_EQ(padded.size, 46);
    EXPECT_EQ(padded.pad, 12);
    for (int length : {1, 5, 16, 17, 33, 600, 601, 1023, 1440}) {
        const StripPlan plan = PlanStrips(length);
        EXPECT_EQ(plan.size % 2, 0) << length;
        if (length > 16) {
            EXPECT_GE(plan.count, 16) << length;
        }
        EXPECT_EQ(plan.size * plan.count - plan.pad, length) << length;
        EXPECT_GE(plan.pad, 0) << length;
    }
}

TEST(FitToPage, FillsTheHeightOfATallPictureAndTheWidthOfAWideOne) {
    // A 3:4 picture on a square page: full height, centred across.
    EXPECT_EQ(FitToPage(QSize(300, 400), QSize(1000, 1000)), QRect(125, 0, 750, 1000));
    // A 4:3 picture on a tall page: full width, centred down.
    EXPECT_EQ(FitToPage(QSize(800, 600), QSize(1000, 2000)), QRect(0, 625, 1000, 750));
    EXPECT_TRUE(FitToPage(QSize(0, 10), QSize(100, 100)).isEmpty());
}

QImage numberedColumns(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) image.setPixel(x, y, qRgb(x % 200, y % 200, 7));
    return image;
}

TEST(CutStrip, TheFirstStripStartsWithWhiteAndTheStripsCoverThePictureOnce) {
    const QImage source = numberedColumns(770, 5);
    const StripPlan plan = PlanStrips(770);
    const QImage first = CutStrip(source, plan, 0, true);
    EXPECT_EQ(first.size(), QSize(46, 5));
    EXPECT_EQ(first.format(), QImage::Format_RGB888);
    for (int x = 0; x < 12; ++x) EXPECT_EQ(first.pixel(x, 2), qRgb(255, 255, 255)) << x;
    EXPECT_EQ(first.pixel(12, 2), source.pixel(0, 2));
    // Every source column lands exactly once, in order.
    int column = 0;
    for (int j = 0; j < plan.count; ++j) {
        const QImage strip = CutStrip(source, plan, j, true);
        for (int x = j == 0 ? plan.pad : 0; x < plan.size; ++x, ++column)
            ASSERT_EQ(strip.pixel(x, 3), source.pixel(column, 3)) << j << " " << x;
    }
    EXPECT_EQ(column, 770);
}

TEST(CutStrip, HorizontalStripsArePaddedAtTheTop) {
    QImage source = numberedColumns(4, 770).transformed(QTransform());
    const StripPlan plan = PlanStrips(770);
    const QImage first = CutStrip(source, plan, 0, false);
    EXPECT_EQ(first.size(), QSize(4, 46));
    EXPECT_EQ(first.pixel(1, 11), qRgb(255, 255, 255));
    EXPECT_EQ(first.pixel(1, 12), source.pixel(1, 0));
    const QImage last = CutStrip(source, plan, plan.count - 1, false);
    EXPECT_EQ(last.pixel(2, 45), source.pixel(2, 769));
}

TEST(StripTarget, StripsSitSideBySideInTheTarget) {
    const StripPlan plan = PlanStrips(768);  // 16 strips
    const QRect target(100, 50, 1600, 1200);
    EXPECT_EQ(StripTarget(target, plan, 0, true), QRect(100, 50, 100, 1200));
    EXPECT_EQ(StripTarget(target, plan, 15, true), QRect(1600, 50, 100, 1200));
    EXPECT_EQ(StripTarget(target, plan, 3, false), QRect(100, 275, 1600, 75));
}

}  // namespace
