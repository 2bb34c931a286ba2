// The control screen: its layout on the screen it runs on, the mini map, the hand-over of a
// place to the explore screen, marking, flashing, the Go To page and the exit path.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <fstream>

#include "app/shellhost.h"
#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "app/statebits.h"
#include "app/wiring.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/showlist.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/prefstore.h"
#include "platform/systeminfo.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/home/gotopage.h"
#include "screens/home/homelayout.h"
#include "screens/home/minimapload.h"
#include "screens/home/searchpage.h"
#include "screens/home/showpage.h"
#include "screens/home/simplecombo.h"
#include "screens/home/timelinepage.h"
#include "screens/home/tourpage.h"
#include "screens/home/zmhome.h"
#include "screens/show/showstate.h"
#include "tests/support/editions.h"
#include "tests/support/minimaps.h"
#include "tests/support/screenfixture.h"

namespace {

class HomeTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        SetBeepObserver([this] { ++beeps; });
        EditionSource source = SimpleEdition(60, 2);
        source.places[0].name = "Dunby, Corvan";
        source.places[1].name = "Dunwell, Corvan";
        built_ = Build(source);
        data.writeTable(built_.image);
        WriteMiniMaps(data);
    }
    void TearDown() override {
        SetBeepObserver(nullptr);
        ScreenTest::TearDown();
    }

    int W() const { return Startup().ScreenWidth; }
    int H() const { return Startup().ScreenHeight; }
    int place(int source) const { return built_.placeIndexOfSource[static_cast<size_t>(source)]; }
    QPoint pixelOf(int p) const {
        return MapToMiniMap(Content().place(p).x, Content().place(p).y, W(), H());
    }
    void clickMap(TZMHomeWin& home, QPoint at) {
        home.MiniMapMouseDown(at);
        home.MiniMapClick();
    }
    QRgb canvasAt(const TZMHomeWin& home, QPoint at) const {
        return home.miniMapCanvas().image().pixel(at);
    }

    int beeps = 0;
    BuiltEdition built_;
};

TEST_F(HomeTest, LaidOutForTheScreenWithItsMiniMap) {
    TZMHomeWin home;
    ASSERT_FALSE(Startup().Quitting);
    const HomeLayout layout = ArrangeHomeLayout(W(), H());
    EXPECT_EQ(home.geometry(), QRect(0, 0, W(), H()));
    EXPECT_EQ(home.MiniMap->geometry(), layout.miniMap);
    EXPECT_EQ(home.HomeTabs->geometry(), layout.homeTabs);
    EXPECT_EQ(home.CloseBtn->geometry(), layout.closeBtn);
    EXPECT_EQ(home.IconImage->geometry(), layout.iconImage);
    EXPECT_EQ(home.LeftBBar->geometry(), layout.leftBBar);
    EXPECT_EQ(home.HomeTabs->count(), 5);
    EXPECT_EQ(home.HomeTabs->tabText(4), QStringLiteral("Slideshow"));
    // The small screen gets the small mini map, stretched to the control.
    EXPECT_EQ(home.miniMapCanvas().image().size(), layout.miniMap.size());
    const QRgb expected = H() == 600 ? kSmallMiniMapColour : kLargeMiniMapColour;
    EXPECT_EQ(canvasAt(home, QPoint(50, 50)), expected);
    EXPECT_EQ(home.placeNames().size(), 60u);
    EXPECT_EQ(home.GoToSheet->GoToCombo->geometry().height(), H() * 260 / 600);
}

TEST_F(HomeTest, MissingMiniMapStopsTheStartAndKeepsTheStoredOptions) {
    const uint32_t stored = kStateNoHelpAtStart | kStateMusicOff | kStateUserMusic | kStateCaptions;
    writeStateBits(stored);
    std::remove((data.path() + (H() == 600 ? "mimimi.bmp" : "mimi.bmp")).c_str());
    TZMHomeWin home;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Cannot read data file - is Vantora Fernvales correctly installed?");
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_TRUE(Startup().StopStartup);
    // A shutdown once the windows are wired still finds the options never read: the stored
    // ones stay as they were.
    WireWindows(ProgramWindows{nullptr, nullptr, &home});
    Shutdown();
    uint32_t bits = 0;
    ASSERT_TRUE(PrefStore(kRegistryKeyPath).readValue("StateBits", bits));
    EXPECT_EQ(bits, stored);
}

// The program reads the mini map on a thread while the title card shows.
TEST_F(HomeTest, AMiniMapReadAheadIsTheOneReadInPlace) {
    const QImage inPlace = TZMHomeWin().miniMapCanvas().image();
    MiniMapLoad ahead;
    ahead.start();
    TZMHomeWin home(nullptr, {&ahead});
    ASSERT_FALSE(Startup().Quitting);
    EXPECT_EQ(home.miniMapCanvas().image(), inPlace);

    MiniMapLoad unused;
    unused.start();  // dropped unread, as when the start-up fails meanwhile: joined

    const std::string file = data.path() + (H() == 600 ? "mimimi.bmp" : "mimi.bmp");
    std::remove(file.c_str());
    MiniMapLoad missing;
    missing.start();
    TZMHomeWin broken(nullptr, {&missing});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Cannot read data file - is Vantora Fernvales correctly installed?");
    EXPECT_TRUE(Startup().Quitting);
}

// The stretched map is kept in the user's cache for the next start, for that very file.
TEST_F(HomeTest, TheKeptMiniMapServesOnlyTheFileItWasMadeFrom) {
    const QImage inPlace = TZMHomeWin().miniMapCanvas().image();
    const QDir kept(qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/vantora-fernvales"));
    EXPECT_EQ(kept.entryList({QStringLiteral("minimap-*")}, QDir::Files).size(), 1);
    EXPECT_EQ(TZMHomeWin().miniMapCanvas().image(), inPlace);  // read back

    // Changed, even to bytes of the same length, the file is read again (and found damaged).
    QFile bitmap(QString::fromStdString(data.path() + (H() == 600 ? "mimimi.bmp" : "mimi.bmp")));
    ASSERT_TRUE(bitmap.open(QIODevice::ReadWrite));
    bitmap.write(QByteArray(bitmap.size(), 'x'));
    bitmap.close();
    MiniMapLoad changed;
    changed.start();
    TZMHomeWin broken(nullptr, {&changed});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Cannot read data file - is Vantora Fernvales correctly installed?");
}

// The program leaves the pages behind the first tab to its one-time set-up.
TEST_F(HomeTest, HiddenPagesMadeLaterTakeTheirTabsAndTheStoredOptions) {
    writeStateBits(kStateCaptions | kStateMusicOff);
    TZMHomeWin home(nullptr, {nullptr, true});
    ASSERT_FALSE(Startup().Quitting);
    EXPECT_EQ(home.HomeTabs->count(), 5);
    EXPECT_EQ(home.HomeTabs->tabText(3), QStringLiteral("Tour"));
    EXPECT_EQ(home.SearchSheet, nullptr);
    EXPECT_EQ(home.HomeTabs->widget(0), static_cast<QWidget*>(home.GoToSheet));
    home.show();
    home.hide();  // with no Timeline page yet

    int tabChanges = 0;
    QObject::connect(home.HomeTabs, &QTabWidget::currentChanged, [&] { ++tabChanges; });
    home.MakeHiddenPages();
    ASSERT_NE(home.SearchSheet, nullptr);
    EXPECT_EQ(tabChanges, 0);
    EXPECT_EQ(home.HomeTabs->currentIndex(), 0);
    EXPECT_EQ(home.HomeTabs->widget(1), static_cast<QWidget*>(home.SearchSheet));
    EXPECT_EQ(home.HomeTabs->widget(2), static_cast<QWidget*>(home.TimeSheet));
    EXPECT_EQ(home.HomeTabs->widget(3), static_cast<QWidget*>(home.TourSheet));
    EXPECT_EQ(home.HomeTabs->widget(4), static_cast<QWidget*>(home.ShowSheet));
    EXPECT_EQ(home.HomeTabs->tabText(4), QStringLiteral("Slideshow"));
    EXPECT_EQ(home.ShowSheet->Options().TextMode, ShowTextMode::Captions);
    EXPECT_FALSE(home.ShowSheet->Options().MusicOn);
    // Laid out as when made with the screen.
    TZMHomeWin atOnce;
    EXPECT_EQ(home.TourSheet->geometry(), atOnce.TourSheet->geometry());
    EXPECT_EQ(home.ShowSheet->childrenRect(), atOnce.ShowSheet->childrenRect());

    SearchPage* search = home.SearchSheet;
    home.MakeHiddenPages();  // once only
    EXPECT_EQ(home.SearchSheet, search);
    home.HomeTabs->setCurrentIndex(4);
    home.SetShowMusicOn(true);
    EXPECT_TRUE(home.ShowSheet->Options().MusicOn);
}

TEST_F(HomeTest, OptionsStayAsStoredWhenTheProgramEndsBeforeThePagesAreMade) {
    const uint32_t stored = kStateScrollingTitles | kStateMusicOff;
    writeStateBits(stored);
    TZMHomeWin home(nullptr, {nullptr, true});
    home.SetShowMusicOn(true);  // nothing to follow it yet
    home.WritePreferenceBits();
    uint32_t bits = 0;
    ASSERT_TRUE(PrefStore(kRegistryKeyPath).readValue("StateBits", bits));
    EXPECT_EQ(bits, stored);
}

TEST_F(HomeTest, MapClickHandsTheNearestPlaceOver) {
    TZMHomeWin home;
    home.show();
    // Until the explore screen exists the place is only recorded, and this screen stays.
    const int target = place(7);
    clickMap(home, pixelOf(target) + QPoint(1, 0));
    const QPoint map = MiniMapToMap(pixelOf(target).x() + 1, pixelOf(target).y(), W(), H());
    EXPECT_EQ(Explore().CurrentPlace, NearestPlace(map.x(), map.y(), -1));
    EXPECT_TRUE(home.isVisible());

    int handOvers = 0;
    QObject::connect(&home, &TZMHomeWin::exploreRequested, [&] { ++handOvers; });
    clickMap(home, pixelOf(place(20)));
    EXPECT_EQ(handOvers, 1);
    EXPECT_FALSE(home.isVisible());
    EXPECT_FALSE(Explore().ExploreInSet);
}

TEST_F(HomeTest, ExploreInSetFollowsThePageThatBuiltTheSet) {
    TZMHomeWin home;
    ASSERT_GT(SelectYears(1500, 1600), 0);
    home.Pages.TimelineGeneration = Content().FoundGeneration;

    home.HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Search));
    clickMap(home, QPoint(10, 10));  // the search page found nothing yet: all places
    EXPECT_FALSE(Explore().ExploreInSet);
    home.Pages.LastSearchCount = 3;
    clickMap(home, QPoint(10, 10));
    EXPECT_TRUE(Explore().ExploreInSet);

    home.HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Timeline));
    clickMap(home, QPoint(10, 10));
    EXPECT_TRUE(Explore().ExploreInSet);
    EXPECT_TRUE(IsInFoundSet(Explore().CurrentPlace));
    ASSERT_GT(SelectYears(1500, 1700), 0);  // rebuilt by someone else: a newer generation
    clickMap(home, QPoint(10, 10));
    EXPECT_FALSE(Explore().ExploreInSet);

    home.HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Tour));
    EXPECT_FALSE(DecideExploreInSet(HomePage::Tour, home.Pages, true, Content().FoundGeneration));
    home.Pages.TourGeneration = Content().FoundGeneration;
    clickMap(home, QPoint(10, 10));
    EXPECT_TRUE(Explore().ExploreInSet);
    EXPECT_FALSE(DecideExploreInSet(HomePage::GoTo, home.Pages, true, Content().FoundGeneration));
}

// Found-set mode needs a found set: once a query leaves none, the map and the logo explore
// everywhere again.
TEST_F(HomeTest, NoFoundSetNoFoundSetMode) {
    TZMHomeWin home;
    QObject::connect(&home, &TZMHomeWin::exploreRequested, [] {});
    ASSERT_FALSE(HasFoundSet());
    Explore().ExploreInSet = true;
    home.IconImageClick();
    EXPECT_FALSE(Explore().ExploreInSet);

    home.Pages.LastSearchCount = 3;  // a search found places, then a later query found none
    home.HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Search));
    clickMap(home, pixelOf(place(5)));
    EXPECT_FALSE(Explore().ExploreInSet);
}

TEST_F(HomeTest, SlideshowPageChoosesTheStartOfTheShow) {
    TZMHomeWin home;
    home.HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Slideshow));
    int shows = 0;
    QObject::connect(&home, &TZMHomeWin::slideshowRequested, [&] { ++shows; });
    home.show();
    clickMap(home, pixelOf(place(3)));
    EXPECT_FALSE(home.isVisible());
    EXPECT_EQ(Content().ShowKind, 0);  // the standard show when none was chosen
    EXPECT_EQ(home.ShowSheet->SelectedShow, 0);
    const QPoint map = MiniMapToMap(pixelOf(place(3)).x(), pixelOf(place(3)).y(), W(), H());
    EXPECT_EQ(ShowWindowState().ShowPlace, NearestShowPlace(map.x(), map.y()));
    EXPECT_EQ(shows, 1);
}

TEST_F(HomeTest, HomeKeyExploresFromTheStartPointOrTheCurrentPlace) {
    TZMHomeWin home;
    QKeyEvent homeKey(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    EXPECT_TRUE(home.FormKeyDown(&homeKey));
    EXPECT_EQ(Explore().CurrentPlace, NearestPlace(1476, 2510, -1));

    ASSERT_GT(SelectYears(1500, 1550), 0);
    Explore().ExploreInSet = true;
    Explore().CurrentPlace = place(9);
    home.IconImageClick();
    const PlaceRecord& from = Content().place(place(9));
    EXPECT_EQ(Explore().CurrentPlace, NearestFoundPlace(from.x, from.y, -1));
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_FALSE(home.FormKeyDown(&other));
}

TEST_F(HomeTest, MarkAllDrawsEveryPlaceAndRestoreWipesThem) {
    TZMHomeWin home;
    const QRgb clean = canvasAt(home, QPoint(1, 1));
    home.GoToSheet->MarkCheckBox->setCheckState(Qt::Checked);
    home.GoToSheet->MarkCheckBoxClick();
    for (int p = 0; p < Content().PlaceCount; ++p)
        EXPECT_EQ(canvasAt(home, pixelOf(p)), kDotYellow) << p;
    home.GoToSheet->MarkCheckBox->setCheckState(Qt::Unchecked);
    home.GoToSheet->MarkCheckBoxClick();
    for (int p = 0; p < Content().PlaceCount; ++p)
        EXPECT_EQ(canvasAt(home, pixelOf(p)), clean) << p;

    // Another page unchecks the box and clears the dots.
    home.GoToSheet->MarkCheckBox->setCheckState(Qt::Checked);
    home.GoToSheet->MarkCheckBoxClick();
    home.HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Tour));
    EXPECT_EQ(home.GoToSheet->MarkCheckBox->checkState(), Qt::Unchecked);
    EXPECT_EQ(canvasAt(home, pixelOf(0)), clean);
}

TEST_F(HomeTest, FlashingAlternatesAndStopsDrawingWhenTheListEmpties) {
    TZMHomeWin home;
    const QRgb clean = canvasAt(home, QPoint(1, 1));
    ASSERT_GT(SelectYears(1500, 1560), 0);
    const int member = Content().FoundHead;
    home.StartFlash(false);
    EXPECT_TRUE(home.MMFlashTimer->isActive());
    home.MMFlashTimerTimer();
    EXPECT_EQ(canvasAt(home, pixelOf(member)), kDotYellow);
    home.MMFlashTimerTimer();
    EXPECT_EQ(canvasAt(home, pixelOf(member)), kDotGreen);

    home.RestoreMiniMap();
    EXPECT_FALSE(home.MMFlashTimer->isActive());
    home.StartFlash(false);
    ASSERT_EQ(SelectYears(3000, 3001), 0);  // the set is now empty
    home.MMFlashTimerTimer();
    EXPECT_EQ(canvasAt(home, pixelOf(member)), clean);
    EXPECT_TRUE(home.FlashPhase);

    // The show list flashes the same way; an empty one does not start.
    home.StopFlash();
    home.StartFlash(true);
    EXPECT_FALSE(home.MMFlashTimer->isActive());
    BuildShowList(2);
    home.StartFlash(true);
    home.MMFlashTimerTimer();
    for (int p = 0; p < Content().PlaceCount; ++p)
        EXPECT_EQ(canvasAt(home, pixelOf(p)), kDotYellow);
}

TEST_F(HomeTest, HidingPausesTheFlashAndShowingResumesIt) {
    TZMHomeWin home;
    home.show();
    ASSERT_GT(SelectYears(1500, 1560), 0);
    home.StartFlash(false);
    home.hide();
    EXPECT_FALSE(home.MMFlashTimer->isActive());
    EXPECT_TRUE(home.FlashWasRunning);
    home.show();
    EXPECT_TRUE(home.MMFlashTimer->isActive());
}

TEST_F(HomeTest, TypedNameIsRingedOnceWhileItKeepsMatching) {
    TZMHomeWin home;
    const QPoint dunby = pixelOf(place(0));
    home.GoToSheet->GoToCombo->setText(QStringLiteral("Dunb"));
    EXPECT_EQ(home.GoToSheet->MarkedPlace, place(0));
    EXPECT_EQ(canvasAt(home, dunby), kDotYellow);
    // Spoil the ring: a redraw would mend it.
    QImage& canvas = const_cast<QImage&>(home.miniMapCanvas().image());
    canvas.setPixel(dunby, 0xFF000000);
    home.GoToSheet->GoToCombo->setText(QStringLiteral("Dunby, C"));
    EXPECT_EQ(canvasAt(home, dunby), 0xFF000000u);

    home.GoToSheet->GoToCombo->setText(QStringLiteral("Dunw"));
    EXPECT_EQ(home.GoToSheet->MarkedPlace, place(1));
    EXPECT_NE(canvasAt(home, dunby), 0xFF000000u);  // the old ring was wiped
    home.GoToSheet->GoToComboExit();
    EXPECT_EQ(home.GoToSheet->MarkedPlace, -1);
    EXPECT_EQ(home.GoToSheet->MarkCheckBox->checkState(), Qt::Unchecked);
    home.GoToSheet->GoToComboEnter();
    EXPECT_EQ(home.GoToSheet->MarkCheckBox->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(home.GoToSheet->MarkedPlace, place(1));
}

TEST_F(HomeTest, GoBeepsOnNoMatchAndOtherwiseChoosesThePlace) {
    TZMHomeWin home;
    Explore().ExploreInSet = true;
    for (const char* text : {"", "1 Dunby", "Qz", "Dunbyx"}) {
        home.GoToSheet->GoToCombo->setText(QString::fromLatin1(text));
        home.GoToSheet->GoButtonClick();
    }
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(Explore().CurrentPlace, -1);
    home.GoToSheet->GoToCombo->setText(QStringLiteral("dunwell"));
    home.GoToSheet->GoButtonClick();
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(Explore().CurrentPlace, place(1));
    EXPECT_FALSE(Explore().ExploreInSet);
}

TEST_F(HomeTest, GoToPageKeysMoveThroughTheListAndEnterGoes) {
    TZMHomeWin home;
    int handOvers = 0;
    QObject::connect(&home, &TZMHomeWin::exploreRequested, [&] { ++handOvers; });
    home.show();
    GoToPage& page = *home.GoToSheet;
    const std::vector<std::string>& names = home.placeNames();
    const auto dunby = std::find(names.begin(), names.end(), "Dunby, Corvan") - names.begin();
    ASSERT_LT(dunby + 1, static_cast<long>(names.size()));

    // Up and Down in the field move through the list.
    page.GoToCombo->setText(QStringLiteral("Dunby, Corvan"));
    QLineEdit* field = page.GoToCombo->edit();
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(page.GoToCombo->latin1Text(), names[static_cast<size_t>(dunby + 1)]);
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(page.GoToCombo->latin1Text(), "Dunby, Corvan");

    // Enter in the field goes there, once.
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(handOvers, 1);
    EXPECT_EQ(Explore().CurrentPlace, place(0));

    // A name picked in the list, then Enter on it.
    home.show();
    QListWidget* list = page.GoToCombo->list();
    list->setCurrentRow(
        static_cast<int>(std::find(names.begin(), names.end(), "Dunwell, Corvan") - names.begin()));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(handOvers, 2);
    EXPECT_EQ(Explore().CurrentPlace, place(1));

    // Enter elsewhere on the page presses Go.
    home.show();
    page.GoToCombo->setText(QStringLiteral("Dunby, Corvan"));
    QTest::keyClick(page.MarkCheckBox, Qt::Key_Return);
    EXPECT_EQ(handOvers, 3);
    EXPECT_EQ(Explore().CurrentPlace, place(0));
}

TEST_F(HomeTest, StartPlaceGoesTheTypedWay) {
    data.write("StartHere.txt", "Nowhere, Corvan\n");
    {
        TZMHomeWin home;
        home.show();
        home.repaint();
        QApplication::processEvents();
        EXPECT_EQ(beeps, 1);
        EXPECT_FALSE(Content().StartHereText.has_value());
        home.repaint();
        QApplication::processEvents();
        EXPECT_EQ(beeps, 1);  // only once
        home.CloseBtnClick();
    }
    ResetStartupState();
    RunStartupChecks();
    Startup().DataDir = data.path();
    data.write("StartHere.txt", "Dunwell, Corvan\r\n");
    TZMHomeWin home;
    home.show();
    home.repaint();
    QApplication::processEvents();
    EXPECT_EQ(Explore().CurrentPlace, place(1));
}

TEST_F(HomeTest, ExitRunsTheShutdownUnlessCancelled) {
    writeStateBits(kStateScrollingTitles | kStateCaptions);
    TZMHomeWin home;
    EXPECT_EQ(home.ShowSheet->Options().TextMode, ShowTextMode::Captions);
    EXPECT_TRUE(home.ShowSheet->Options().MusicOn);

    WireWindows(ProgramWindows{nullptr, nullptr, &home});
    bool dialogSawDisabled = false;
    bool exiting = false;
    // The dialog's answer, as the wiring passes it on.
    QObject::connect(&home, &TZMHomeWin::exitDialogRequested, &home, [&] {
        dialogSawDisabled = !home.isEnabled();
        if (exiting)
            Shutdown();
        else
            home.ExitCancelled();
    });
    home.CloseBtnClick();
    EXPECT_TRUE(dialogSawDisabled);
    EXPECT_TRUE(home.isEnabled());
    EXPECT_FALSE(Startup().Quitting);

    home.ShowSheet->MusicOn->setChecked(false);
    home.ShowSheet->RadioButton2->setChecked(true);
    exiting = true;
    home.CloseBtnClick();
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_FALSE(Content().loaded());
    uint32_t bits = 0;
    ASSERT_TRUE(PrefStore(kRegistryKeyPath).readValue("StateBits", bits));
    EXPECT_EQ(bits, kStateMusicOff | kStateScrollingTitles);
}

}  // namespace
