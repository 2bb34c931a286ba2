// The detailed map window: set-up and tiles, low-memory mode, the canvas (tiles where they
// belong, scrolling, found-set greying), flashing, moving to a place, clicks, hints, the menu
// and the keys it passes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <cstdio>
#include <fstream>

#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/startupstate.h"
#include "app/wiring.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/maptilefiles.h"
#include "content/nearestplace.h"
#include "platform/printbox.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/map/mapcolours.h"
#include "screens/map/maphint.h"
#include "screens/map/maplayout.h"
#include "screens/map/zmmap.h"
#include "screens/map/zmmapkey.h"
#include "tests/support/mapfixture.h"
#include "tests/support/maptiles.h"
#include "tests/support/pdfprinting.h"

namespace {

// Waits for what Qt does on a timer of its own.
template <typename Condition>
bool waitUntil(Condition condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

// The windows live in a stand-in for the stage's area, as they do in the program.
class MapWindowTest : public MapTest {
  protected:
    void initMap() {
        area.resize(Startup().ScreenWidth, Startup().ScreenHeight);
        area.show();
        map = std::make_unique<TMapWin>(&area);
        map->InitMapWindow();
    }
    // The program's connections between the map, its key and the shell.
    void wire(TMapKey* key = nullptr) {
        ProgramWindows windows;
        windows.map = map.get();
        windows.mapKey = key;
        WireWindows(windows);
    }
    QPoint origin() const { return QPoint(map->H(), map->V()); }
    QPoint windowPoint(int source) const { return position(source) - origin(); }
    QRgb canvasAt(QPoint at) const { return map->canvas().pixel(at); }
    QRgb placePixel(int source) const { return canvasAt(windowPoint(source)); }
    void scrollTo(QPoint to) {
        map->HorzScrollBar->setValue(to.x());
        map->VertScrollBar->setValue(to.y());
    }
    // Every sampled ground pixel of the canvas shows the colour of the tile it lies on.
    void expectTilesInPlace() const {
        int checked = 0;
        const QSize client = map->clientSize();
        for (int y = 0; y < client.height(); y += 37) {
            for (int x = 0; x < client.width(); x += 37) {
                const QPoint onMap = QPoint(x, y) + origin();
                if (NearestPlace(onMap.x(), onMap.y(), 6) != -1) continue;  // a dot
                ++checked;
                ASSERT_EQ(canvasAt(QPoint(x, y)), TileColour(onMap.x() / 512, onMap.y() / 256))
                    << x << "," << y << " at " << map->H() << "," << map->V();
            }
        }
        EXPECT_GT(checked, 150);
    }
    void removeTile(int column, int row) const {
        std::remove((dataDir() + "000/" + MapTileSeed(column, row)).c_str());
    }

    QWidget area;
    std::unique_ptr<TMapWin> map;
};

TEST_F(MapWindowTest, SetUpForTheScreenWithTheFirstTilesLoaded) {
    initMap();
    const int W = Startup().ScreenWidth;
    const int Hs = Startup().ScreenHeight;
    const int extent = map->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, map.get());
    const QSize client(W * 768 / 800 - extent, Hs * 512 / 600 - extent);
    EXPECT_EQ(map->geometry(), MapWindowRect(W, Hs));
    EXPECT_EQ(map->clientSize(), client);
    EXPECT_EQ(map->canvas().size(), client);
    EXPECT_EQ(map->HorzScrollBar->maximum(), 3072 - client.width());
    EXPECT_EQ(map->VertScrollBar->maximum(), 4864 - client.height());
    EXPECT_EQ(map->HorzScrollBar->singleStep(), W * 8 / 800);
    EXPECT_EQ(map->VertScrollBar->singleStep(), Hs * 8 / 600);
    EXPECT_TRUE(map->HorzScrollBar->hasTracking());
    EXPECT_EQ(map->LondonMinH, 2406 - client.width());
    EXPECT_EQ(map->LondonMinV, 3916 - client.height());

    EXPECT_TRUE(map->TilesAllocated);
    // Only the top left corner the map opens on, not the 114 tiles of the whole map.
    const int loaded = map->tiles().loadedCount();
    EXPECT_GT(loaded, 0);
    EXPECT_LE(loaded, 12);
    EXPECT_NE(map->tiles().tile(0, 0), nullptr);
    EXPECT_EQ(map->tiles().tile(kMapTileColumns - 1, kMapTileRows - 1), nullptr);
    EXPECT_EQ(map->tiles().bytesHeld(), int64_t{loaded} * 512 * 256);  // one byte a pixel
    EXPECT_TRUE(boxes.empty());
    expectTilesInPlace();
}

TEST_F(MapWindowTest, MissingOrUnreadableTileStopsTheStart) {
    const std::string tile = dataDir() + "000/312.bmp";
    std::vector<char> kept;
    {
        std::ifstream in(tile, std::ios::binary);
        kept.assign(std::istreambuf_iterator<char>(in), {});
    }
    const auto restore = [&] {
        std::ofstream(tile, std::ios::binary)
            .write(kept.data(), static_cast<std::streamsize>(kept.size()));
    };
    removeTile(3, 12);
    initMap();
    restore();
    ASSERT_EQ(boxes, std::vector<std::string>{
                         "Cannot read data files - is Vantora Fernvales correctly installed?"});
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_TRUE(Startup().StopStartup);
    EXPECT_EQ(Startup().ExitCode, 1);

    // A damaged tile is as good as none: at the start for a tile the map opens on.
    ResetStartupState();
    Startup().ScreenWidth = 800;
    Startup().ScreenHeight = 600;
    Startup().DataDir = dataDir();
    boxes.clear();
    const std::string first = dataDir() + "000/000.bmp";
    {
        std::ifstream in(first, std::ios::binary);
        kept.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::ofstream(first, std::ios::binary | std::ios::trunc) << "BM not a bitmap";
    initMap();
    std::ofstream(first, std::ios::binary)
        .write(kept.data(), static_cast<std::streamsize>(kept.size()));
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Startup().Quitting);
}

TEST_F(MapWindowTest, CheckMapTilesLooksAtTheDiagonal) {
    initMap();
    EXPECT_TRUE(map->CheckMapTiles());
    const std::string tile = dataDir() + "000/303.bmp";
    const std::string aside = tile + ".aside";
    std::rename(tile.c_str(), aside.c_str());
    EXPECT_FALSE(map->CheckMapTiles());
    std::rename(aside.c_str(), tile.c_str());
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Startup().Quitting);
}

TEST_F(MapWindowTest, LowMemoryTurnsOffThumbTracking) {
    Startup().LowMemory = true;
    initMap();
    EXPECT_FALSE(map->HorzScrollBar->hasTracking());
    EXPECT_FALSE(map->VertScrollBar->hasTracking());
}

TEST_F(MapWindowTest, KeepsOnlyTheTilesInView) {
    initMap();
    const auto expectOnlyVisible = [&] {
        const TileRange visible = TilesMeeting(QRect(origin(), map->clientSize()));
        int inView = 0;
        for (int c = 0; c < kMapTileColumns; ++c) {
            for (int r = 0; r < kMapTileRows; ++r) {
                EXPECT_EQ(map->tiles().tile(c, r) != nullptr, visible.contains(c, r))
                    << c << "," << r;
                inView += visible.contains(c, r);
            }
        }
        EXPECT_EQ(map->tiles().loadedCount(), inView);
        EXPECT_LE(map->tiles().bytesHeld(), int64_t{12} * 512 * 256);
        expectTilesInPlace();
    };
    expectOnlyVisible();
    map->MoveMapToPlace(place(kLondonA));
    expectOnlyVisible();
    scrollTo(QPoint(2000, 100));
    expectOnlyVisible();
    scrollTo(QPoint(map->HorzScrollBar->maximum(), map->VertScrollBar->maximum()));
    expectOnlyVisible();
}

TEST_F(MapWindowTest, ScrollingMovesTheCanvasAndDrawsOnlyWhatItUncovers) {
    SelectFoundSet();
    Explore().ExploreInSet = true;  // grey dots in the strips too
    initMap();
    map->MoveMapToPlace(place(kLondonB));
    for (const QPoint step :
         {QPoint(40, -24), QPoint(-8, 0), QPoint(0, 96), QPoint(-300, -200), QPoint(2000, 0)}) {
        scrollTo(origin() + step);
        const QImage scrolled = map->canvas().copy();
        map->RepaintMap();
        ASSERT_EQ(scrolled, map->canvas()) << step.x() << "," << step.y();
    }
    Explore().ExploreInSet = false;
    map->RepaintMap();
    scrollTo(origin() + QPoint(-100, 50));
    expectTilesInPlace();
}

TEST_F(MapWindowTest, FoundSetModeGreysThePlacesOutsideTheSet) {
    SelectFoundSet();
    initMap();
    map->MoveMapToPlace(place(kOutsideSet));
    EXPECT_EQ(placePixel(kOutsideSet), kDotYellow);  // the tile's own dot
    Explore().ExploreInSet = true;
    map->RepaintMap();
    EXPECT_EQ(placePixel(kOutsideSet), kGreyedDot);
    map->MoveMapToPlace(place(kInsideSet));
    EXPECT_EQ(placePixel(kInsideSet), kDotYellow);

    // London places keep their dots on the map's London picture, greyed there.
    map->MoveMapToPlace(place(kLondonB));
    EXPECT_NE(placePixel(kLondonB), kGreyedDot);
    map->UpdateLondonPictures();
    EXPECT_EQ(placePixel(kLondonB), kGreyedDot);
    EXPECT_EQ(placePixel(kLondonA), kDotYellow);

    Explore().ExploreInSet = false;
    map->RepaintMap();
    EXPECT_EQ(placePixel(kLondonB), kDotYellow);
    map->MoveMapToPlace(place(kOutsideSet));
    EXPECT_EQ(placePixel(kOutsideSet), kDotYellow);
}

TEST_F(MapWindowTest, FlashGoesDarkAndLightAndStopsLight) {
    initMap();
    map->MoveMapToPlace(place(kInsideSet));
    EXPECT_EQ(map->FlashedPlace, place(kInsideSet));
    EXPECT_TRUE(map->FlashTimer->isActive());
    EXPECT_EQ(map->FlashTimer->interval(), 50);
    EXPECT_FALSE(map->FlashDark);

    map->FlashTimerTimer();
    EXPECT_EQ(placePixel(kInsideSet), kFlashDark);
    EXPECT_TRUE(map->FlashDark);
    EXPECT_EQ(map->FlashTimer->interval(), 700);
    map->RepaintMap();  // drawn again while dark: stays dark
    EXPECT_EQ(placePixel(kInsideSet), kFlashDark);
    map->FlashTimerTimer();
    EXPECT_EQ(placePixel(kInsideSet), kDotYellow);
    EXPECT_FALSE(map->FlashDark);

    map->FlashTimerTimer();
    map->StopFlash();
    EXPECT_EQ(placePixel(kInsideSet), kDotYellow);
    EXPECT_FALSE(map->FlashDark);
    EXPECT_FALSE(map->FlashTimer->isActive());

    // Moving the flash leaves the old dot light.
    map->StartFlash();
    map->FlashTimerTimer();
    map->FlashPlace(place(kOutsideSet));
    EXPECT_EQ(placePixel(kInsideSet), kDotYellow);
    EXPECT_EQ(map->FlashedPlace, place(kOutsideSet));
    EXPECT_TRUE(map->FlashTimer->isActive());
}

TEST_F(MapWindowTest, FlashOfAPlaceOutOfViewChangesNothing) {
    initMap();
    scrollTo(QPoint(0, 0));
    map->FlashPlace(place(kLondonC));
    const QImage before = map->canvas().copy();
    map->FlashTimerTimer();
    map->FlashTimerTimer();
    EXPECT_EQ(map->canvas(), before);
}

TEST_F(MapWindowTest, MoveMapToPlaceScrollsNamesAndKeepsTheLondonFlags) {
    initMap();
    TMapKey key(&area);
    key.SetUpMapKey();
    wire(&key);
    map->MoveMapToPlace(place(kLondonA));
    const QRect view(origin(), map->clientSize());
    EXPECT_TRUE(view.contains(position(kLondonA)));
    EXPECT_TRUE(map->H() % 16 == 0 || map->H() == map->HorzScrollBar->maximum());
    EXPECT_TRUE(map->V() % 16 == 0 || map->V() == map->VertScrollBar->maximum());
    EXPECT_EQ(key.Placename->text(), QStringLiteral("Now at: London Aquarter, Testshire"));
    EXPECT_TRUE(Explore().LondonWanted);

    // A neighbour well inside the view: no scroll.
    const QPoint before = origin();
    map->MoveMapToPlace(place(kLondonB));
    EXPECT_EQ(origin(), before);

    map->MoveMapToPlace(place(kOutsideSet));
    EXPECT_FALSE(Explore().LondonWanted);
    Explore().CameFromLondon = true;  // as leaving a London place records
    map->MoveMapToPlace(place(kLondonC));
    EXPECT_FALSE(Explore().LondonWanted);

    // The slideshow shows its own titles: the key keeps its text.
    QWidget slideshow(&area);
    Windows().ZMShowWin = &slideshow;
    slideshow.show();
    map->MoveMapToPlace(place(kInsideSet));
    EXPECT_EQ(key.Placename->text(), QStringLiteral("Now at: London Cquarter, Testshire"));
}

TEST_F(MapWindowTest, ClickMovesToTheNearestPlaceOrOffersTheUpgrade) {
    initMap();
    std::vector<int> moves;
    int upgrades = 0;
    QObject::connect(map.get(), &TMapWin::placeClicked, [&](int p) { moves.push_back(p); });
    QObject::connect(map.get(), &TMapWin::upgradeBoxRequested, [&] { ++upgrades; });

    map->MoveMapToPlace(place(kOutsideSet));
    map->FormMouseDown(windowPoint(kOutsideSet) + QPoint(3, -2));
    map->FormClick();
    EXPECT_EQ(moves, std::vector<int>{place(kOutsideSet)});
    EXPECT_FALSE(map->ClickBusy);

    scrollTo(QPoint(0, 0));
    map->FormMouseDown(kEmptyCorner);
    map->FormClick();
    EXPECT_EQ(upgrades, 1);
    EXPECT_EQ(moves.size(), 1u);

    // In found-set mode only the set's places are near.
    SelectFoundSet();
    Explore().ExploreInSet = true;
    int outside = -1;
    for (int s = 0; s < kPlainPlaces && outside == -1; ++s) {
        const QPoint at = position(s);
        if (!inFoundSet(s) && NearestFoundPlace(at.x(), at.y(), 150) != -1) outside = s;
    }
    ASSERT_NE(outside, -1);
    map->MoveMapToPlace(place(outside));
    map->FormMouseDown(windowPoint(outside));
    map->FormClick();
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_NE(moves[1], place(outside));
    EXPECT_TRUE(IsInFoundSet(moves[1]));
    EXPECT_EQ(upgrades, 1);
}

TEST_F(MapWindowTest, DoubleClickGoesToTheViewsAfterTheClick) {
    initMap();
    std::vector<int> moves;
    int nextViews = 0;
    QObject::connect(map.get(), &TMapWin::placeClicked, [&](int p) { moves.push_back(p); });
    QObject::connect(map.get(), &TMapWin::nextViewRequested, [&] { ++nextViews; });
    map->MoveMapToPlace(place(kInsideSet));
    map->show();

    // Press, release, second press as a double-click, release: one move, then the views.
    const QPointF at = windowPoint(kInsideSet);
    for (const auto& [type, count] :
         {std::pair{QEvent::MouseButtonPress, 1}, std::pair{QEvent::MouseButtonRelease, 1},
          std::pair{QEvent::MouseButtonDblClick, 2}, std::pair{QEvent::MouseButtonRelease, 2}}) {
        (void)count;
        QMouseEvent event(type, at, map->Client->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(map->Client, &event);
    }
    EXPECT_EQ(moves, std::vector<int>{place(kInsideSet)});
    EXPECT_EQ(nextViews, 1);

    // A click still being handled makes the double-click wait for it.
    map->ClickBusy = true;
    map->FormDblClick();
    EXPECT_EQ(nextViews, 1);
    map->ClickBusy = false;
    EXPECT_TRUE(waitUntil([&] { return nextViews == 2; }));
}

TEST_F(MapWindowTest, HintNamesAPlaceOnceAndInvitesToUpgradeFarAway) {
    initMap();
    const QPoint a = position(kOutsideSet);
    EXPECT_EQ(map->MapHintAt(a + QPoint(2, 3)),
              QString::fromLatin1(PlaceName(place(kOutsideSet)).c_str()));
    EXPECT_EQ(map->LastHintPlace, place(kOutsideSet));
    EXPECT_EQ(map->MapHintAt(a), std::nullopt);  // once per place
    // Empty map near a place: no hint, and the place may be named again.
    EXPECT_EQ(map->MapHintAt(a + QPoint(20, 0)), std::nullopt);
    EXPECT_EQ(map->LastHintPlace, -1);
    EXPECT_TRUE(map->MapHintAt(a).has_value());
    EXPECT_EQ(map->MapHintAt(kEmptyCorner), QString::fromLatin1(kUpgradeHint));
    EXPECT_EQ(map->LastHintPlace, -1);
}

TEST_F(MapWindowTest, HintProviderAnswersOverTheMap) {
    initMap();
    map->MoveMapToPlace(place(kInsideSet));
    map->show();
    const QPoint at = windowPoint(kInsideSet);
    QHelpEvent help(QEvent::ToolTip, at, map->Client->mapToGlobal(at));
    QApplication::sendEvent(map->Client, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromLatin1(PlaceName(place(kInsideSet)).c_str()));
    QHelpEvent again(QEvent::ToolTip, at, map->Client->mapToGlobal(at));
    QApplication::sendEvent(map->Client, &again);
    EXPECT_TRUE(waitUntil([] { return !QToolTip::isVisible(); }));

    // Other controls keep their hints, hidden after two seconds.
    QLabel label(QStringLiteral("x"));
    label.setToolTip(QStringLiteral("plain"));
    label.show();
    QHelpEvent plain(QEvent::ToolTip, QPoint(1, 1), label.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&label, &plain);
    EXPECT_EQ(label.toolTipDuration(), 2000);
    QToolTip::hideText();
}

TEST_F(MapWindowTest, AnUnchangedHintStaysUpWhileThePointerRests) {
    initMap();
    map->show();
    scrollTo(kEmptyCorner - QPoint(60, 60));
    const QPoint at = kEmptyCorner - origin();
    ASSERT_TRUE(map->Client->rect().contains(at));
    const QPoint global = map->Client->mapToGlobal(at);
    QCursor::setPos(global);
    QHelpEvent help(QEvent::ToolTip, at, global);
    QApplication::sendEvent(map->Client, &help);
    ASSERT_EQ(QToolTip::text(), QString::fromLatin1(kUpgradeHint));
    // Past the first re-show and the hide pause after the first showing: never off meanwhile.
    QElapsedTimer waited;
    waited.start();
    bool alwaysUp = true;
    while (waited.elapsed() < 2600) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        alwaysUp = alwaysUp && QToolTip::isVisible();
    }
    EXPECT_TRUE(alwaysUp);
    EXPECT_EQ(QToolTip::text(), QString::fromLatin1(kUpgradeHint));
    QToolTip::hideText();
}

TEST_F(MapWindowTest, PopupMenuItemsAskForTheBoxesAndMinimiseOnceTheScreenExists) {
    initMap();
    const QList<QAction*> items = map->MapPopupMenu->actions();
    QStringList texts;
    for (const QAction* item : items)
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(texts, (QStringList{"Mi&nimise", "-", "&About...", "&Help...", "-", "&Copy Map",
                                  "Print &Map", "Print Set&up..."}));
    EXPECT_EQ(map->Help->shortcut(), QKeySequence(Qt::Key_F1));

    emit map->MapPopupMenu->aboutToShow();
    for (const QAction* item : {map->MMinimise, map->About, map->Help})
        EXPECT_FALSE(item->isEnabled());  // nothing answers them yet
    for (const QAction* item : {map->MCopyMap, map->PrintMap, map->PrintSetup})
        EXPECT_TRUE(item->isEnabled());
    int minimised = 0;
    int abouts = 0;
    int helps = 0;
    QObject::connect(map.get(), &TMapWin::minimiseRequested, [&] { ++minimised; });
    QObject::connect(map.get(), &TMapWin::aboutRequested, [&] { ++abouts; });
    QObject::connect(map.get(), &TMapWin::helpToggleRequested, [&] { ++helps; });
    emit map->MapPopupMenu->aboutToShow();
    for (const QAction* item : {map->MMinimise, map->About, map->Help})
        EXPECT_TRUE(item->isEnabled());
    map->MMinimise->trigger();
    map->About->trigger();
    map->Help->trigger();
    EXPECT_EQ(minimised, 1);
    EXPECT_EQ(abouts, 1);
    EXPECT_EQ(helps, 1);

    map->MoveMapToPlace(place(kInsideSet));
    map->MCopyMap->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              map->canvas());
}

TEST_F(MapWindowTest, PrintsTheMapOnScreenFittedToALandscapePage) {
    initMap();
    map->MoveMapToPlace(place(kInsideSet));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("map.pdf"));
    PrintToPdf(file, true);
    map->PrintMap->trigger();
    SetPrintBoxResponder(nullptr);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(SharedPrinter().docName(), QStringLiteral("Vantora: Map"));
    const std::vector<QImage> pages = PdfPages(file, 30);
    ASSERT_EQ(pages.size(), 1u);
    QRect painted;
    const QImage& page = pages[0];
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) painted |= QRect(x, y, 1, 1);
    const QSize client = map->clientSize();
    const QRect printable = SharedPrinter().pageLayout().paintRectPixels(30);
    EXPECT_TRUE(printable.adjusted(-1, -1, 1, 1).contains(painted));
    // The map keeps its proportions and fills the page one way.
    EXPECT_NEAR(static_cast<double>(painted.width()) / painted.height(),
                static_cast<double>(client.width()) / client.height(), 0.04);
    EXPECT_TRUE(painted.width() >= printable.width() - 2 ||
                painted.height() >= printable.height() - 2);
}

TEST_F(MapWindowTest, ShownWithItsKeyHiddenWithAllAndReleasedAtShutdown) {
    initMap();
    TMapKey key(&area);
    key.SetUpMapKey();
    wire(&key);
    map->MoveMapToPlace(place(kInsideSet));
    map->ShowMapWindow();
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(key.isVisible());
    EXPECT_TRUE(map->FlashTimer->isActive());

    map->FlashTimerTimer();
    map->HideMapWindow();
    EXPECT_FALSE(map->isVisible());
    EXPECT_FALSE(key.isVisible());
    EXPECT_FALSE(map->FlashTimer->isActive());
    EXPECT_EQ(placePixel(kInsideSet), kDotYellow);

    QWidget slideshow(&area);
    Windows().ZMShowWin = &slideshow;
    slideshow.show();
    map->ShowMapWindow();
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(key.isVisible());

    Shutdown();
    EXPECT_FALSE(map->isVisible());
    EXPECT_FALSE(map->TilesAllocated);
    EXPECT_EQ(map->tiles().loadedCount(), 0);
}

}  // namespace
