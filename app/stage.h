// The stage: the one full-screen top-level window. It paints the backdrop and centres the
// ScreenWidth x ScreenHeight area that hosts the screens and their companion windows, so
// every layout keeps its 4:3 proportions on any display, and positions work on every desktop.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/shellwindows.h"

class QKeyEvent;

class TStage : public QWidget {
    Q_OBJECT
  public:
    explicit TStage(QWidget* parent = nullptr);
    ~TStage() override;

    // Parent of the screens and companion windows; sized once the start-up checks have run.
    QWidget* area() const { return area_; }
    // The screen whose key handlers see keys first.
    void setCurrentScreen(QWidget* screen);
    QWidget* currentScreen() const { return current_; }
    void minimise();
    // Full screen on the primary screen, also where no window manager honours the request.
    void showFullArea();
    // Keys from a window above the stage go to the current screen's handlers, as if typed here.
    void PassKeyDown(QKeyEvent* event);
    void PassKeyUp(QKeyEvent* event);

  signals:
    // Closing the stage asks the exit path, on behalf of the screen that is current.
    void exitRequested(ExitRequester asker);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void centreArea();

    QWidget* area_;
    QPointer<QWidget> current_;
};

// Where the screen area's top-left corner lies on the display, for the top-level windows that
// place themselves in it (title window, backdrop, dialogs).
QPoint AreaOriginOnScreen();

// The stage's area, or null before the stage exists (tests create screens without one).
QWidget* StageArea();
TStage* Stage();
