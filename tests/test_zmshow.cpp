// The slideshow window: its layout, the cycle of timers from the map through the explosion and
// the views back to the map, the three kinds of titles, the music, and every way out.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <memory>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "app/screenset.h"
#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "content/showlist.h"
#include "platform/midiplayer.h"
#include "screens/common/pictureview.h"
#include "screens/explore/explorestate.h"
#include "screens/show/showlayout.h"
#include "screens/show/showmusic.h"
#include "screens/show/showstate.h"
#include "screens/show/zmshow.h"
#include "tests/support/music.h"
#include "tests/support/photographs.h"
#include "tests/support/screenfixture.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/photographs.h"

namespace {

constexpr int kPlaces = 60;         // fewer leave rows of the map without a place
constexpr int kStandardPlaces = 6;  // source places 0..5; views 1 and 3 are in the show
constexpr int kBarePlace = 6;       // in the standard show without a view of it
constexpr int kPortraitPlace = 2;   // its first view is a portrait
constexpr uint32_t kStandardView = 0x20;

class ShowTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        EditionSource source = SimpleEdition(kPlaces, 3, 3);
        QDir().mkpath(QString::fromStdString(sourceDir_.path() + "photos"));
        sourceDir_.write("photos/l.jpg",
                         EncodeJpeg(SyntheticPhotograph(kLandscapeWidth, kLandscapeHeight, 1), 60));
        sourceDir_.write("photos/p.jpg",
                         EncodeJpeg(SyntheticPhotograph(kPortraitWidth, kPortraitHeight, 2), 60));
        for (int p = 0; p < kPlaces; ++p) {
            SourcePlace& place = source.places[static_cast<size_t>(p)];
            place.inStandardShow = p < kStandardPlaces || p == kBarePlace;
            for (size_t v = 0; v < place.views.size(); ++v) {
                place.views[v].photo = "photos/l.jpg";
                if (p < kStandardPlaces && v != 1) place.views[v].topicMaskB = kStandardView;
            }
        }
        SourceView& portrait = source.places[kPortraitPlace].views[0];
        portrait.photo = "photos/p.jpg";
        portrait.portrait = true;
        built_ = Build(source);
        std::string error;
        ASSERT_TRUE(WritePhotographs(built_, sourceDir_.path(), data.path(), error)) << error;
        data.writeTable(built_.image);
        data.write("000/J1.dat", ShortPiece());
        LoadContent(Startup().DataDir);
        ASSERT_TRUE(Content().loaded());
        SetPictureRoot(data.path());
        Explore().ShowInterval = 2000;

        area_.resize(Startup().ScreenWidth, Startup().ScreenHeight);
        map_ = new QWidget(&area_);  // stands in for the detailed map
        Windows().MapWin = map_;
        show_ = std::make_unique<TZMShowWin>(&area_);
        show_->ArrangeControls();
        ASSERT_FALSE(Startup().Quitting);
        QObject::connect(show_.get(), &TZMShowWin::mapMoveRequested,
                         [this](int place) { mapPlaces.push_back(place); });
        QObject::connect(show_.get(), &TZMShowWin::mapShowRequested, [this] { map_->show(); });
        QObject::connect(show_.get(), &TZMShowWin::mapHideRequested, [this] { map_->hide(); });
        QObject::connect(show_.get(), &TZMShowWin::explosionStepRequested,
                         [this](const QRect&, const QRect& frame) { frames.push_back(frame); });
        QObject::connect(show_.get(), &TZMShowWin::exploreRequested, [this] { ++exploreCalls; });
        QObject::connect(show_.get(), &TZMShowWin::mapInputEnabled,
                         [this](bool on) { mapEnabled.push_back(on); });
        area_.show();
    }
    void TearDown() override {
        show_.reset();
        ReleasePictures();
        SetSlideshowVisibleQuery(nullptr);
        ScreenTest::TearDown();
    }

    int place(int source) const { return built_.placeIndexOfSource[static_cast<size_t>(source)]; }
    static void waitForLoader() {
        QElapsedTimer waited;
        waited.start();
        while (Pictures().LoadingView.load() != -1 && waited.elapsed() < 10000) {
            QCoreApplication::processEvents();
            QThread::msleep(2);
        }
    }
    void start(int kind, int sourcePlace, ShowTextMode mode = ShowTextMode::Captions) {
        BuildShowList(kind);
        ShowState& s = ShowWindowState();
        s.ShowPlace = place(sourcePlace);
        s.Options.TextMode = mode;
        s.Options.MusicOn = false;
        show_->show();
    }
    std::vector<QTimer*> cycleTimers() const {
        return {show_->FirstPicTimer, show_->ExplodeTimer, show_->NextPicTimer,
                show_->BackToMapTimer, show_->NewMapPlaceTimer};
    }
    int activeTimers() const {
        int n = 0;
        for (QTimer* timer : cycleTimers()) n += timer->isActive() ? 1 : 0;
        return n;
    }
    // Runs the one stage that is due, as its timer would.
    void step() {
        ASSERT_EQ(activeTimers(), 1);
        waitForLoader();
        if (show_->FirstPicTimer->isActive()) return show_->FirstPicTimerTimer();
        if (show_->ExplodeTimer->isActive()) return show_->ExplodeTimerTimer();
        if (show_->NextPicTimer->isActive()) return show_->NextPicTimerTimer();
        if (show_->BackToMapTimer->isActive()) return show_->BackToMapTimerTimer();
        show_->NewMapPlaceTimerTimer();
    }
    // Steps on until the view shown changes; returns it.
    int nextShownView() {
        const int before = ShowWindowState().LastShownView;
        for (int i = 0; i < 100 && ShowWindowState().LastShownView == before; ++i) step();
        return ShowWindowState().LastShownView;
    }
    void stepUntil(QTimer* timer) {
        for (int i = 0; i < 100 && !timer->isActive(); ++i) step();
        ASSERT_TRUE(timer->isActive());
    }

    BuiltEdition built_;
    DataDirectory sourceDir_;
    QWidget area_;
    QWidget* map_ = nullptr;
    std::unique_ptr<TZMShowWin> show_;
    std::vector<int> mapPlaces;
    std::vector<QRect> frames;
    std::vector<bool> mapEnabled;
    int exploreCalls = 0;
};

TEST_F(ShowTest, LaidOutForTheScreen) {
    const ShowLayout l = ArrangeShowLayout(Startup().ScreenWidth, Startup().ScreenHeight);
    EXPECT_EQ(show_->geometry(), l.window);
    EXPECT_EQ(show_->LanPicture->geometry(), l.lanPicture);
    EXPECT_EQ(show_->PortPicture->geometry(), l.portPicture);
    EXPECT_EQ(show_->StopButton->geometry(), l.stopButton);
    EXPECT_EQ(show_->TextScrollBox->geometry(), l.textScrollBox);
    EXPECT_EQ(show_->ScrollStep, Startup().ScreenWidth > 800 ? 2 : 1);
    for (QTimer* timer : cycleTimers()) EXPECT_FALSE(timer->isActive());
}

TEST_F(ShowTest, MissingShowMusicStopsTheStartUp) {
    show_.reset();
    QFile::remove(QString::fromStdString(data.path() + "000/J1.dat"));
    TZMShowWin broken(&area_);
    EXPECT_FALSE(Startup().Quitting) << "found by the one-time set-up";
    broken.ArrangeControls();
    EXPECT_TRUE(Startup().Quitting);
    ASSERT_FALSE(boxes.empty());
    EXPECT_NE(boxes.back().find("Cannot read data files"), std::string::npos);
}

TEST_F(ShowTest, StartShowsThePlaceOnTheMapAndRecordsTheRestartPlace) {
    start(kShowStandard, 3);
    EXPECT_EQ(Content().ShowStart, place(3));
    EXPECT_EQ(ShowWindowState().ShowMapPlace, place(3));
    ASSERT_FALSE(mapPlaces.empty());
    EXPECT_EQ(mapPlaces.back(), place(3));
    EXPECT_TRUE(map_->isVisible());
    EXPECT_EQ(mapEnabled, std::vector<bool>{false});
    EXPECT_TRUE(show_->FirstPicTimer->isActive());
    EXPECT_EQ(show_->FirstPicTimer->interval(), 2000);
    // The map-stage title: the place's name, low on the screen.
    EXPECT_TRUE(show_->CapSpace->isVisible());
    EXPECT_EQ(show_->CapSpace->y(), show_->layout().capTopLow);
    EXPECT_EQ(show_->CapSpace->toPlainText().toStdString(), PlaceName(place(3)));
}

TEST_F(ShowTest, CycleExplodesShowsTheViewsAndMovesOn) {
    start(kShowStandard, 0);
    step();  // the explosion starts
    EXPECT_TRUE(show_->ExplodeTimer->isActive());
    EXPECT_EQ(frames.size(), 1u);
    stepUntil(show_->NextPicTimer);
    EXPECT_EQ(frames.size(), 13u);  // frames 1 to 13, the 14th is the picture itself
    EXPECT_FALSE(map_->isVisible());
    const int first = Content().firstViewOf(place(0));
    EXPECT_EQ(ShowWindowState().LastShownView, first);
    EXPECT_TRUE(show_->LanPicture->isVisible());
    // Captions: landscape views have theirs half way down the strip under the picture.
    EXPECT_EQ(show_->CapSpace->y(), show_->layout().capTopMid);
    EXPECT_TRUE(show_->CapSpace->toPlainText().contains(QStringLiteral("Caption of view 1")));

    EXPECT_EQ(nextShownView(), first + 2);  // the second view is not in the standard show
    EXPECT_TRUE(show_->BackToMapTimer->isActive());
    step();
    EXPECT_TRUE(map_->isVisible());
    EXPECT_TRUE(show_->NewMapPlaceTimer->isActive());
    EXPECT_EQ(show_->NewMapPlaceTimer->interval(), 2000 / 3);
    const int next = ShowWindowState().ShowPlace;
    EXPECT_NE(next, place(0));
    step();
    EXPECT_EQ(mapPlaces.back(), next);
    EXPECT_EQ(show_->FirstPicTimer->interval(), 2000 * 2 / 3);
}

TEST_F(ShowTest, OnePlaceShowRepeatsThatPlace) {
    ContentStore& c = Content();
    for (int p = 0; p < c.PlaceCount; ++p)
        if (p != place(4))
            c.PlaceTable[p].PlaceFlags &= static_cast<uint8_t>(~kPlaceInStandardShow);
    start(kShowStandard, 4);
    const int first = c.firstViewOf(place(4));
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(nextShownView(), first);
        EXPECT_EQ(nextShownView(), first + 2);
        EXPECT_EQ(ShowWindowState().ShowPlace, place(4));
    }
}

TEST_F(ShowTest, EverywhereShowsOnlyFirstViews) {
    start(kShowAll, 0);
    std::vector<int> seenPlaces;
    for (int i = 0; i < 15; ++i) {
        const int view = nextShownView();
        const int at = Content().view(view).Place;
        EXPECT_EQ(view, Content().firstViewOf(at));
        seenPlaces.push_back(at);
    }
    std::sort(seenPlaces.begin(), seenPlaces.end());
    EXPECT_EQ(std::unique(seenPlaces.begin(), seenPlaces.end()), seenPlaces.end());
}

TEST_F(ShowTest, PlaceWithoutAViewOfTheShowIsPassedBy) {
    start(kShowStandard, kBarePlace);
    EXPECT_EQ(ShowWindowState().ShowView, -1);
    step();
    EXPECT_TRUE(frames.empty());
    EXPECT_TRUE(show_->NewMapPlaceTimer->isActive());
    EXPECT_NE(ShowWindowState().ShowPlace, place(kBarePlace));
    // The show goes on at the next place.
    EXPECT_NE(nextShownView(), -1);
}

TEST_F(ShowTest, PortraitViewsUseThePortraitAreaAndTheLowCaption) {
    start(kShowStandard, kPortraitPlace);
    step();
    // The explosion aims at the portrait area's centre.
    stepUntil(show_->NextPicTimer);
    EXPECT_EQ(frames.back().width(), show_->layout().portPicture.width() * 13 / 14);
    EXPECT_TRUE(show_->PortPicture->isVisible());
    EXPECT_FALSE(show_->LanPicture->isVisible());
    EXPECT_EQ(show_->CapSpace->y(), show_->layout().capTopLow);
}

TEST_F(ShowTest, KeepsACopyOfTheShownPictureOnlyWhileItIsShown) {
    start(kShowStandard, kPortraitPlace);
    stepUntil(show_->NextPicTimer);
    EXPECT_FALSE(show_->PortPicture->picture().isNull());
    for (int i = 0; i < 20 && !show_->LanPicture->isVisible(); ++i) nextShownView();
    ASSERT_TRUE(show_->LanPicture->isVisible()) << "no landscape view followed";
    EXPECT_FALSE(show_->LanPicture->picture().isNull());
    EXPECT_TRUE(show_->PortPicture->picture().isNull());
    show_->hide();
    EXPECT_TRUE(show_->LanPicture->picture().isNull());
}

TEST_F(ShowTest, ProductTextModeTitlesUnderThePictureAndScrollsTheProduct) {
    start(kShowStandard, 0, ShowTextMode::ProductText);
    EXPECT_FALSE(show_->CapSpace->isVisible());
    EXPECT_TRUE(show_->TextScrollBox->isVisible());
    EXPECT_TRUE(show_->scrollText().startsWith(QStringLiteral("Explore Verdanis")));
    EXPECT_TRUE(show_->scrollClockRunning());
    nextShownView();
    EXPECT_TRUE(show_->PlacenamePanel->isVisible());
    EXPECT_TRUE(
        show_->PlacenamePanel->text().startsWith(QString::fromLatin1(PlaceName(place(0)).c_str())));
    // When a product text has crossed, the next one follows.
    for (int i = 0; i < 100000 && show_->scrollText().startsWith(QStringLiteral("Explore")); ++i)
        show_->TextScrollTick();
    EXPECT_TRUE(show_->scrollText().startsWith(QStringLiteral("We sample")));
}

TEST_F(ShowTest, ScrollingTitlesMeasureTheirTicksOnce) {
    Explore().ShowInterval = 140;
    start(kShowStandard, 0, ShowTextMode::ScrollingTitles);
    nextShownView();
    EXPECT_FALSE(show_->CapSpace->isVisible());
    EXPECT_TRUE(show_->scrollClockRunning());
    EXPECT_TRUE(show_->scrollText().startsWith(QString::fromLatin1(PlaceName(place(0)).c_str())));
    EXPECT_EQ(ShowWindowState().TicksPerScroll, -1);
    QElapsedTimer waited;
    waited.start();
    while (!show_->scrollRun().finished() && waited.elapsed() < 5000) {
        QThread::msleep(14);
        show_->TextScrollTick();
    }
    EXPECT_FALSE(show_->scrollClockRunning());
    EXPECT_EQ(ShowWindowState().TicksPerScroll, show_->scrollRun().ticks());
    EXPECT_GT(ShowWindowState().TicksPerScroll, 0);
}

TEST_F(ShowTest, StopDuringTheExplosionEndsEveryStep) {
    start(kShowStandard, 0);
    step();
    step();
    ASSERT_TRUE(show_->ExplodeTimer->isActive());
    const size_t drawn = frames.size();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_TRUE(show_->FormKeyDown(&escape));
    show_->ExplodeTimerTimer();  // a tick that was already due
    EXPECT_EQ(frames.size(), drawn);
    EXPECT_EQ(activeTimers(), 0);
    EXPECT_FALSE(show_->isVisible());
    EXPECT_EQ(exploreCalls, 1);
    EXPECT_EQ(Explore().CurrentPlace, place(0));
    EXPECT_FALSE(Explore().ExploreInSet);
    EXPECT_EQ(Explore().ArrivalMode, kArriveFromElsewhere);
    EXPECT_EQ(mapEnabled.back(), true);
}

TEST_F(ShowTest, StopDuringATitleScrollEndsTheScroll) {
    start(kShowStandard, 0, ShowTextMode::ScrollingTitles);
    nextShownView();
    ASSERT_TRUE(show_->scrollClockRunning());
    show_->StopButtonClick();
    EXPECT_FALSE(show_->scrollClockRunning());
    const int position = show_->scrollRun().position();
    QThread::msleep(30);
    show_->TextScrollTick();
    EXPECT_EQ(show_->scrollRun().position(), position);
    show_->NextPicTimerTimer();
    EXPECT_EQ(activeTimers(), 0);
}

TEST_F(ShowTest, StopExploresThePlaceLastShownOnTheMap) {
    start(kShowStandard, 1);
    stepUntil(show_->BackToMapTimer);
    step();  // the show has chosen its next place but the map still shows this one
    ASSERT_NE(ShowWindowState().ShowPlace, place(1));
    show_->StopButtonClick();
    EXPECT_EQ(Explore().CurrentPlace, place(1));
    EXPECT_EQ(activeTimers(), 0);
}

TEST_F(ShowTest, HomeKeyGoesBackToTheControlScreen) {
    QWidget home(&area_);
    home.hide();
    Windows().ZMHomeWin = &home;
    start(kShowStandard, 0);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    EXPECT_TRUE(show_->FormKeyDown(&key));
    EXPECT_TRUE(home.isVisible());
    EXPECT_FALSE(show_->isVisible());
    EXPECT_FALSE(map_->isVisible());  // no explore screen: the map goes too
    EXPECT_EQ(activeTimers(), 0);
    EXPECT_EQ(exploreCalls, 0);
}

TEST_F(ShowTest, ExitAsksTheControlScreenAsTheSlideshow) {
    std::vector<ExitRequester> askers;
    QObject::connect(show_.get(), &TZMShowWin::exitRequested,
                     [&](ExitRequester asker) { askers.push_back(asker); });
    start(kShowStandard, 0);
    show_->SpeedButton1Click();
    EXPECT_EQ(askers, std::vector<ExitRequester>{ExitRequester::SlideshowWindow});
    EXPECT_FALSE(show_->isVisible());
    EXPECT_EQ(activeTimers(), 0);
}

TEST_F(ShowTest, LoadedMusicWithoutAFilePlaysTheStandardMusic) {
    ShowState& s = ShowWindowState();
    BuildShowList(kShowStandard);
    s.ShowPlace = place(0);
    s.Options.MusicOn = true;
    s.Options.UserMusic = true;
    show_->show();
    EXPECT_EQ(show_->music().file(), data.path() + "000/J1.dat");
    EXPECT_TRUE(s.ShowMusicOn);  // silent, as without a music device
    EXPECT_TRUE(show_->ShowMusic->isPlaying());
    // The show runs the same.
    EXPECT_NE(nextShownView(), -1);

    // After each end the music comes again five seconds later.
    show_->ShowMusic->stop();
    EXPECT_TRUE(show_->MusicRepTimer->isActive());
    EXPECT_EQ(show_->MusicRepTimer->interval(), 5000);

    std::vector<bool> switched;
    QObject::connect(show_.get(), &TZMShowWin::musicSwitched,
                     [&](bool on) { switched.push_back(on); });
    show_->MusicButtonClick();
    EXPECT_FALSE(s.ShowMusicOn);
    EXPECT_FALSE(show_->MusicRepTimer->isActive());
    show_->MusicButtonClick();
    EXPECT_TRUE(s.ShowMusicOn);
    EXPECT_EQ(switched, (std::vector<bool>{false, true}));
    show_->hide();
    EXPECT_FALSE(s.ShowMusicOn);
    EXPECT_FALSE(show_->ShowMusic->isPlaying());
}

#ifdef __linux__
// The nice value of a picture worker thread started now.
int workerNice() {
    PictureWorkerShared shared;
    int nice = 0;
    PictureJob job;
    job.PicturePath = "/nonexistent";
    job.Priority = PictureWorkerPriority(Pictures().SlideshowVisible);
    {
        errno = 0;
        TBackgdOpen worker(job, shared, [&nice] {
            nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
        });
    }
    return nice;
}

TEST_F(ShowTest, PictureWorkerRunsAtTheLowestPriorityWhileTheShowIsVisible) {
    SetSlideshowVisibleQuery(SlideshowVisible);
    const int normal = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    EXPECT_EQ(workerNice(), normal);
    start(kShowStandard, 0);
    EXPECT_GT(workerNice(), normal);
    show_->hide();
    EXPECT_EQ(workerNice(), normal);
}
#endif

}  // namespace
