// The control screen: the country's mini map beside five tabbed pages. It turns a click on the
// map or a typed name into a place for the explore screen, flashes the found set or show list,
// and owns the program's exit path.
#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "app/keypreview.h"
#include "app/shellwindows.h"
#include "screens/home/exploreinset.h"
#include "screens/home/minimapcanvas.h"

class FoundSetPage;
class ImageControl;
class GoToPage;
class QLabel;
class QMenu;
class QToolButton;
class QTabWidget;
class QTimer;
class SearchPage;
class MiniMapLoad;
class ShowPage;
class TimelinePage;
class TourPage;

// How the program makes the control screen quickly: its mini map already being read, and the
// pages behind the first tab left to the one-time set-up.
struct HomeQuickStart {
    MiniMapLoad* miniMap = nullptr;
    bool hiddenPagesLater = false;
};

class TZMHomeWin : public QWidget, public KeyPreviewScreen {
    Q_OBJECT
  public:
    explicit TZMHomeWin(QWidget* parent = nullptr, HomeQuickStart quick = {});
    ~TZMHomeWin() override;

    // The Search, Timeline, Tour and Slideshow pages, in place of their stand-ins; once.
    void MakeHiddenPages();

    // Controls
    QLabel* ProdTitle = nullptr;
    ImageControl* MiniMap = nullptr;
    QToolButton* CloseBtn = nullptr;
    QTabWidget* HomeTabs = nullptr;
    GoToPage* GoToSheet = nullptr;
    SearchPage* SearchSheet = nullptr;
    TimelinePage* TimeSheet = nullptr;
    TourPage* TourSheet = nullptr;
    ShowPage* ShowSheet = nullptr;
    ImageControl* IconImage = nullptr;
    QLabel* LeftBBar = nullptr;
    QLabel* RightBBar = nullptr;
    QMenu* HomeMenu = nullptr;
    QTimer* MMFlashTimer = nullptr;

    // Handlers
    void MiniMapMouseDown(QPoint at);
    void MiniMapClick();
    void IconImageClick();
    bool FormKeyDown(QKeyEvent* event) override;
    void CloseBtnClick(ExitRequester asker = ExitRequester::ControlScreen);
    void HomeTabsChange(int index);
    void AboutClick();
    void HomeHelpClick();
    void HomePrintSetupClick();

    // The dot-flashing engine, used by every page that builds a found set or show list.
    void StartFlash(bool showList);
    void StopFlash();
    void RestoreMiniMap();
    void MMFlashTimerTimer();
    void DrawPlaceDot(int place, int diameter, QRgb colour);

    // The slideshow window's music button: the Slideshow page's check box follows.
    void SetShowMusicOn(bool on);
    // Cancel in the exit dialog: back to the screen that asked.
    void ExitCancelled();
    // The shutdown's parts.
    void WritePreferenceBits();
    void ReleaseMiniMap();

    HomePage activePage() const;
    const MiniMapCanvas& miniMapCanvas() const { return canvas_; }
    const std::vector<std::string>& placeNames() const { return placeNames_; }

    int MapClickX = 0;
    int MapClickY = 0;
    bool FlashPhase = false;
    bool FlashShowList = false;
    bool FlashWasRunning = false;
    HomePagesState Pages;

  signals:
    // The explore screen takes over at CurrentPlace.
    void exploreRequested();
    // The slideshow window starts at ShowPlace.
    void slideshowRequested();
    void aboutRequested();
    void helpToggleRequested();
    void printerSetupRequested();
    // The exit dialog answers with its choice.
    void exitDialogRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void ArrangeControls();
    void createControls();
    void connectGoToPage();
    void createHomeMenu();
    FoundSetPage* foundSetPage(int tab) const;
    void showFoundSet(int places);
    bool loadMiniMap();
    void handOverToExplore();
    void startPlaceFromText();
    template <typename Signal>
    bool answered(Signal signal) const;

    MiniMapCanvas canvas_;
    MiniMapLoad* miniMapLoad_ = nullptr;  // only while the window is made
    std::vector<std::string> placeNames_;
    QImage iconArt_;
    bool startPlacePending_ = true;
    bool showOptionsRead_ = false;  // the stored options are written back only once read
    ExitRequester exitAsker_ = ExitRequester::ControlScreen;
    int shownTab_ = 0;
};
