// The map key: a small window directly below the detailed map with the scale bar in miles and,
// below it, the place the user is at. Shown and hidden with the map; it takes no input of its
// own and passes keys on to the screen underneath and asks for the map's menu.
#pragma once

#include <QWidget>

class QLabel;
class QKeyEvent;

extern const char kNowAt[];  // "Now at: "

class TMapKey : public QWidget {
    Q_OBJECT
  public:
    explicit TMapKey(QWidget* parent = nullptr);
    ~TMapKey() override;

    // Controls
    QWidget* KeyPanel = nullptr;
    QWidget* Spacer = nullptr;
    QLabel* MilesTitle = nullptr;
    QLabel* MileScale = nullptr;
    QLabel* Placename = nullptr;

    int PlacenameFullHeight = 0;

    // The one-time layout, after the detailed map's.
    void SetUpMapKey();
    // "Now at: " and the name; the memo is two thirds high for a name on one line.
    void ShowPlacename(const QString& name);

    // Handlers
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);

  signals:
    void keyPressed(QKeyEvent* event);
    void keyReleased(QKeyEvent* event);
    void menuRequested(QPoint globalPos);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
