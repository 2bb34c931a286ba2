// The Timeline page's pictures: one per era (200 x 200), and the hands that point at the
// period's dates.
#pragma once

#include <QImage>

QImage PaintEraPicture(int era);
// A hand with its finger pointing right, or left (32 x 24).
QImage PaintPointingHand(bool pointsRight);
