// The detailed map window: the country's detailed map assembled from tiles, scrolled so that
// the current place is in view, its dot flashing. A click moves to the nearest place, one far
// from every covered place offers the upgrade box; in found-set mode the places outside the set
// are greyed. It keeps the London inset and the map key in step, and serves the slideshow too.
//
// Everything is drawn on an off-screen canvas of the client area (tiles, grey dots, the flash
// fill) as soon as a part of it needs drawing; painting the window copies the canvas.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "screens/map/londonpictures.h"
#include "screens/map/maptiles.h"

class ImageControl;
class MapHintProvider;
class QAction;
class QKeyEvent;
class QMenu;
class QScrollBar;
class QTimer;

class TMapWin : public QWidget {
    Q_OBJECT
  public:
    explicit TMapWin(QWidget* parent = nullptr);
    ~TMapWin() override;

    // Controls
    ImageControl* Client = nullptr;  // the client area, beside the scroll bars
    QScrollBar* HorzScrollBar = nullptr;
    QScrollBar* VertScrollBar = nullptr;
    QTimer* FlashTimer = nullptr;
    QMenu* MapPopupMenu = nullptr;
    QAction* MMinimise = nullptr;
    QAction* About = nullptr;
    QAction* Help = nullptr;
    QAction* MCopyMap = nullptr;
    QAction* PrintMap = nullptr;
    QAction* PrintSetup = nullptr;

    // Operations
    void InitMapWindow();
    bool CheckMapTiles();
    void ShowMapWindow();
    void HideMapWindow();
    void MoveMapToPlace(int place);
    void FlashPlace(int place);
    void StartFlash();
    void StopFlash();
    void FreeMapTiles();

    // Handlers
    void FormPaint(const QRect& clip);
    void FormMouseDown(QPoint at);
    void FormClick();
    void FormDblClick();
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void FlashTimerTimer();
    void HelpClick();
    void AboutClick();
    void PrintMapClick();
    void PrintSetupClick();
    void MCopyMapClick();
    void MMinimiseClick();

    // The London inset's picture stands for the map at the same place: presses, hints, menu.
    void InsetMouseDown(QPoint mapPoint);
    void AddInsetHints(QWidget* surface);
    void PopupMenuAt(QPoint globalPos);

    // The hint at a map point; keeps LastHintPlace.
    std::optional<QString> MapHintAt(QPoint at);
    // Redraws the whole client area from the tiles at once.
    void RepaintMap();
    // Re-colours the London pictures for the current mode and redraws the map's.
    void UpdateLondonPictures();
    // Erases the London inset's flash marker when it is drawn.
    void EraseLondonMarker();
    // One step of the slideshow's explosion on the canvas, shown at once.
    void DrawExplosionStep(const QRect& previous, const QRect& frame);

    int H() const;
    int V() const;
    QSize clientSize() const;
    const QImage& canvas() const { return canvas_; }
    const MapTiles& tiles() const { return tiles_; }
    LondonPictures& londonPictures() { return london_; }
    MapHintProvider& hintProvider() { return *hints_; }

    // Window state
    int FlashedPlace = -1;   // the place whose dot flashes
    bool FlashDark = false;  // the flashing dot is in its dark colour
    int LastHintPlace = -5000;
    bool TilesAllocated = false;
    bool ClickBusy = false;
    int DownX = 0;
    int DownY = 0;
    int LondonMinH = 0;
    int LondonMinV = 0;

  signals:
    // A click near a place, or far from every covered place.
    void placeClicked(int place);
    void upgradeBoxRequested();
    void nextViewRequested();
    // Keys go on to the screen underneath.
    void keyPressed(QKeyEvent* event);
    void keyReleased(QKeyEvent* event);
    // The map key's "Now at" line.
    void nowAt(const QString& placeName);
    // The London inset's picture changed.
    void londonInsetChanged();
    void minimiseRequested();
    void aboutRequested();
    void helpToggleRequested();
    // The scroll position (H, V) changed; the slideshow aims its explosion from it.
    void scrolledTo(QPoint position);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    template <typename Signal>
    bool answered(Signal signal) const;
    void createControls();
    void createMapPopupMenu();
    void arrangeClient();
    void reportUnreadableTiles();
    // Draws a part of the canvas again and has it shown.
    void invalidate(const QRect& rect);
    void scrolled();
    void keepLondonInsetInStep();
    void keepDialogsInFront();
    void repaintLondonInset(const QRect& changed);
    // Where the flashing dot is in the client area, when a place flashes.
    std::optional<QPoint> flashPoint() const;
    void drawTiles(QPainter& painter, const TileRange& range, QPoint origin);
    void drawGreyDots(QPainter& painter, const QRect& mapRect, QPoint origin);

    MapTiles tiles_;
    LondonPictures london_;
    MapHintProvider* hints_ = nullptr;
    QImage canvas_;
    QPoint canvasOrigin_;  // the scroll position the canvas shows
    bool tileReportPending_ = false;
};
