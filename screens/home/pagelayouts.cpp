#include "screens/home/pagelayouts.h"

#include "screens/home/timelineperiods.h"

TourLayout ArrangeTourPage(int W, int H, QSize sheet, QSize label6, QSize label7) {
    TourLayout l{};
    const int p = H * 6 / 600;
    const int left = W * 24 / 800;
    l.label6 = QRect(QPoint(left, p), label6);
    l.label7 = QRect(QPoint(left, sheet.height() - p - label7.height()), label7);
    const int boxLeft = W * 2 / 800;
    const int boxTop = 2 * p + label6.height();
    l.tourBox = QRect(boxLeft, boxTop, sheet.width() - 2 * boxLeft, l.label7.top() - boxTop - p);
    return l;
}

TimelineLayout ArrangeTimelinePage(int W, QSize sheet, const TimelineMeasures& m) {
    TimelineLayout l{};
    const int c = (sheet.height() - kTimelineDesignHeight) / 2;
    const int hintLeft = W * 24 / 800;
    l.label4 = QRect(QPoint(hintLeft, (c - m.label4.height()) / 2), m.label4);
    l.label5 = QRect(QPoint(hintLeft, sheet.height() - (c + m.label5.height()) / 2), m.label5);
    const int stripLeft = W * 2 / 800;
    // The from-to panel covers the box's last 32 pixels, where nothing of the strip shows: the
    // box ends where the panel begins.
    l.timeScrollBox =
        QRect(stripLeft, c, sheet.width() - 2 * stripLeft, m.stripHeight - kFromToOverlap);
    l.eraOffset = (l.timeScrollBox.width() - kEraWidth) / 2;
    l.stripWidth = kLastPosition + l.timeScrollBox.width();
    l.fromToPanel =
        QRect(stripLeft, l.timeScrollBox.bottom() + 1, l.timeScrollBox.width(), m.fromToHeight);
    l.timeScrollBar = QRect(stripLeft, l.fromToPanel.bottom() + 1 + 12, l.timeScrollBox.width(),
                            m.scrollBarHeight);
    return l;
}
