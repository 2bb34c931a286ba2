// The Tour page's pictures, one per tour, in the page pictures' shared style.
#pragma once

#include <QImage>

// The picture of tour 0 to 33 (128 x 96).
QImage PaintTourPicture(int tour);
