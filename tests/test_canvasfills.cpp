// The flash fill (light dot to dark and back, its tolerance, its steps and depth limit) and the
// surface fill, on canvases that put the edges within reach.
#include <gtest/gtest.h>

#include <QImage>

#include "screens/map/canvasfills.h"
#include "screens/map/mapcolours.h"

namespace {

constexpr QRgb kGround = 0xFF3C5A5A;

QImage canvas(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kGround);
    return image;
}

void disc(QImage& image, QPoint centre, int radius, QRgb colour) {
    for (int y = -radius; y <= radius; ++y)
        for (int x = -radius; x <= radius; ++x)
            if (x * x + y * y <= radius * radius) image.setPixel(centre + QPoint(x, y), colour);
}

int count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

TEST(FlashFill, DotGoesDarkAndBackLight) {
    QImage image = canvas(QSize(40, 30));
    disc(image, QPoint(20, 15), 4, kDotYellow);
    const QImage light = image;
    const int dotPixels = count(image, kDotYellow);

    const QRect dark = FlashFill(image, QPoint(20, 15), kDotYellow, kFlashDark);
    EXPECT_EQ(dark, QRect(16, 11, 9, 9));
    EXPECT_EQ(count(image, kFlashDark), dotPixels);
    EXPECT_EQ(count(image, kDotYellow), 0);

    FlashFill(image, QPoint(20, 15), kFlashDark, kDotYellow);
    EXPECT_EQ(image, light);
}

TEST(FlashFill, ChannelsWithin15Match) {
    EXPECT_TRUE(FlashColoursMatch(qRgb(0xF0, 0xFF, 0x8F), kDotYellow));
    EXPECT_FALSE(FlashColoursMatch(qRgb(0xEF, 0xFF, 0x80), kDotYellow));
    EXPECT_FALSE(FlashColoursMatch(qRgb(0xFF, 0xFF, 0x90), kDotYellow));
    EXPECT_TRUE(FlashColoursMatch(qRgb(0x0F, 0x00, 0x1F), kFlashDark));

    QImage image = canvas(QSize(9, 3));
    image.setPixel(3, 1, qRgb(0xF0, 0xF0, 0x71));  // 15 off in every channel: matches
    image.setPixel(4, 1, kDotYellow);
    image.setPixel(5, 1, qRgb(0xFF, 0xEF, 0x80));  // 16 off in green: does not
    FlashFill(image, QPoint(4, 1), kDotYellow, kFlashDark);
    EXPECT_EQ(image.pixel(3, 1), kFlashDark);
    EXPECT_EQ(image.pixel(4, 1), kFlashDark);
    EXPECT_EQ(image.pixel(5, 1), qRgb(0xFF, 0xEF, 0x80));
}

TEST(FlashFill, DepthLimitStopsALongLine) {
    // Two pixels further per step: 200 steps reach 399 pixels either way.
    QImage image = canvas(QSize(1000, 3));
    for (int x = 0; x < 1000; ++x) image.setPixel(x, 1, kDotYellow);
    const QRect changed = FlashFill(image, QPoint(500, 1), kDotYellow, kFlashDark);
    EXPECT_EQ(changed, QRect(QPoint(101, 1), QPoint(899, 1)));
    EXPECT_EQ(image.pixel(100, 1), kDotYellow);
    EXPECT_EQ(image.pixel(101, 1), kFlashDark);
    EXPECT_EQ(image.pixel(899, 1), kFlashDark);
    EXPECT_EQ(image.pixel(900, 1), kDotYellow);
}

TEST(FlashFill, SpreadsThroughMatchedNeighboursOnly) {
    QImage image = canvas(QSize(20, 20));
    // Touching only at a corner: not reached.
    image.setPixel(10, 10, kDotYellow);
    image.setPixel(11, 11, kDotYellow);
    // With the left neighbour matched, the up-left corner is reached.
    image.setPixel(5, 10, kDotYellow);
    image.setPixel(4, 10, kDotYellow);
    image.setPixel(4, 9, kDotYellow);
    // A gap of one pixel stops the two-pixel step.
    image.setPixel(15, 10, kDotYellow);
    image.setPixel(16, 10, kDotYellow);
    image.setPixel(18, 10, kDotYellow);

    FlashFill(image, QPoint(10, 10), kDotYellow, kFlashDark);
    EXPECT_EQ(image.pixel(10, 10), kFlashDark);
    EXPECT_EQ(image.pixel(11, 11), kDotYellow);

    FlashFill(image, QPoint(5, 10), kDotYellow, kFlashDark);
    EXPECT_EQ(image.pixel(4, 10), kFlashDark);
    EXPECT_EQ(image.pixel(4, 9), kFlashDark);

    FlashFill(image, QPoint(15, 10), kDotYellow, kFlashDark);
    EXPECT_EQ(image.pixel(16, 10), kFlashDark);
    EXPECT_EQ(image.pixel(18, 10), kDotYellow);
}

TEST(FlashFill, StaysInsideTheCanvas) {
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(kDotYellow);
    EXPECT_EQ(FlashFill(image, QPoint(0, 0), kDotYellow, kFlashDark), image.rect());
    EXPECT_EQ(count(image, kFlashDark), 20);
    // A dot beyond the canvas (a place scrolled out of view) changes nothing.
    EXPECT_TRUE(FlashFill(image, QPoint(-3, 2), kFlashDark, kDotYellow).isEmpty());
    EXPECT_TRUE(FlashFill(image, QPoint(5, 0), kFlashDark, kDotYellow).isEmpty());
    EXPECT_EQ(count(image, kFlashDark), 20);
}

TEST(FlashFill, NothingWhenTheNewColourStillMatches) {
    QImage image = canvas(QSize(8, 8));
    disc(image, QPoint(4, 4), 2, kDotYellow);
    const QImage before = image;
    EXPECT_TRUE(FlashFill(image, QPoint(4, 4), kDotYellow, qRgb(0xF8, 0xFF, 0x80)).isEmpty());
    EXPECT_EQ(image, before);
    QImage indexed(8, 8, QImage::Format_Indexed8);
    EXPECT_TRUE(FlashFill(indexed, QPoint(4, 4), kDotYellow, kFlashDark).isEmpty());
}

TEST(SurfaceFill, ExactColourFourConnected) {
    QImage image = canvas(QSize(12, 12));
    disc(image, QPoint(5, 5), 3, kLondonGrey);
    image.setPixel(9, 9, kLondonGrey);             // touches the disc at a corner only
    image.setPixel(5, 9, qRgb(0xC1, 0xC0, 0xC0));  // one off: another colour
    const int discPixels = count(image, kLondonGrey) - 1;

    const QRect changed = SurfaceFill(image, QPoint(5, 5), kLondonGrey, kDotYellow);
    EXPECT_EQ(changed, QRect(2, 2, 7, 7));
    EXPECT_EQ(count(image, kDotYellow), discPixels);
    EXPECT_EQ(image.pixel(9, 9), kLondonGrey);
    EXPECT_EQ(image.pixel(5, 9), qRgb(0xC1, 0xC0, 0xC0));
}

TEST(SurfaceFill, NothingOffTheSurfaceOrOffTheCanvas) {
    QImage image = canvas(QSize(6, 6));
    const QImage before = image;
    EXPECT_TRUE(SurfaceFill(image, QPoint(2, 2), kLondonGrey, kDotYellow).isEmpty());
    EXPECT_TRUE(SurfaceFill(image, QPoint(6, 2), kGround, kDotYellow).isEmpty());
    EXPECT_TRUE(SurfaceFill(image, QPoint(2, 2), kGround, kGround).isEmpty());
    EXPECT_EQ(image, before);
    // The whole canvas, edges included.
    EXPECT_EQ(SurfaceFill(image, QPoint(0, 5), kGround, kDotYellow), image.rect());
    EXPECT_EQ(count(image, kDotYellow), 36);
}

}  // namespace
