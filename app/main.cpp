// Program entry: the windows in their fixed order, then the message loop.

#include <QApplication>
#include <exception>

#include "app/messages.h"
#include "app/shellhost.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "app/wiring.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "edition/editiontour.h"
#include "platform/fontsetup.h"
#include "screens/about/state.h"
#include "screens/about/zmrandom.h"
#include "screens/exit/exitinfodlg.h"
#include "screens/explore/zmexplor.h"
#include "screens/explore/zmlon.h"
#include "screens/help/zmhelp.h"
#include "screens/home/zmhome.h"
#include "screens/map/zmmap.h"
#include "screens/map/zmmapkey.h"
#include "screens/show/zmshow.h"
#include "screens/title/zmanim.h"
#include "screens/title/zmstart.h"

namespace {

int runProgram(QApplication& app) {
    ShellHost host;
    SetContentHost(&host);
    Content().Tour = EditionTourTable();

    TStage stage;
    TZMStartWin startWin;
    TZMHomeWin homeWin(stage.area());
    TZMExplore explore(stage.area());
    TMapWin mapWin(stage.area());
    TMapKey mapKey(stage.area());
    TZMLondon london(stage.area());
    TZMShowWin showWin(stage.area());
    TExitInfoDlg exitDialog;
    TZMAnimWin animWin;
    TZMHelpWin helpWin(&stage);
    TZMAboutBox aboutBox(&stage);
    TUpgradeBox upgradeBox(&stage);

    WireWindows(ProgramWindows{&stage, &startWin, &homeWin, &explore, &mapWin, &mapKey, &london,
                               &showWin, &exitDialog, &animWin, &helpWin, &aboutBox, &upgradeBox});

    if (!Startup().Quitting) {
        homeWin.hide();
        startWin.show();
        if (!Startup().Quitting) app.exec();
    }
    SetContentHost(nullptr);
    return Startup().ExitCode;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProductTitle);
    QApplication::setApplicationDisplayName(kProductTitle);
    InstallFontSubstitutions();
    try {
        return runProgram(app);
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
        return 0;
    }
}
