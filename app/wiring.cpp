#include "app/wiring.h"

#include <QKeyEvent>

#include "app/screenset.h"
#include "app/setupbeforeinput.h"
#include "app/shellrequests.h"
#include "app/shutdown.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "content/pictures.h"
#include "screens/about/state.h"
#include "screens/about/zmrandom.h"
#include "screens/common/imagecontrol.h"
#include "screens/exit/exitinfodlg.h"
#include "screens/explore/exploremenu.h"
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

// The companion windows take no keys of their own: they go to the slideshow window while it
// runs (key presses only), else to the explore screen.
template <typename Companion>
void passKeysOn(Companion* companion, const ProgramWindows& w) {
    if (!companion) return;
    TZMExplore* explore = w.explore;
    TZMShowWin* show = w.show;
    QObject::connect(companion, &Companion::keyPressed, companion, [explore, show](QKeyEvent* e) {
        if (show && SlideshowVisible())
            show->FormKeyDown(e);
        else if (explore)
            explore->FormKeyDown(e);
    });
    QObject::connect(companion, &Companion::keyReleased, companion, [explore](QKeyEvent* e) {
        if (explore && !SlideshowVisible()) explore->FormKeyUp(e);
    });
}

void wireTitle(const ProgramWindows& w) {
    if (!w.start) return;
    QObject::connect(w.start, &TZMStartWin::oneTimeSetUpDue, w.start, [w] { RunOneTimeSetUp(w); });
    if (w.home) QObject::connect(w.start, &TZMStartWin::controlScreenDue, w.home, &QWidget::show);
    auto* owed = new SetUpBeforeInput(w, w.start);
    QObject::connect(w.start, &TZMStartWin::controlScreenDue, owed, &SetUpBeforeInput::Arm);
    if (w.anim) {
        w.start->setAnimationWindow(w.anim);
        QObject::connect(w.anim, &TZMAnimWin::clicked, w.start, &TZMStartWin::LogoClick);
        QObject::connect(w.anim, &TZMAnimWin::pressed, w.start, &QWidget::raise);
    }
}

void wireHome(const ProgramWindows& w) {
    TZMHomeWin* home = w.home;
    if (!home) return;
    ShellRequests& shell = ShellAsks();
    QObject::connect(&shell, &ShellRequests::writePreferenceBits, home,
                     &TZMHomeWin::WritePreferenceBits);
    QObject::connect(&shell, &ShellRequests::releaseMiniMap, home, &TZMHomeWin::ReleaseMiniMap);
    if (w.stage)
        QObject::connect(w.stage, &TStage::exitRequested, home, &TZMHomeWin::CloseBtnClick);
    if (w.explore) {
        // Asked for without input too (the start place of StartHere.txt): the set-up first.
        QObject::connect(home, &TZMHomeWin::exploreRequested, w.explore, [w] {
            RunOneTimeSetUp(w);
            w.explore->show();
        });
        QObject::connect(w.explore, &TZMExplore::controlScreenRequested, home, &QWidget::show);
        QObject::connect(w.explore, &TZMExplore::exitRequested, home, &TZMHomeWin::CloseBtnClick);
    }
    if (w.exitDialog) {
        QObject::connect(home, &TZMHomeWin::exitDialogRequested, w.exitDialog, &TExitInfoDlg::Run);
        QObject::connect(w.exitDialog, &TExitInfoDlg::exitChosen, home, [] { Shutdown(); });
        QObject::connect(w.exitDialog, &TExitInfoDlg::exitCancelled, home,
                         &TZMHomeWin::ExitCancelled);
    }
}

void wireExploreAndMap(const ProgramWindows& w) {
    TZMExplore* explore = w.explore;
    TMapWin* map = w.map;
    if (!map) return;
    ShellRequests& shell = ShellAsks();
    QObject::connect(&shell, &ShellRequests::hideMap, map, &TMapWin::HideMapWindow);
    QObject::connect(&shell, &ShellRequests::releaseMap, map, &TMapWin::FreeMapTiles);
    // The map's Minimise is the explore screen's.
    if (explore)
        QObject::connect(map, &TMapWin::minimiseRequested, explore->EPopupMenu,
                         &ExploreMenu::EMinimiseClick);
    if (explore) {
        QObject::connect(&shell, &ShellRequests::releaseExplore, explore, &TZMExplore::TearDown);
        QObject::connect(explore, &TZMExplore::mapMoveRequested, map, &TMapWin::MoveMapToPlace);
        QObject::connect(explore, &TZMExplore::mapShowRequested, map, &TMapWin::ShowMapWindow);
        QObject::connect(explore, &TZMExplore::mapHideRequested, map, &TMapWin::HideMapWindow);
        QObject::connect(explore, &TZMExplore::mapRepaintRequested, map, &TMapWin::RepaintMap);
        QObject::connect(explore, &TZMExplore::londonColoursOutdated, map,
                         &TMapWin::UpdateLondonPictures);
        QObject::connect(map, &TMapWin::placeClicked, explore, &TZMExplore::StepTo);
        QObject::connect(map, &TMapWin::nextViewRequested, explore, &TZMExplore::NextPButtonClick);
        QObject::connect(explore, &TZMExplore::printMapRequested, map, &TMapWin::PrintMapClick);
    }
    passKeysOn(map, w);
    if (TMapKey* key = w.mapKey) {
        QObject::connect(map, &TMapWin::nowAt, key, &TMapKey::ShowPlacename);
        QObject::connect(key, &TMapKey::menuRequested, map, &TMapWin::PopupMenuAt);
        passKeysOn(key, w);
    }
    if (TZMLondon* london = w.london) {
        QObject::connect(map, &TMapWin::londonInsetChanged, london->LonImage,
                         qOverload<>(&QWidget::update));
        QObject::connect(london, &TZMLondon::mapPressed, map, &TMapWin::InsetMouseDown);
        QObject::connect(london, &TZMLondon::mapClicked, map, &TMapWin::FormClick);
        QObject::connect(london, &TZMLondon::mapDoubleClicked, map, &TMapWin::FormDblClick);
        QObject::connect(london, &TZMLondon::menuRequested, map, &TMapWin::PopupMenuAt);
        QObject::connect(london, &TZMLondon::closed, map, &TMapWin::EraseLondonMarker);
        passKeysOn(london, w);
    }
}

// The help window, the about box and the upgrade box answer every window's menu and keys;
// the printer set-up belongs to the detailed map, which owns the print dialogs.
void wireBoxes(const ProgramWindows& w) {
    TMapWin* map = w.map;
    ExploreMenu* exploreMenu = w.explore ? w.explore->EPopupMenu : nullptr;
    if (TZMHelpWin* help = w.help) {
        if (w.stage) {
            QObject::connect(help, &TZMHelpWin::keyPressed, w.stage, &TStage::PassKeyDown);
            QObject::connect(help, &TZMHelpWin::keyReleased, w.stage, &TStage::PassKeyUp);
        }
        if (w.start) QObject::connect(w.start, &TZMStartWin::helpDue, help, &TZMHelpWin::ShowHelp);
        if (w.home)
            QObject::connect(w.home, &TZMHomeWin::helpToggleRequested, help,
                             &TZMHelpWin::ToggleHelp);
        if (exploreMenu)
            QObject::connect(exploreMenu, &ExploreMenu::helpToggleRequested, help,
                             &TZMHelpWin::ToggleHelp);
        if (map)
            QObject::connect(map, &TMapWin::helpToggleRequested, help, &TZMHelpWin::ToggleHelp);
    }
    if (TZMAboutBox* about = w.about) {
        if (w.home)
            QObject::connect(w.home, &TZMHomeWin::aboutRequested, about, &TZMAboutBox::ShowAbout);
        if (exploreMenu)
            QObject::connect(exploreMenu, &ExploreMenu::aboutRequested, about,
                             &TZMAboutBox::ShowAbout);
        if (map) QObject::connect(map, &TMapWin::aboutRequested, about, &TZMAboutBox::ShowAbout);
    }
    if (w.upgrade && map)
        QObject::connect(map, &TMapWin::upgradeBoxRequested, w.upgrade,
                         &TUpgradeBox::ShowUpgradeBox);
    if (map) {
        if (w.home)
            QObject::connect(w.home, &TZMHomeWin::printerSetupRequested, map,
                             &TMapWin::PrintSetupClick);
        if (exploreMenu)
            QObject::connect(exploreMenu, &ExploreMenu::printerSetupRequested, map,
                             &TMapWin::PrintSetupClick);
    }
}

// The slideshow drives the detailed map and hands over to the explore screen when stopped.
void wireShow(const ProgramWindows& w) {
    TZMShowWin* show = w.show;
    if (!show) return;
    SetSlideshowVisibleQuery(SlideshowVisible);
    if (TZMHomeWin* home = w.home) {
        QObject::connect(home, &TZMHomeWin::slideshowRequested, show, [w, show] {
            RunOneTimeSetUp(w);
            show->raise();  // under the map, which raises itself when the show asks for it
            show->show();
        });
        QObject::connect(show, &TZMShowWin::exitRequested, home, &TZMHomeWin::CloseBtnClick);
        QObject::connect(show, &TZMShowWin::musicSwitched, home, &TZMHomeWin::SetShowMusicOn);
    }
    if (w.explore)
        QObject::connect(show, &TZMShowWin::exploreRequested, w.explore,
                         &TZMExplore::ArriveAtCurrentPlace);
    if (w.help)
        QObject::connect(show, &TZMShowWin::helpToggleRequested, w.help, &TZMHelpWin::ToggleHelp);
    TMapWin* map = w.map;
    if (!map) return;
    QObject::connect(show, &TZMShowWin::mapMoveRequested, map, &TMapWin::MoveMapToPlace);
    QObject::connect(show, &TZMShowWin::mapShowRequested, map, &TMapWin::ShowMapWindow);
    QObject::connect(show, &TZMShowWin::mapHideRequested, map, &TMapWin::HideMapWindow);
    QObject::connect(show, &TZMShowWin::mapFlashStopRequested, map, &TMapWin::StopFlash);
    QObject::connect(show, &TZMShowWin::mapRepaintRequested, map, &TMapWin::RepaintMap);
    QObject::connect(show, &TZMShowWin::mapInputEnabled, map, &QWidget::setEnabled);
    if (w.london)
        QObject::connect(show, &TZMShowWin::mapInputEnabled, w.london, &QWidget::setEnabled);
    QObject::connect(show, &TZMShowWin::explosionStepRequested, map, &TMapWin::DrawExplosionStep);
    QObject::connect(map, &TMapWin::scrolledTo, show, &TZMShowWin::MapScrolledTo);
    QObject::connect(show, &TZMShowWin::londonInsetPrepareRequested, map,
                     &TMapWin::UpdateLondonPictures);
}

}  // namespace

void WireWindows(const ProgramWindows& windows) {
    wireTitle(windows);
    wireHome(windows);
    wireExploreAndMap(windows);
    wireBoxes(windows);
    wireShow(windows);
}

void RunOneTimeSetUp(const ProgramWindows& w) {
    const auto quitting = [] { return Startup().Quitting; };
    if (quitting() || !Startup().NotInitialised) return;
    if (w.explore) w.explore->ArrangeControls();
    if (quitting()) return;
    if (w.map) w.map->InitMapWindow();
    if (quitting()) return;
    if (w.mapKey) w.mapKey->SetUpMapKey();
    if (quitting()) return;
    if (w.london && w.map) {
        w.london->SetUpLondon(&w.map->londonPictures().lonImage());
        // The coverage hint answers over the inset as over the map.
        w.map->AddInsetHints(w.london->LonImage);
    }
    if (quitting()) return;
    if (w.show) w.show->ArrangeControls();
    if (quitting()) return;
    if (w.home) w.home->MakeHiddenPages();
    // The exit dialog lays out its credits when first shown: not on the way to the control
    // screen.
    if (!quitting()) Startup().NotInitialised = false;
}
