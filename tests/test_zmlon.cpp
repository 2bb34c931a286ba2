// The London inset: when it shows, its close box, the flashing marker, the colours of found-set
// mode on the inset and on the map's London picture, clicks, hints and keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>

#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "app/wiring.h"
#include "content/datatables.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/zmlon.h"
#include "screens/map/londonpictures.h"
#include "screens/map/mapcolours.h"
#include "screens/map/zmmap.h"
#include "tests/support/mapfixture.h"

namespace {

class LondonTest : public MapTest {
  protected:
    void SetUp() override {
        MapTest::SetUp();
        area.resize(Startup().ScreenWidth, Startup().ScreenHeight);
        area.show();
        map = std::make_unique<TMapWin>(&area);
        london = std::make_unique<TZMLondon>(&area);
        ProgramWindows windows;
        windows.map = map.get();
        windows.london = london.get();
        WireWindows(windows);
        RunOneTimeSetUp(windows);
    }
    void TearDown() override {
        london.reset();
        map.reset();
        MapTest::TearDown();
    }
    // Arriving at a place as the explore screen does: the map moves, then shows.
    void arriveAt(int source) {
        map->MoveMapToPlace(place(source));
        map->ShowMapWindow();
    }
    // Leaving a place as the explore screen does.
    void leaveFor(int current, int next) {
        const bool here = Content().place(place(current)).PlaceFlags2 & kPlaceOnLondonInset;
        const bool there = Content().place(place(next)).PlaceFlags2 & kPlaceOnLondonInset;
        Explore().CameFromLondon = here;
        if (here && !there) london->hide();
    }
    QPoint insetPoint(int source) const {
        return (position(source) - kLondonBox.topLeft()) * kLondonInsetScale;
    }
    QPoint miniPoint(int source) const { return position(source) - kLondonBox.topLeft(); }
    const QImage& lonImage() const { return map->londonPictures().lonImage(); }

    QWidget area;
    std::unique_ptr<TMapWin> map;
    std::unique_ptr<TZMLondon> london;
};

TEST_F(LondonTest, ToolWindowAtTheTopLeft) {
    EXPECT_EQ(london->pos(), QPoint(0, 0));
    EXPECT_EQ(london->LonImage->size(), QSize(384, 276));
    EXPECT_EQ(lonImage().size(), QSize(384, 276));
    EXPECT_EQ(london->Caption->text(), QStringLiteral("Central London"));
    EXPECT_TRUE(london->geometry().contains(london->LonImage->geometry()));
    EXPECT_FALSE(london->isVisible());
}

TEST_F(LondonTest, ShowsWhileWantedAndTheWholeBoxIsInView) {
    arriveAt(kLondonA);
    EXPECT_TRUE(Explore().LondonWanted);
    EXPECT_TRUE(london->isVisible());
    map->HorzScrollBar->setValue(map->LondonMinH - 1);  // the box's right edge out of view
    EXPECT_FALSE(london->isVisible());
    map->HorzScrollBar->setValue(map->LondonMinH);
    EXPECT_TRUE(london->isVisible());
    map->VertScrollBar->setValue(kLondonBox.top() + 1);  // its top edge out of view
    EXPECT_FALSE(london->isVisible());
    map->VertScrollBar->setValue(kLondonBox.top());
    EXPECT_TRUE(london->isVisible());
    map->HideMapWindow();
    EXPECT_FALSE(london->isVisible());
}

TEST_F(LondonTest, ClosedStaysClosedAmongLondonPlacesAndReturnsAfterLeavingLondon) {
    arriveAt(kLondonA);
    ASSERT_TRUE(london->isVisible());
    london->CloseBox->click();
    EXPECT_FALSE(london->isVisible());
    EXPECT_FALSE(Explore().LondonWanted);

    leaveFor(kLondonA, kLondonB);
    arriveAt(kLondonB);
    EXPECT_FALSE(london->isVisible());

    leaveFor(kLondonB, kInsideSet);
    arriveAt(kInsideSet);
    EXPECT_FALSE(london->isVisible());
    leaveFor(kInsideSet, kLondonC);
    arriveAt(kLondonC);
    EXPECT_TRUE(london->isVisible());

    leaveFor(kLondonC, kOutsideSet);
    EXPECT_FALSE(london->isVisible());  // hidden at once on leaving
    arriveAt(kOutsideSet);
    EXPECT_FALSE(london->isVisible());
    EXPECT_FALSE(Explore().LondonWanted);
}

TEST_F(LondonTest, MarkerFlashesInXorAndIsErasedOnLeavingOrClosing) {
    arriveAt(kLondonB);
    const QImage clean = lonImage().copy();
    map->FlashTimerTimer();  // dark: marker drawn
    const QRgb marked = lonImage().pixel(insetPoint(kLondonB));
    EXPECT_NE(marked, clean.pixel(insetPoint(kLondonB)));
    EXPECT_EQ(qAlpha(marked), 255);
    map->FlashTimerTimer();  // light: erased
    EXPECT_EQ(lonImage(), clean);

    map->FlashTimerTimer();
    london->FormClose();
    EXPECT_EQ(lonImage(), clean);
    // Wanted again while the dot is still dark: the marker comes back with the next dark phase.
    arriveAt(kLondonB);
    EXPECT_EQ(lonImage(), clean);
    map->FlashTimerTimer();
    EXPECT_NE(lonImage(), clean);
    map->FlashTimerTimer();

    arriveAt(kLondonB);
    map->FlashTimerTimer();
    leaveFor(kLondonB, kOutsideSet);
    arriveAt(kOutsideSet);
    EXPECT_EQ(lonImage(), clean);
    map->FlashTimerTimer();  // no marker for a place away from London
    EXPECT_EQ(lonImage(), clean);
}

TEST_F(LondonTest, FoundSetModeGreysOutsidePlacesOnBothPictures) {
    const QPoint b = insetPoint(kLondonB);
    EXPECT_EQ(lonImage().pixel(b), kDotYellow);
    arriveAt(kLondonB);
    map->FlashTimerTimer();  // the marker is drawn while the colours change
    SelectFoundSet();
    Explore().ExploreInSet = true;
    map->UpdateLondonPictures();
    map->FlashTimerTimer();
    for (const QPoint offset :
         {QPoint(0, 0), QPoint(-8, 0), QPoint(8, 0), QPoint(0, -10), QPoint(0, 10)})
        EXPECT_EQ(lonImage().pixel(b + offset), kLondonGrey);
    EXPECT_EQ(lonImage().pixel(insetPoint(kLondonC)), kLondonGrey);
    EXPECT_EQ(lonImage().pixel(insetPoint(kLondonA)), kDotYellow);  // in the set
    const QImage& mini = map->londonPictures().miniLonImage2();
    EXPECT_EQ(mini.pixel(miniPoint(kLondonB)), kGreyedDot);
    EXPECT_EQ(mini.pixel(miniPoint(kLondonA)), kDotYellow);

    Explore().ExploreInSet = false;
    map->UpdateLondonPictures();
    for (int s : {kLondonA, kLondonB, kLondonC}) {
        EXPECT_EQ(lonImage().pixel(insetPoint(s)), kDotYellow) << s;
        EXPECT_EQ(map->londonPictures().miniLonImage2().pixel(miniPoint(s)), kDotYellow) << s;
    }
}

TEST_F(LondonTest, ClicksWorkLikeClicksOnTheMap) {
    std::vector<int> moves;
    int nextViews = 0;
    QObject::connect(map.get(), &TMapWin::placeClicked, [&](int p) { moves.push_back(p); });
    QObject::connect(map.get(), &TMapWin::nextViewRequested, [&] { ++nextViews; });
    arriveAt(kLondonA);

    london->LonImageMouseDown(insetPoint(kLondonC) + QPoint(5, 5));
    EXPECT_EQ(map->DownX, (insetPoint(kLondonC).x() + 5) / 6 + 2342 - map->H());
    EXPECT_EQ(map->DownY, (insetPoint(kLondonC).y() + 5) / 6 + 3870 - map->V());
    london->LonImageClick();
    EXPECT_EQ(moves, std::vector<int>{place(kLondonC)});

    const QPointF at = insetPoint(kLondonB);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, london->LonImage->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(london->LonImage, &event);
    }
    EXPECT_EQ(moves, (std::vector<int>{place(kLondonC), place(kLondonB)}));
    EXPECT_EQ(nextViews, 1);
}

TEST_F(LondonTest, HintNamesThePlaceUnderThePointer) {
    arriveAt(kLondonA);
    const QPoint at = insetPoint(kLondonC) + QPoint(6, -6);
    QHelpEvent help(QEvent::ToolTip, at, london->LonImage->mapToGlobal(at));
    QApplication::sendEvent(london->LonImage, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromLatin1(PlaceName(place(kLondonC)).c_str()));
    EXPECT_EQ(map->LastHintPlace, place(kLondonC));
    QToolTip::hideText();
}

TEST_F(LondonTest, KeysAndTheMenuAreAskedOfOthers) {
    qRegisterMetaType<QKeyEvent*>();
    QSignalSpy downs(london.get(), &TZMLondon::keyPressed);
    QSignalSpy ups(london.get(), &TZMLondon::keyReleased);
    QSignalSpy menus(london.get(), &TZMLondon::menuRequested);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    QApplication::sendEvent(london.get(), &down);
    QApplication::sendEvent(london.get(), &up);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(50, 60));
    QApplication::sendEvent(london.get(), &menu);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).value<QKeyEvent*>(), &down);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).value<QKeyEvent*>(), &up);
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus.at(0).at(0).toPoint(), QPoint(50, 60));
}

TEST(LondonPicture, LoadedAtItsOwnSizeOnly) {
    QTemporaryDir dir;
    QImage picture(64, 46, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    picture.setPixel(9, 20, kDotYellow);
    const QString path = dir.filePath(QStringLiteral("mini.png"));
    ASSERT_TRUE(picture.save(path));
    const QImage loaded = LoadLondonPicture(path, QSize(64, 46));
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded, picture);
    EXPECT_TRUE(LoadLondonPicture(path, QSize(384, 276)).isNull());
    EXPECT_TRUE(
        LoadLondonPicture(dir.filePath(QStringLiteral("none.png")), QSize(64, 46)).isNull());
    EXPECT_EQ(InsetToMap(QPoint(0, 0)), QPoint(2342, 3870));
    EXPECT_EQ(InsetToMap(QPoint(383, 275)), QPoint(2405, 3915));
}

}  // namespace
