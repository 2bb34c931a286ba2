// The Tour page's pictures, one per tour, in the page pictures' shared style.
#pragma once

#include <QImage>

constexpr int kTourPictureWidth = 128;
constexpr int kTourPictureHeight = 96;

// The picture of tour 0 to 33 (kTourPictureWidth x kTourPictureHeight).
QImage PaintTourPicture(int tour);
