// The title window: the program's first window. Its creation runs the start-up checks; shown,
// it plays the jingle, sets up the other windows and, after 12 seconds, starts the title
// animation. The jingle's end or a click brings up the control screen.
#pragma once

#include <QTimer>
#include <QWidget>

#include "platform/midiplayer.h"
#include "platform/picturethread.h"

class QEventLoop;
class QLabel;
class TZMAnimWin;

class TZMStartWin : public QWidget {
    Q_OBJECT
  public:
    explicit TZMStartWin(QWidget* parent = nullptr);
    ~TZMStartWin() override;

    void setAnimationWindow(TZMAnimWin* animWin) { animWin_ = animWin; }

    // The title on the screen before the other windows are made, so the user sees the program
    // at once: returns when the logo has been painted (or after a short wait), having handled
    // no input, with the sequence held until StartSequence().
    void ShowTitleCard();
    void StartSequence();

    void InitTimerTimer();
    void StartAnimTimerTimer();
    void JinglePlayerNotify();
    void LogoClick();

    QLabel* Logo = nullptr;
    MidiPlayer JinglePlayer;
    QTimer StartAnimTimer;
    QTimer InitTimer;

  signals:
    // Once, 100 ms after showing, unless a click ended the sequence first: the one-time set-up
    // of the other windows.
    void oneTimeSetUpDue();
    // At the end of the sequence: the control screen, and the help unless switched off. The
    // one-time set-up may not have run yet.
    void controlScreenDue();
    void helpDue();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void takeLogo();
    void beginSequence();

    TZMAnimWin* animWin_ = nullptr;
    PictureOnThread logo_;
    QEventLoop* paintWait_ = nullptr;  // while ShowTitleCard waits for the first paint
    bool started_ = false;
    bool held_ = false;
    bool logoPainted_ = false;
};
