// The Timeline and Tour pages' geometry as plain functions of the screen size, the page size
// and the natural sizes of their text controls.
#pragma once

#include <QRect>
#include <QSize>

struct TourLayout {
    QRect label6;
    QRect label7;
    QRect tourBox;
};

TourLayout ArrangeTourPage(int W, int H, QSize sheet, QSize label6, QSize label7);

struct TimelineMeasures {
    QSize label4;
    QSize label5;
    int stripHeight;      // the strip's box, its last 32 pixels under the from-to panel
    int fromToHeight;     // the from-to panel
    int scrollBarHeight;  // the time scroll bar
};

struct TimelineLayout {
    QRect label4;
    QRect label5;
    QRect timeScrollBox;
    int eraOffset;   // E: the strip's contents move right by this, centring era k at 200k
    int stripWidth;  // the strip's contents: room for every position from 0 to 1800
    QRect fromToPanel;
    QRect timeScrollBar;
};

// How far the from-to panel would reach up into the strip's box at full height.
constexpr int kFromToOverlap = 32;
// The height of the strip, the from-to panel and the scroll bar together at 800 x 600.
constexpr int kTimelineDesignHeight = 338;

TimelineLayout ArrangeTimelinePage(int W, QSize sheet, const TimelineMeasures& measures);
