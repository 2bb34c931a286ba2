// The Slideshow page: four panels choose which places a show visits (the show list), an
// options box sets the time per image, the kind of titles and the music, and a menu chooses
// between the standard music and a MIDI file the user loaded. A click on the mini map then
// starts the show at the listed place nearest to it.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "screens/home/showoptions.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSpinBox;
class QToolButton;

class ShowPage : public QWidget {
    Q_OBJECT
  public:
    explicit ShowPage(QWidget* parent = nullptr);

    static constexpr int kShows = 4;

    // Controls
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QFrame* ShowPanel = nullptr;
    std::array<QFrame*, kShows> ShowPanels{};  // ShowPanel0 .. ShowPanel3
    std::array<QLabel*, kShows> ShowImages{};
    std::array<QLabel*, kShows> ShowTexts{};
    QLineEdit* TabToDummy2 = nullptr;
    QGroupBox* OptionBox = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QSpinBox* CSpinEdit1 = nullptr;
    QLabel* SpinLabel = nullptr;
    QCheckBox* MusicOn = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QMenu* MusicPopupMenu = nullptr;
    QAction* StandardMusic = nullptr;
    QAction* MusicIHaveLoaded = nullptr;
    QAction* LoadNewMusicFile = nullptr;

    int SelectedShow = -1;

    // Lays the page out on its sheet; H is the screen height.
    void Arrange(int H, QSize sheet);
    // The option controls from the preference bits, and back.
    void SetOptions(const ShowOptions& options);
    ShowOptions Options() const;

    // The one operation behind every panel click and key.
    void ChooseShow(int index);
    // A click on the mini map at a map point: the show (show 0 when none is chosen) starts at
    // the listed place nearest to it.
    void PrepareShowAt(QPoint mapPoint);

    // Handlers
    void ShowPanelClick(int index);
    void ShowImageClick(int index);
    void ShowTextClick(int index);
    void ShowSheetShow();
    void ShowSheetHide();
    void TabToDummy2Enter();
    bool TabToDummy2KeyDown(int key);
    void CSpinEdit1Change(int value);
    void SpeedButton1MouseDown();
    void MusicPopupMenuPopup();
    void StandardMusicClick();
    void MusicIHaveLoadedClick();
    void LoadNewMusicFileClick();
    // The copy behind the dialog: the chosen file becomes the user's show music.
    void LoadMusicFile(const QString& chosen);

  public slots:
    // The slideshow's music button keeps the check box in step.
    void SetMusicOn(bool on);

  signals:
    void flashRequested(bool showList);
    void restoreMapRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createPanels();
    void createOptionBox();
    void createMusicMenu();
    void paintPanel(int index);
    void enablePanel3();
    void keepOptionsInState();

    QString lastMusicFile_;
};
