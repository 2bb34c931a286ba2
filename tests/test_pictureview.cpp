// The slideshow's photograph control: shares the picture's pixels, shows it stretched.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "screens/common/pictureview.h"

namespace {

// Left half red, right half blue: which half a pixel of the control shows tells the stretch.
QImage halves(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

TEST(PictureView, SharesThePictureAndShowsItStretched) {
    const QImage picture = halves(QSize(64, 48));
    PictureView view;
    view.resize(200, 100);
    view.setPicture(picture);
    EXPECT_EQ(view.picture().constBits(), picture.constBits()) << "no copy of the pixels";
    QImage shown = view.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(200, 100));
    EXPECT_EQ(QColor(shown.pixel(10, 50)), QColor(Qt::red));
    EXPECT_EQ(QColor(shown.pixel(190, 50)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shown.pixel(90, 5)), QColor(Qt::red)) << "stretched to the whole width";

    view.resize(100, 200);  // stretched again for the new size
    shown = view.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(40, 190)), QColor(Qt::red));
    EXPECT_EQ(QColor(shown.pixel(60, 10)), QColor(Qt::blue));

    view.clear();
    EXPECT_TRUE(view.picture().isNull());
}

}  // namespace
