// The Timeline page: a strip of ten pictured eras scrolled by a bar; the scroll position
// chooses a period, and the places with a view dated inside it become the found set.
#pragma once

#include <array>

#include "screens/home/foundsetpage.h"
#include "screens/home/timelineperiods.h"

class QFrame;
class QLabel;
class QScrollBar;
class QTimer;

// How the scroll bar moved: by a line (arrow button, arrow key, wheel), by a page, straight to
// an end, by the thumb being dragged, or by a drag that has just ended.
enum class TimeScrollCode { LineStep, PageStep, Jump, Track, EndTrack };

class TimelinePage : public FoundSetPage {
    Q_OBJECT
  public:
    TimelinePage(HomePagesState& pages, QWidget* parent = nullptr);

    void arrange(int W, int H, QSize sheet) override;
    void pageShown() override { TimeSheetShow(); }
    void pageHidden() override { TimeSheetHide(); }

    // Controls
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QWidget* TimeScrollBox = nullptr;  // shows a stretch of the strip
    std::array<QFrame*, kEraCount> TimePanels{};
    std::array<QLabel*, kEraCount> TimeImages{};
    std::array<QLabel*, kEraCount> TimeLabels{};
    std::array<QLabel*, kEraCount - 1> TimeDates{};
    QFrame* FromToPanel = nullptr;
    QLabel* LHandImage = nullptr;
    QLabel* RHandImage = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* DateFrom = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* DateTo = nullptr;
    QScrollBar* TimeScrollBar = nullptr;
    QTimer* SearchTimer = nullptr;
    QTimer* ScrollBlockTimer = nullptr;

    int TimelinePosition = kLastPosition;  // kept while the page is away
    int PeriodIndex = PeriodIndexAt(kLastPosition);
    bool ForcePeriodUpdate = false;
    bool ScrollPending = false;

    // The strip's scroll position: the content x at the box's left edge.
    int stripPosition() const;

    // Shows the period of the position; false when it is the one already shown.
    bool UpdatePeriodDates(int position);
    // The places with a view dated from..to, or -1 when from >= to.
    int RunTimelineQuery(int from, int to);

    // Handlers
    void TimeScrollBarScroll(TimeScrollCode code, int position);
    bool TimeScrollBarKeyDown(int key);
    void TimeScrollBarEnter();
    void SearchTimerTimer();
    void ScrollBlockTimerTimer();
    void TimeSheetShow();
    void TimeSheetHide();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createStrip();
    void createFromToPanel();
    void placeStrip(int eraOffset, int stripWidth);
    void placeFromToPanel(int shift);
    void showPeriod();
    void moveStrip(int position);
    void scrollBarActed(int action);

    QWidget* strip_ = nullptr;
};
