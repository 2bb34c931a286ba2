// Program entry: the windows in their fixed order, then the message loop.

#include <QApplication>
#include <exception>

#include "app/messages.h"
#include "app/shellhost.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "edition/editiontour.h"
#include "platform/fontsetup.h"
#include "screens/exit/exitinfodlg.h"
#include "screens/explore/zmexplor.h"
#include "screens/explore/zmlon.h"
#include "screens/home/showpage.h"
#include "screens/home/zmhome.h"
#include "screens/map/forwarding.h"
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

    startWin.setAnimationWindow(&animWin);
    animWin.onClick = [&startWin] { startWin.LogoClick(); };
    animWin.onPressed = [&startWin] { startWin.raise(); };

    // Connections of the slideshow
    QObject::connect(&homeWin, &TZMHomeWin::slideshowRequested, &showWin, [&showWin] {
        showWin.raise();  // under the map, which raises itself when the show asks for it
        showWin.show();
    });
    QObject::connect(&showWin, &TZMShowWin::mapMoveRequested, &mapWin, &TMapWin::MoveMapToPlace);
    QObject::connect(&showWin, &TZMShowWin::mapShowRequested, &mapWin, &TMapWin::ShowMapWindow);
    QObject::connect(&showWin, &TZMShowWin::mapHideRequested, &mapWin, &TMapWin::HideMapWindow);
    QObject::connect(&showWin, &TZMShowWin::mapFlashStopRequested, &mapWin, &TMapWin::StopFlash);
    QObject::connect(&showWin, &TZMShowWin::mapRepaintRequested, &mapWin, &TMapWin::RepaintMap);
    QObject::connect(&showWin, &TZMShowWin::mapInputEnabled, &mapWin, &QWidget::setEnabled);
    QObject::connect(&showWin, &TZMShowWin::mapInputEnabled, &london, &QWidget::setEnabled);
    QObject::connect(&showWin, &TZMShowWin::explosionStepRequested, &mapWin,
                     &TMapWin::DrawExplosionStep);
    QObject::connect(&mapWin, &TMapWin::scrolledTo, &showWin, &TZMShowWin::MapScrolledTo);
    QObject::connect(&showWin, &TZMShowWin::londonInsetPrepareRequested, &london,
                     &TZMLondon::UpdateLondonInset);
    QObject::connect(&showWin, &TZMShowWin::exploreRequested, &explore,
                     &TZMExplore::ArriveAtCurrentPlace);
    QObject::connect(&showWin, &TZMShowWin::exitRequested, &homeWin, &TZMHomeWin::CloseBtnClick);
    if (homeWin.ShowSheet)
        QObject::connect(&showWin, &TZMShowWin::musicSwitched, homeWin.ShowSheet,
                         &ShowPage::SetMusicOn);
    SetSlideshowVisibleQuery(SlideshowVisible);

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
