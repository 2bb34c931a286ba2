// The program's windows, one variable each, filled as each window is created. The shell
// reaches them only through these pointers and hooks, so it never depends on a screen.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QMouseEvent;

// Which screen asked for the exit dialog, so that Cancel returns to it.
enum class ExitRequester { ControlScreen, ExploreScreen, SlideshowWindow };

struct ShellWindows {
    QPointer<QWidget> ZMStartWin;
    QPointer<QWidget> ZMHomeWin;
    QPointer<QWidget> ZMExplore;
    QPointer<QWidget> MapWin;
    QPointer<QWidget> MapKey;
    QPointer<QWidget> ZMLondon;
    QPointer<QWidget> ZMShowWin;
    QPointer<QWidget> ExitInfoDlg;
    QPointer<QWidget> ZMAnimWin;
    QPointer<QWidget> ZMHelpWin;
    QPointer<QWidget> ZMAboutBox;
    QPointer<QWidget> UpgradeBox;

    // Set by the windows that have them.
    std::function<void()> writePreferenceBits;  // control screen
    std::function<void()> hideMap;              // detailed map's own hide routine
    std::function<void()> releaseMap;
    std::function<void()> releaseExplore;
    std::function<void()> releaseHome;               // the control screen's mini map
    std::function<void(ExitRequester)> requestExit;  // the control screen's exit path

    // Hand-overs between screens, and the boxes the menus open; each is set by its window.
    std::function<void()> showExplore;  // brings the explore screen up at CurrentPlace
    std::function<void()> showSlideshow;
    std::function<void()> showAbout;
    std::function<void()> toggleHelp;  // F1: shows or hides the help window
    std::function<void()> showHelp;    // at the end of the title sequence
    std::function<void()> printerSetup;
    std::function<void()> printMap;        // the detailed map's print item
    std::function<void()> showUpgradeBox;  // modal
    // The exit dialog, modal: true when the user chose to exit.
    std::function<bool()> runExitDialog;

    // The control screen's run of the set-ups below, once every window exists.
    std::function<void()> finishSetUp;

    // The explore screen's steps that the detailed map, its key and the London inset perform.
    // (Keys reach it through its KeyPreviewScreen handlers.)
    std::function<void(int place)> exploreMoveTo;  // leave (recorded in the history), arrive
    std::function<void()> exploreNextView;
    std::function<void(QMouseEvent*)> exploreMouseDown;
    std::function<void()> exploreMinimise;

    // One-time set-up of the other windows, in the order they must run.
    std::function<void()> setUpExplore;
    std::function<void()> setUpMap;
    std::function<void()> setUpMapKey;
    std::function<void()> setUpLondon;
    std::function<void()> setUpShow;
    std::function<void()> setUpExitDialog;
};

ShellWindows& Windows();
void ResetShellWindows();
