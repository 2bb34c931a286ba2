// The slideshow window: an automatic show that marks a place on the detailed map, explodes
// from its dot into the place's views, returns to the map and moves on to the next place of
// the show list, without end, with scrolling or static titles and background music.
//
// It drives the detailed map, the explore screen and the control screen through its signals.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>

#include "app/keypreview.h"
#include "app/shellwindows.h"
#include "screens/show/explosion.h"
#include "screens/show/showlayout.h"
#include "screens/show/textscrollrun.h"

class QLabel;
class QScrollArea;
class QTextEdit;
class QTimer;
class QToolButton;
class ShowMusicPlayer;
class MidiPlayer;
class PictureView;

class TextStrip;

class TZMShowWin : public QWidget, public KeyPreviewScreen {
    Q_OBJECT
  public:
    explicit TZMShowWin(QWidget* parent = nullptr);
    ~TZMShowWin() override;

    // The layout, once, in the program's one-time set-up (its faces take a while to load):
    // checks that the show music is there.
    void ArrangeControls();
    bool LaidOut = false;

    // Controls
    PictureView* LanPicture = nullptr;
    PictureView* PortPicture = nullptr;
    QLabel* PlacenamePanel = nullptr;
    QLabel* PlacenameMemo = nullptr;
    QTextEdit* CapSpace = nullptr;
    QScrollArea* TextScrollBox = nullptr;
    TextStrip* TextPaintBox = nullptr;
    QToolButton* StopButton = nullptr;
    QToolButton* GoBackButton = nullptr;
    QToolButton* MusicButton = nullptr;
    QWidget* TitlePanel = nullptr;
    QLabel* LogoImage = nullptr;
    QLabel* SideTitle = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    MidiPlayer* ShowMusic = nullptr;
    QTimer* FirstPicTimer = nullptr;
    QTimer* NextPicTimer = nullptr;
    QTimer* BackToMapTimer = nullptr;
    QTimer* NewMapPlaceTimer = nullptr;
    QTimer* ExplodeTimer = nullptr;
    QTimer* MusicRepTimer = nullptr;

    // Handlers
    void FormShow();
    void FormHide();
    bool FormKeyDown(QKeyEvent* event) override;
    void FirstPicTimerTimer();
    void ExplodeTimerTimer();
    void NextPicTimerTimer();
    void BackToMapTimerTimer();
    void NewMapPlaceTimerTimer();
    void StopButtonClick();
    void GoBackButtonClick();
    void MusicButtonClick();
    void SpeedButton1Click();
    // One 14 ms tick of the scrolling text.
    void TextScrollTick();

    bool CaptionsMode = false;
    bool ScrollingTitlesMode = false;
    int ScrollStep = 1;
    const ShowLayout& layout() const { return layout_; }
    const TextScrollRun& scrollRun() const { return scroll_; }
    const QString& scrollText() const { return scrollText_; }
    bool scrollClockRunning() const { return clockOwned_; }
    const ShowMusicPlayer& music() const { return *music_; }

  public slots:
    // The detailed map's scroll position, for the explosion's start.
    void MapScrolledTo(QPoint position);

  signals:
    void mapMoveRequested(int place);
    void mapShowRequested();
    void mapHideRequested();
    void mapFlashStopRequested();
    void mapRepaintRequested();
    // The map and the London inset take no clicks while a show runs.
    void mapInputEnabled(bool on);
    void explosionStepRequested(const QRect& previous, const QRect& frame);
    void londonInsetPrepareRequested();
    // The explore screen arrives at CurrentPlace, also when it already shows.
    void exploreRequested();
    void exitRequested(ExitRequester asker);
    // The music button switched the music; the Slideshow page's check box follows.
    void musicSwitched(bool on);
    void helpToggleRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void createControls();
    void startOpen(int view);
    bool loaderBusyWith(int view) const;
    void startExplosion();
    void showNextView(bool fromExplosion);
    void displayPicture(int view);
    void displayText(int view, bool portrait);
    void mapStageTitle(int place);
    void scrollTextFor(const QString& text, int durationMs);
    void startProductText();
    void stopScrollClock();
    void stopCycleTimers();
    void arriveOnMap(int place);

    ShowLayout layout_{};
    ShowMusicPlayer* music_ = nullptr;
    QImage logoArt_;
    QImage sideTitleArt_;
    QPoint mapScroll_;
    std::array<QRect, kExplosionFrames> frames_{};
    int frame_ = 0;
    TextScrollRun scroll_;
    QString scrollText_;
    QElapsedTimer clock_;
    bool clockOwned_ = false;
};
