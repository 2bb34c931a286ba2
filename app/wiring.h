// Every connection between the program's windows, made in one place once all of them exist,
// and the one-time set-up of the windows in the order they need.
#pragma once

class TExitInfoDlg;
class TMapKey;
class TMapWin;
class TStage;
class TUpgradeBox;
class TZMAboutBox;
class TZMHelpWin;
class TZMAnimWin;
class TZMExplore;
class TZMHomeWin;
class TZMLondon;
class TZMShowWin;
class TZMStartWin;

// The windows the entry created; a window that does not exist is null.
struct ProgramWindows {
    TStage* stage = nullptr;
    TZMStartWin* start = nullptr;
    TZMHomeWin* home = nullptr;
    TZMExplore* explore = nullptr;
    TMapWin* map = nullptr;
    TMapKey* mapKey = nullptr;
    TZMLondon* london = nullptr;
    TZMShowWin* show = nullptr;
    TExitInfoDlg* exitDialog = nullptr;
    TZMAnimWin* anim = nullptr;
    TZMHelpWin* help = nullptr;
    TZMAboutBox* about = nullptr;
    TUpgradeBox* upgrade = nullptr;
};

void WireWindows(const ProgramWindows& windows);
// Runs each window's set-up in order, once, stopping as soon as the program is quitting.
void RunOneTimeSetUp(const ProgramWindows& windows);
