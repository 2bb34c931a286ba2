// The arithmetic of printing a picture: fitting it to the page, and cutting it into the strips
// that go to the printer one at a time (printer drivers take large bitmaps badly).
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

struct StripPlan {
    int count = 0;  // n: from 16 up, until the strip size is even
    int size = 0;   // s = ceil(length / n)
    int pad = 0;    // s * n - length: white at the start of the first strip
};

// For a picture `length` pixels long in the direction it is cut.
StripPlan PlanStrips(int length);

// The largest rectangle of the source's proportions centred on the page.
QRect FitToPage(QSize source, QSize page);

// Strip j of the source, 24 bits a pixel: vertical strips are s columns wide (cut across the
// width), horizontal ones s rows high. Strip 0 starts with `pad` white columns or rows.
QImage CutStrip(const QImage& source, const StripPlan& plan, int j, bool vertical);

// Where strip j goes inside the target rectangle.
QRect StripTarget(const QRect& target, const StripPlan& plan, int j, bool vertical);
