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

class ImageControl;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class ShowPage;
class SimpleComboBox;

class TZMHomeWin : public QWidget, public KeyPreviewScreen {
    Q_OBJECT
  public:
    explicit TZMHomeWin(QWidget* parent = nullptr);
    ~TZMHomeWin() override;

    // Controls
    QLabel* ProdTitle = nullptr;
    ImageControl* MiniMap = nullptr;
    QPushButton* CloseBtn = nullptr;
    QTabWidget* HomeTabs = nullptr;
    QWidget* GoToSheet = nullptr;
    QWidget* SearchSheet = nullptr;
    QWidget* TimeSheet = nullptr;
    QWidget* TourSheet = nullptr;
    ShowPage* ShowSheet = nullptr;
    ImageControl* IconImage = nullptr;
    QLabel* LeftBBar = nullptr;
    QLabel* RightBBar = nullptr;
    QMenu* HomeMenu = nullptr;
    QTimer* MMFlashTimer = nullptr;
    // Go To page
    QLabel* StartImage = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* MarkCheckBox = nullptr;
    SimpleComboBox* GoToCombo = nullptr;
    QPushButton* GoButton = nullptr;

    // Handlers
    void MiniMapMouseDown(QPoint at);
    void MiniMapClick();
    void IconImageClick();
    bool FormKeyDown(QKeyEvent* event) override;
    void MarkCheckBoxClick();
    void CloseBtnClick(ExitRequester asker = ExitRequester::ControlScreen);
    void HomeTabsChange(int index);
    void AboutClick();
    void HomeHelpClick();
    void HomePrintSetupClick();
    void GoToComboChange();
    void GoToComboEnter();
    void GoToComboExit();
    void GoButtonClick();
    void GoToSheetShow();
    void GoToSheetMouseDown();

    // The dot-flashing engine, used by every page that builds a found set or show list.
    void StartFlash(bool showList);
    void StopFlash();
    void RestoreMiniMap();
    void MMFlashTimerTimer();
    void DrawPlaceDot(int place, int diameter, QRgb colour);

    void FinishSetUp();

    HomePage activePage() const;
    const MiniMapCanvas& miniMapCanvas() const { return canvas_; }
    const std::vector<std::string>& placeNames() const { return placeNames_; }

    int MapClickX = 0;
    int MapClickY = 0;
    bool FlashPhase = false;
    bool FlashShowList = false;
    bool FlashWasRunning = false;
    int MarkedPlace = -1;
    HomePagesState Pages;

  signals:
    // A click on the Slideshow page's map chose the start of a show.
    void slideshowRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void ArrangeControls();
    void createControls();
    void createGoToPage();
    void arrangeGoToPage();
    void createHomeMenu();
    bool loadMiniMap();
    void goToChosenPlace();
    void handOverToExplore();
    void startPlaceFromText();

    MiniMapCanvas canvas_;
    std::vector<std::string> placeNames_;
    QImage iconArt_;
    bool startPlacePending_ = true;
};
