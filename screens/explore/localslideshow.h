// The explore screen's local slideshow: the place's views in turn, ShowInterval each, round and
// round, started and stopped by its button (F5), and started on arrival when the user was
// watching one at the place before.
#pragma once

#include <QObject>

class QPushButton;
class QTimer;
class TZMExplore;

class LocalSlideshow : public QObject {
    Q_OBJECT
  public:
    explicit LocalSlideshow(TZMExplore& screen);

    // Controls
    QPushButton* SShowButton = nullptr;
    QPushButton* GlyphDummyS = nullptr;  // the button's picture while a show runs
    QPushButton* GlyphDummyN = nullptr;  // and while none does
    QTimer* ShowTimer = nullptr;
    QTimer* ToShowTimer = nullptr;

    void Arrange(const QRect& button);
    bool Running() const;
    // Stops a running show; the next start is from the view shown if it never went round.
    void Stop();
    // Arriving with a show running: it goes on here from the first view, after interval.
    void StartOnArrival(int interval);
    // The next start is from this view.
    void StartFrom(int view);

    // Handlers
    void SShowButtonClick();
    void ShowTimerTimer();
    void ToShowTimerTimer();

    int SlideStartView = 1;
    int SlideRounds = 0;
    bool SlideGlyphIdle = true;

  private:
    void swapGlyph();

    TZMExplore& screen_;
};
