// The program's windows, one variable each, filled as each window is created. The shell
// reaches them only through these pointers and hooks, so it never depends on a screen.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

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
    std::function<void()> releaseHome;          // the control screen's mini map
    std::function<void()> requestExit;          // the control screen's exit path
};

ShellWindows& Windows();
void ResetShellWindows();
