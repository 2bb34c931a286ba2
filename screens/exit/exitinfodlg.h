// The exit dialog: the credits with the jingle. Exit (or the jingle ending while the user has
// not touched the dialog) ends the program; Cancel returns to the screen that asked.
#pragma once

#include <QDialog>

#include "platform/midiplayer.h"

class QLabel;
class QPushButton;
class QTextEdit;

constexpr int kExitChosen = 1;
constexpr int kCancelChosen = 2;

class TExitInfoDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TExitInfoDlg(QWidget* parent = nullptr);
    ~TExitInfoDlg() override;

    // One-time set-up: the section headings get their look, the caret goes to the start. The
    // dialog runs it when first shown, if it has not run before.
    void SetUp();
    // Shows the dialog modally and announces the user's choice.
    void Run();
    void JinglePlayerNotify();
    void reject() override;  // Escape is Cancel

    QPushButton* ExitBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QLabel* TitlePanel = nullptr;
    QLabel* LeftBBar = nullptr;
    QLabel* Panel1 = nullptr;
    QTextEdit* TextDisplay = nullptr;
    MidiPlayer JinglePlayer;
    bool JingleAutoExit = false;

  signals:
    void exitChosen();
    void exitCancelled();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void arrange();
    void endOnWholeLine();

    bool setUp_ = false;
};
