// The one-time set-up when a click ended the title sequence before it ran: the control screen
// comes up first, and the set-up runs once the program is idle or, if sooner, just before the
// first input reaches any window (the explore screen, the map and the slideshow need it).
#pragma once

#include <QObject>
#include <QTimer>

#include "app/wiring.h"

class SetUpBeforeInput : public QObject {
    Q_OBJECT
  public:
    SetUpBeforeInput(const ProgramWindows& windows, QObject* parent);

    // Called once the control screen is shown; nothing to do if the set-up has run.
    void Arm();
    void IdleTimerTimer();

    QTimer IdleTimer;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void runNow();

    ProgramWindows windows_;
    bool filtering_ = false;
};
