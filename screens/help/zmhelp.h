// The help window: a fixed, formatted help text in a tool window above the screens. F1 shows
// and hides it from every screen; every other key goes on to the screen underneath, so the
// user can keep it open while exploring. It can print its text and be kept from opening at
// start-up.
#pragma once

#include <QWidget>

class QCheckBox;
class QKeyEvent;
class QPushButton;
class QTextEdit;

extern const char kHelpCaption[];

class TZMHelpWin : public QWidget {
    Q_OBJECT
  public:
    explicit TZMHelpWin(QWidget* parent = nullptr);
    ~TZMHelpWin() override;

    // Controls
    QWidget* ToolBar = nullptr;
    QPushButton* PrintBtn = nullptr;
    QCheckBox* NoHelpBox = nullptr;
    QTextEdit* HelpText = nullptr;

    // Handlers
    void FormShow();
    void FormHide();
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void HelpTextEnter();
    void NoHelpBoxClick();
    void PrintBtnMouseDown(Qt::MouseButton button);

    bool HelpShowing = false;

  public slots:
    // F1 from any screen.
    void ToggleHelp();
    // At the end of the title sequence.
    void ShowHelp();

  signals:
    // Keys other than F1 belong to the screen underneath.
    void keyPressed(QKeyEvent* event);
    void keyReleased(QKeyEvent* event);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void formatText();
    void takeFocusAway();
};
