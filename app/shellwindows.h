// The program's windows, one variable each, filled as each window is created. The shell uses
// them only to show, hide, enable or raise a window; windows ask each other for anything else
// by signals, connected in app/wiring.cpp.
#pragma once

#include <QPointer>
#include <QWidget>

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
};

ShellWindows& Windows();
void ResetShellWindows();
