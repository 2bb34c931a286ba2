// The program's wiring: the one-time set-up in its order, and the requests between the explore
// screen, the detailed map, its key and the London inset reaching the window that answers.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <memory>

#include "app/setupbeforeinput.h"
#include "app/startupstate.h"
#include "app/wiring.h"
#include "content/datatables.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/steppanel.h"
#include "screens/explore/zmexplor.h"
#include "screens/explore/zmlon.h"
#include "screens/home/zmhome.h"
#include "screens/map/zmmap.h"
#include "screens/map/zmmapkey.h"
#include "tests/support/mapfixture.h"

namespace {

class WiringTest : public MapTest {
  protected:
    void SetUp() override {
        MapTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        area.resize(Startup().ScreenWidth, Startup().ScreenHeight);
        area.show();
        explore = std::make_unique<TZMExplore>(&area);
        map = std::make_unique<TMapWin>(&area);
        key = std::make_unique<TMapKey>(&area);
        london = std::make_unique<TZMLondon>(&area);
        windows.explore = explore.get();
        windows.map = map.get();
        windows.mapKey = key.get();
        windows.london = london.get();
        WireWindows(windows);
    }
    void TearDown() override {
        london.reset();
        key.reset();
        map.reset();
        explore.reset();
        MapTest::TearDown();
    }
    void clickMapAt(int source) {
        map->FormMouseDown(position(source) - QPoint(map->H(), map->V()));
        map->FormClick();
    }

    QWidget area;
    std::unique_ptr<TZMExplore> explore;
    std::unique_ptr<TMapWin> map;
    std::unique_ptr<TMapKey> key;
    std::unique_ptr<TZMLondon> london;
    ProgramWindows windows;
};

TEST_F(WiringTest, OneTimeSetUpPreparesEveryWindowUnlessQuitting) {
    Startup().Quitting = true;
    RunOneTimeSetUp(windows);
    EXPECT_FALSE(explore->LaidOut);
    EXPECT_FALSE(map->TilesAllocated);
    EXPECT_TRUE(Startup().NotInitialised);

    Startup().Quitting = false;
    RunOneTimeSetUp(windows);
    EXPECT_TRUE(explore->LaidOut);
    EXPECT_TRUE(map->TilesAllocated);
    EXPECT_FALSE(key->geometry().isEmpty());
    EXPECT_EQ(london->LonImage->size(), map->londonPictures().lonImage().size());
    EXPECT_FALSE(Startup().NotInitialised);
}

// The title clicked before the set-up ran: the control screen is up, the set-up still owed.
TEST_F(WiringTest, AnOwedSetUpRunsBeforeTheFirstInputReachesAWindow) {
    SetUpBeforeInput owed(windows, &area);
    owed.Arm();
    EXPECT_TRUE(owed.IdleTimer.isActive());
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&area, &move);
    EXPECT_FALSE(explore->LaidOut) << "moving the mouse is no request";

    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QApplication::sendEvent(&area, &home);
    EXPECT_TRUE(explore->LaidOut);
    EXPECT_TRUE(map->TilesAllocated);
    EXPECT_FALSE(Startup().NotInitialised);
    EXPECT_FALSE(owed.IdleTimer.isActive());

    owed.Arm();  // already set up: nothing owed
    EXPECT_FALSE(owed.IdleTimer.isActive());
}

TEST_F(WiringTest, AnOwedSetUpRunsWhenTheProgramIsIdleAndOnlyOnce) {
    SetUpBeforeInput owed(windows, &area);
    owed.Arm();
    owed.IdleTimerTimer();
    ASSERT_TRUE(explore->LaidOut);
    // A second run would lay the screens out again over what the user has done since.
    map->FreeMapTiles();
    RunOneTimeSetUp(windows);
    EXPECT_FALSE(map->TilesAllocated);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QApplication::sendEvent(&area, &key);
    EXPECT_FALSE(map->TilesAllocated) << "no longer watching the input";
}

// The control screen can hand over without input (the start place of StartHere.txt).
TEST_F(WiringTest, TheExploreScreenIsSetUpBeforeItIsFirstShown) {
    TZMHomeWin home(&area, {nullptr, true});
    ASSERT_FALSE(Startup().Quitting);
    ProgramWindows screens;
    screens.home = &home;
    screens.explore = explore.get();
    WireWindows(screens);
    home.show();
    home.IconImageClick();
    EXPECT_TRUE(explore->LaidOut);
    EXPECT_TRUE(explore->isVisible());
    EXPECT_FALSE(home.isVisible());
    EXPECT_NE(home.TourSheet, nullptr) << "the control screen's other pages made too";
}

TEST_F(WiringTest, TheMapAndItsKeyServeTheExploreScreen) {
    RunOneTimeSetUp(windows);
    Explore().CurrentPlace = place(kInsideSet);
    explore->show();
    EXPECT_TRUE(map->isVisible());  // the explore screen asked for it
    EXPECT_EQ(map->FlashedPlace, place(kInsideSet));

    clickMapAt(kOutsideSet);
    EXPECT_EQ(Explore().CurrentPlace, place(kOutsideSet));
    EXPECT_EQ(map->FlashedPlace, place(kOutsideSet));
    EXPECT_TRUE(key->Placename->text().endsWith(
        QString::fromLatin1(PlaceName(place(kOutsideSet)).c_str())));

    // Back, pressed on the map key, goes back through the explore screen's history.
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(key.get(), &back);
    EXPECT_EQ(Explore().CurrentPlace, place(kInsideSet));
    EXPECT_FALSE(explore->StepPanel->BackButton->isEnabled());
}

TEST_F(WiringTest, MenuItemsWorkExactlyWhenSomeWindowAnswers) {
    RunOneTimeSetUp(windows);
    emit map->MapPopupMenu->aboutToShow();
    EXPECT_TRUE(map->MMinimise->isEnabled());  // the explore screen's Minimise
    EXPECT_FALSE(map->About->isEnabled());     // no about box or help window in this test
    EXPECT_FALSE(map->Help->isEnabled());
    EXPECT_TRUE(map->MCopyMap->isEnabled());
    EXPECT_TRUE(map->PrintMap->isEnabled());
}

}  // namespace
