#include "app/programrun.h"

#include <QApplication>
#include <QPixmapCache>

#include "app/messages.h"
#include "app/programstyle.h"
#include "app/shellhost.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "app/wiring.h"
#include "content/datatables.h"
#include "platform/fontsetup.h"
#include "screens/about/state.h"
#include "screens/about/zmrandom.h"
#include "screens/exit/exitinfodlg.h"
#include "screens/explore/zmexplor.h"
#include "screens/explore/zmlon.h"
#include "screens/help/zmhelp.h"
#include "screens/home/minimapload.h"
#include "screens/home/zmhome.h"
#include "screens/map/zmmap.h"
#include "screens/map/zmmapkey.h"
#include "screens/show/zmshow.h"
#include "screens/title/zmanim.h"
#include "screens/title/zmstart.h"

namespace {

// The style's cached bevels and gradients: 2 MiB holds every size the screens draw, where Qt's
// default of 10 MiB lets stale sizes pile up.
constexpr int kPixmapCacheKiB = 2048;

// The windows after the title window, once its start-up checks have passed.
void runWindows(TStage& stage, TZMStartWin& startWin) {
    // The title first: the user sees the program while the other windows are made. The mini
    // map is read meanwhile.
    MiniMapLoad miniMap;
    miniMap.start();
    startWin.ShowTitleCard();
    if (Startup().Quitting) return;
    TZMHomeWin homeWin(stage.area(), HomeQuickStart{&miniMap, true});
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
    if (Startup().Quitting) return;
    homeWin.hide();
    startWin.StartSequence();
    if (!Startup().Quitting) QApplication::exec();
}

}  // namespace

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(kProductTitle);
    QApplication::setApplicationDisplayName(kProductTitle);
    QPixmapCache::setCacheLimit(kPixmapCacheKiB);
    InstallFontSubstitutions();
    ApplyProgramLook(app);
}

int RunProgram() {
    ShellHost host;
    SetContentHost(&host);
    TStage stage;
    TZMStartWin startWin;  // runs the start-up checks
    if (!Startup().Quitting) runWindows(stage, startWin);
    SetContentHost(nullptr);
    return Startup().ExitCode;
}
