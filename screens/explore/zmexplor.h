// The explore screen: where the user stands at one place. It shows the detailed map around the
// place or one of its views (photograph and caption), a column of numbered view tabs and the
// next-view button.
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "app/keypreview.h"
#include "app/shellwindows.h"
#include "screens/explore/explorelayout.h"

class ExploreMenu;
class ImageControl;
class ExploreStepPanel;
class LocalSlideshow;
class ViewTabColumn;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

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
    ViewTabColumn* PicTabPanel = nullptr;
    QPushButton* NextPButton = nullptr;
    LocalSlideshow* Slideshow = nullptr;
    ImageControl* IconImage = nullptr;
    ExploreStepPanel* StepPanel = nullptr;
    QTimer* ToViewTimer = nullptr;
    QTimer* ToCacheTimer = nullptr;
    QTimer* FocusTimer = nullptr;
    ExploreMenu* EPopupMenu = nullptr;

    // Operations
    void ArrangeControls();
    void ArriveAt(int place);
    void LeavePlace(bool push, int nextPlace);
    void ShowView(int n);
    void ShowMap();
    // Leaves the current place (recorded in the history) for another one.
    void StepTo(int place);

    // Handlers
    void NextPButtonClick();
    void TabBtnClick(int tab);
    void MapButtonClick();
    void ToViewTimerTimer();
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
    void WithinSetClick();
    void TearDown();

    bool LaidOut = false;
    int ViewsHere = 0;
    int CurrentView = 0;  // 1-based; 0 = the map is shown
    int ShownView = -1;   // the view whose caption is shown
    std::vector<int> SetViews;
    int PeekPlace = -1;
    int PeekView = 0;
    bool PeekInSet = false;
    int PeekGeneration = 0;
    const ExploreLayout& layout() const { return layout_; }
    // The ViewTable index of view n at the current place.
    int viewIndex(int n) const;

  signals:
    void controlScreenRequested();
    void exitRequested(ExitRequester asker);
    // Alt+P while the map shows: the map prints itself.
    void printMapRequested();
    // The detailed map: centre on a place, show, hide, draw again.
    void mapMoveRequested(int place);
    void mapShowRequested();
    void mapHideRequested();
    void mapRepaintRequested();
    // Found-set mode changed: the London pictures take its colours.
    void londonColoursOutdated();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createStepPanel();
    void goBackTo(int place);
    bool altKeyDown(int key);
    void savePeek();
    bool peekStillHolds() const;
    void prefetchAfter(int view, int milliseconds);
    void removeFocus();

    ExploreLayout layout_{};
    QImage iconArt_;
    int firstView_ = 0;  // the ViewTable index of view 1 outside found-set mode
    int prefetchView_ = -1;
};
