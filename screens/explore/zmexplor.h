// The explore screen: where the user stands at one place. It shows the detailed map around the
// place or one of its views (photograph and caption), a column of numbered view tabs and the
// next-view button.
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "app/keypreview.h"
#include "screens/explore/backhistory.h"
#include "screens/explore/explorelayout.h"
#include "screens/explore/tabwindow.h"

class ImageControl;
class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;
class TMapWin;

class TZMExplore : public QWidget, public KeyPreviewScreen {
    Q_OBJECT
  public:
    explicit TZMExplore(QWidget* parent = nullptr);
    ~TZMExplore() override;

    // Controls
    ImageControl* LanPicture = nullptr;
    ImageControl* PortPicture = nullptr;
    QTextEdit* LanCap = nullptr;
    QTextEdit* PortCap = nullptr;
    QLabel* TitlePanel = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* MapButton = nullptr;
    QWidget* PicTabPanel = nullptr;
    QPushButton* EyeUpButton = nullptr;
    QPushButton* EyeDownButton = nullptr;
    QPushButton* Stripe = nullptr;
    std::vector<QPushButton*> TabButtons;  // tab i is TabButtons[i - 1]
    QPushButton* NextPButton = nullptr;
    QPushButton* SShowButton = nullptr;
    QPushButton* GlyphDummyS = nullptr;  // the slideshow button's running picture
    QPushButton* GlyphDummyN = nullptr;  // and its idle one
    ImageControl* IconImage = nullptr;
    QWidget* StepPanel = nullptr;
    QPushButton* NorthButton = nullptr;
    QPushButton* SouthButton = nullptr;
    QPushButton* EastButton = nullptr;
    QPushButton* WestButton = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* ClockButton = nullptr;
    QPushButton* AClockButton = nullptr;
    QCheckBox* WithinSet = nullptr;
    QTimer* UpTimer = nullptr;
    QTimer* DownTimer = nullptr;
    QTimer* ShowTimer = nullptr;
    QTimer* ToViewTimer = nullptr;
    QTimer* ToShowTimer = nullptr;
    QTimer* ToCacheTimer = nullptr;
    QTimer* FocusTimer = nullptr;

    // Operations
    void ArrangeControls();
    void ArriveAt(int place);
    void LeavePlace(bool push, int nextPlace);
    void ShowView(int n);
    void ShowMap();
    void ScrollTabsDown();
    void ScrollTabsUp();
    // Leaves the current place (recorded in the history) for another one.
    void StepTo(int place);

    // Handlers
    void NextPButtonClick();
    void TabBtnClick(int tab);
    void MapButtonClick();
    void EyeUpButtonMouseDown();
    void EyeDownButtonMouseDown();
    void EyeButtonMouseUp();
    void UpTimerTimer();
    void DownTimerTimer();
    void ToViewTimerTimer();
    void SShowButtonClick();
    void ShowTimerTimer();
    void ToShowTimerTimer();
    void CaptionSelectionChange(QTextEdit* box);
    void FocusTimerTimer();
    void StartPeek();
    void EndPeek();
    void ToCacheTimerTimer();
    void IconImageClick();
    void CloseBtnClick();
    void FormShow();
    void FormHide();
    // Brings the screen up at CurrentPlace; when it already shows, it arrives there anew.
    void ArriveAtCurrentPlace();
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormKeyUp(QKeyEvent* event) override;
    void StepClick(QPushButton* button, int (*query)(int place, bool withinFoundSet));
    void TourStepClick(int (*query)(int place));
    void BackButtonClick();
    void WithinSetClick();
    void TearDown();

    bool LaidOut = false;
    int ViewsHere = 0;
    int CurrentView = 0;  // 1-based; 0 = the map is shown
    int ShownView = -1;   // the view whose caption is shown
    std::vector<int> SetViews;
    int SlideStartView = 1;
    int SlideRounds = 0;
    bool SlideGlyphIdle = true;
    int PeekPlace = -1;
    int PeekView = 0;
    bool PeekInSet = false;
    int PeekGeneration = 0;
    bool slideshowRunning() const;
    TabWindow Tabs;
    BackHistory History;
    const ExploreLayout& layout() const { return layout_; }
    // The ViewTable index of view n at the current place.
    int viewIndex(int n) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createTabs();
    void createStepPanel();
    void updateStepButtons(int place);
    void pushHistory(int place);
    void clearHistory();
    void syncWithinSet();
    void clickStep(QPushButton* button);
    bool altKeyDown(int key);
    void stopSlideshow();
    void startSlideshowOnArrival(int interval);
    void swapSlideGlyph();
    void savePeek();
    bool peekStillHolds() const;
    void placeTabs();
    void markTab(int n, bool marked);
    void prefetchAfter(int view, int milliseconds);
    void removeFocus();
    TMapWin* mapWindow() const;

    ExploreLayout layout_{};
    QImage iconArt_;
    int firstView_ = 0;  // the ViewTable index of view 1 outside found-set mode
    int prefetchView_ = -1;
};
