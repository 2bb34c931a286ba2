// The London inset: central London six times larger than the detailed map shows it, at the top
// left of the screen while the user is at a London place. Clicking it works like clicking the
// map; its close box keeps it closed while the user moves among London places.
#pragma once

#include <QFrame>

class ImageControl;
class QKeyEvent;
class QLabel;
class QToolButton;

extern const char kCentralLondon[];  // the caption

class TZMLondon : public QFrame {
    Q_OBJECT
  public:
    explicit TZMLondon(QWidget* parent = nullptr);
    ~TZMLondon() override;

    // Controls
    QLabel* Caption = nullptr;
    QToolButton* CloseBox = nullptr;
    ImageControl* LonImage = nullptr;

    // The one-time set-up, after the detailed map's; the picture is the map's.
    void SetUpLondon(const QImage* picture);

    // Handlers
    void FormClose();
    void LonImageMouseDown(QPoint at);
    void LonImageClick();
    void LonImageDblClick();
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);

  signals:
    // The picture stands for the map at the same place: presses, clicks, the map's menu.
    void mapPressed(QPoint mapPoint);
    void mapClicked();
    void mapDoubleClicked();
    void menuRequested(QPoint globalPos);
    // Closed by its close box: the map's marker goes too.
    void closed();
    void keyPressed(QKeyEvent* event);
    void keyReleased(QKeyEvent* event);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
