#include "screens/map/zmmap.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/messages.h"
#include "app/screenset.h"
#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/maptilefiles.h"
#include "content/nearestplace.h"
#include "platform/printbox.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/map/canvasfills.h"
#include "screens/map/explosiontrail.h"
#include "screens/map/greydots.h"
#include "screens/map/mapcolours.h"
#include "screens/map/maphint.h"
#include "screens/map/maphintprovider.h"
#include "screens/map/maplayout.h"
#include "screens/map/mapprinting.h"
#include "screens/map/mapscroll.h"

namespace {

constexpr int kCoverageRadius = 150;
constexpr int kFirstFlashMs = 50;
constexpr int kFlashMs = 700;
constexpr int kDoubleClickRetryMs = 10;

bool isPlace(int place) { return Content().loaded() && place >= 0 && place < Content().PlaceCount; }

void raiseIfShowing(QWidget* window) {
    if (window && window->isVisible()) window->raise();
}

constexpr int kGreyDotRadius = 4;

// Moves the canvas pixels by `by` (as a window scrolls its contents) and returns the part
// uncovered, which holds nothing useful.
QRegion shiftCanvas(QImage& canvas, QPoint by) {
    const int w = canvas.width();
    const int h = canvas.height();
    const int dx = by.x();
    const int dy = by.y();
    if (std::abs(dx) >= w || std::abs(dy) >= h) return QRegion(canvas.rect());
    const size_t rowBytes = static_cast<size_t>(w - std::abs(dx)) * sizeof(QRgb);
    auto moveRow = [&](int y) {
        auto* target = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        const auto* source = reinterpret_cast<const QRgb*>(canvas.constScanLine(y - dy));
        std::memmove(target + std::max(0, dx), source + std::max(0, -dx), rowBytes);
    };
    if (dy > 0) {
        for (int y = h - 1; y >= dy; --y) moveRow(y);
    } else {
        for (int y = 0; y < h + dy; ++y) moveRow(y);
    }
    QRegion uncovered;
    if (dx > 0) uncovered += QRect(0, 0, dx, h);
    if (dx < 0) uncovered += QRect(w + dx, 0, -dx, h);
    if (dy > 0) uncovered += QRect(0, 0, w, dy);
    if (dy < 0) uncovered += QRect(0, h + dy, w, -dy);
    return uncovered;
}

}  // namespace

TMapWin::TMapWin(QWidget* parent) : QWidget(parent) {
    Windows().MapWin = this;
    hide();  // the explore screen and the slideshow show it
    setFocusPolicy(Qt::NoFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kMapBackground));
    setPalette(colours);
    setAutoFillBackground(true);
    createControls();
    SetPrintBoxOwner(this);
}

TMapWin::~TMapWin() = default;

template <typename Signal>
bool TMapWin::answered(Signal signal) const {
    return isSignalConnected(QMetaMethod::fromSignal(signal));
}

void TMapWin::createControls() {
    Client = new ImageControl(this);
    Client->setImage(&canvas_);
    HorzScrollBar = new QScrollBar(Qt::Horizontal, this);
    VertScrollBar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {HorzScrollBar, VertScrollBar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &QScrollBar::valueChanged, this, &TMapWin::scrolled);
    }
    FlashTimer = new QTimer(this);
    FlashTimer->setInterval(500);
    hints_ = new MapHintProvider(this);
    createMapPopupMenu();

    connect(FlashTimer, &QTimer::timeout, this, &TMapWin::FlashTimerTimer);
    connect(Client, &ImageControl::pressed, this, &TMapWin::FormMouseDown);
    connect(Client, &ImageControl::clicked, this, &TMapWin::FormClick);
    connect(Client, &ImageControl::doubleClicked, this, [this](QPoint at) {
        FormMouseDown(at);
        FormDblClick();
    });
}

void TMapWin::createMapPopupMenu() {
    MapPopupMenu = new QMenu(this);
    MMinimise =
        MapPopupMenu->addAction(QStringLiteral("Mi&nimise"), this, &TMapWin::MMinimiseClick);
    MapPopupMenu->addSeparator();
    About = MapPopupMenu->addAction(QStringLiteral("&About..."), this, &TMapWin::AboutClick);
    Help = MapPopupMenu->addAction(QStringLiteral("&Help..."), this, &TMapWin::HelpClick);
    Help->setShortcut(QKeySequence(Qt::Key_F1));
    MapPopupMenu->addSeparator();
    MCopyMap = MapPopupMenu->addAction(QStringLiteral("&Copy Map"), this, &TMapWin::MCopyMapClick);
    PrintMap = MapPopupMenu->addAction(QStringLiteral("Print &Map"), this, &TMapWin::PrintMapClick);
    PrintSetup =
        MapPopupMenu->addAction(QStringLiteral("Print Set&up..."), this, &TMapWin::PrintSetupClick);
    // Each item works once what it opens exists.
    connect(MapPopupMenu, &QMenu::aboutToShow, this, [this] {
        MMinimise->setEnabled(answered(&TMapWin::minimiseRequested));
        About->setEnabled(answered(&TMapWin::aboutRequested));
        Help->setEnabled(answered(&TMapWin::helpToggleRequested));
    });
}

int TMapWin::H() const { return HorzScrollBar->value(); }

int TMapWin::V() const { return VertScrollBar->value(); }

QSize TMapWin::clientSize() const { return Client->size(); }

void TMapWin::InitMapWindow() {
    if (Startup().Quitting) return;
    if (Startup().ScreenHeight == 0) RunStartupChecks();
    if (Startup().Quitting) return;
    const int W = Startup().ScreenWidth;
    const int Hs = Startup().ScreenHeight;
    setGeometry(MapWindowRect(W, Hs));
    HorzScrollBar->setSingleStep(W * 8 / 800);
    VertScrollBar->setSingleStep(Hs * 8 / 600);
    // Dragging the thumb redraws as it goes, except on small machines.
    const bool tracking = !(Startup().LowMemory || Startup().OldWindows95);
    HorzScrollBar->setTracking(tracking);
    VertScrollBar->setTracking(tracking);

    tiles_.allocate(TileRange{0, width() / kMapTileWidth, 0, height() / kMapTileHeight});
    TilesAllocated = true;
    if (!tiles_.loadAtStart()) {
        StopStartupWithError(kCannotReadDataFiles);
        return;
    }
    london_.load();

    hints_->install();
    hints_->addSurface(Client, [this](QPoint at) { return MapHintAt(at + QPoint(H(), V())); });
    arrangeClient();
    LondonMinH = kLondonBox.right() + 1 - clientSize().width();
    LondonMinV = kLondonBox.bottom() + 1 - clientSize().height();
}

// The client area and the scroll bars beside it; the scroll ranges are the map's size.
void TMapWin::arrangeClient() {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize client(width() - extent, height() - extent);
    Client->setGeometry(QRect(QPoint(0, 0), client));
    HorzScrollBar->setGeometry(0, client.height(), client.width(), extent);
    VertScrollBar->setGeometry(client.width(), 0, extent, client.height());
    {
        const QSignalBlocker blockH(HorzScrollBar);
        const QSignalBlocker blockV(VertScrollBar);
        HorzScrollBar->setRange(0, std::max(0, Content().ColumnCount - client.width()));
        HorzScrollBar->setPageStep(client.width());
        VertScrollBar->setRange(0, std::max(0, Content().RowCount - client.height()));
        VertScrollBar->setPageStep(client.height());
    }
    canvas_ = QImage(client, QImage::Format_RGB32);
    canvasOrigin_ = QPoint(H(), V());
    invalidate(canvas_.rect());
}

bool TMapWin::CheckMapTiles() {
    for (int i = 0; i < kMapTileColumns; ++i) {
        if (!MapTileFileExists(i, i)) {
            StopStartupWithError(kCannotReadDataFiles);
            return false;
        }
    }
    return true;
}

// A tile that cannot be read while the map is painted ends the program, out of the paint.
void TMapWin::reportUnreadableTiles() {
    if (tileReportPending_) return;
    tileReportPending_ = true;
    QTimer::singleShot(0, this, [] {
        if (!Startup().Quitting) StopStartupWithError(kCannotReadDataFiles);
    });
}

void TMapWin::FreeMapTiles() {
    if (!TilesAllocated) return;
    tiles_.release();
    TilesAllocated = false;
}

void TMapWin::ShowMapWindow() {
    if (Startup().Quitting) return;
    const ShellWindows& w = Windows();
    show();
    if (w.MapKey && !SlideshowVisible()) w.MapKey->show();
    keepLondonInsetInStep();
    StartFlash();
    QWidget* focused = QApplication::focusWidget();
    if (focused && (isAncestorOf(focused) || (w.MapKey && w.MapKey->isAncestorOf(focused))))
        focused->clearFocus();
    for (QWidget* window : {w.MapWin.data(), w.MapKey.data(), w.ZMLondon.data(), w.ZMHelpWin.data(),
                            w.ZMAboutBox.data()})
        raiseIfShowing(window);
}

void TMapWin::HideMapWindow() {
    StopFlash();
    const ShellWindows& w = Windows();
    if (w.ZMLondon) w.ZMLondon->hide();
    hide();
    if (w.MapKey) w.MapKey->hide();
}

// The boxes that stay above the map; the help window gives way to the print dialogs.
void TMapWin::keepDialogsInFront() {
    const ShellWindows& w = Windows();
    if (!PrintBoxOpen() && !PrinterSetupBoxOpen()) raiseIfShowing(w.ZMHelpWin);
    raiseIfShowing(w.ZMAboutBox);
    raiseIfShowing(w.UpgradeBox);
}

// The inset shows while it is wanted and the whole London box is in view.
void TMapWin::keepLondonInsetInStep() {
    QWidget* inset = Windows().ZMLondon;
    if (!inset || !isVisible() || !Explore().LondonWanted) return;
    const int h = H();
    const int v = V();
    inset->setVisible(h <= kLondonBox.left() && h >= LondonMinH && v <= kLondonBox.top() &&
                      v >= LondonMinV);
}

void TMapWin::MoveMapToPlace(int place) {
    if (Startup().Quitting || !isPlace(place)) return;
    const PlaceRecord& p = Content().place(place);
    ExploreState& e = Explore();
    if (p.PlaceFlags2 & kPlaceOnLondonInset) {
        if (!e.CameFromLondon) e.LondonWanted = true;
    } else if (e.LondonWanted) {
        EraseLondonMarker();
        e.LondonWanted = false;
    }
    FlashPlace(place);
    if (!SlideshowVisible()) emit nowAt(QString::fromLatin1(PlaceName(place).c_str()));

    const std::optional<QPoint> to =
        DecideMapScroll(QPoint(p.x, p.y), QPoint(H(), V()), clientSize(),
                        QSize(Content().ColumnCount, Content().RowCount));
    if (to) {
        {
            const QSignalBlocker blockH(HorzScrollBar);
            const QSignalBlocker blockV(VertScrollBar);
            HorzScrollBar->setValue(to->x());
            VertScrollBar->setValue(to->y());
        }
        canvasOrigin_ = QPoint(H(), V());
        RepaintMap();
        emit scrolledTo(canvasOrigin_);
    }
}

void TMapWin::FlashPlace(int place) {
    StopFlash();
    FlashedPlace = place;
    StartFlash();
}

void TMapWin::StartFlash() {
    FlashDark = false;
    FlashTimer->start(kFirstFlashMs);
}

void TMapWin::StopFlash() {
    FlashTimer->stop();
    if (FlashDark) FlashTimerTimer();  // leaves the dot light
}

std::optional<QPoint> TMapWin::flashPoint() const {
    if (!isPlace(FlashedPlace)) return std::nullopt;
    const PlaceRecord& p = Content().place(FlashedPlace);
    return QPoint(p.x - H(), p.y - V());
}

void TMapWin::FlashTimerTimer() {
    if (Startup().Quitting) return;
    if (const std::optional<QPoint> at = flashPoint()) {
        const QRect changed = FlashDark ? FlashFill(canvas_, *at, kFlashDark, kDotYellow)
                                        : FlashFill(canvas_, *at, kDotYellow, kFlashDark);
        if (!changed.isEmpty()) Client->update(changed);
    }
    FlashDark = !FlashDark;
    // The inset's marker shows while the dot is dark.
    repaintLondonInset(FlashDark && Explore().LondonWanted ? london_.showMarker(FlashedPlace)
                                                           : london_.hideMarker());
    FlashTimer->setInterval(kFlashMs);
}

void TMapWin::repaintLondonInset(const QRect& changed) {
    if (!changed.isEmpty()) emit londonInsetChanged();
}

void TMapWin::EraseLondonMarker() { repaintLondonInset(london_.hideMarker()); }

void TMapWin::UpdateLondonPictures() {
    london_.colourPlaces(Explore().ExploreInSet);
    invalidate(kLondonBox.translated(-H(), -V()));
    emit londonInsetChanged();
}

std::optional<QString> TMapWin::MapHintAt(QPoint at) {
    if (!Content().loaded()) return std::nullopt;
    const MapHint hint = DecideMapHint(at, LastHintPlace);
    LastHintPlace = hint.lastHintPlace;
    if (!hint.text) return std::nullopt;
    return QString::fromLatin1(hint.text->c_str());
}

void TMapWin::FormMouseDown(QPoint at) {
    DownX = at.x();
    DownY = at.y();
}

void TMapWin::FormClick() {
    if (Startup().Quitting || !Content().loaded()) return;
    ClickBusy = true;
    const int x = H() + DownX;
    const int y = V() + DownY;
    const int place = Explore().ExploreInSet ? NearestFoundPlace(x, y, kCoverageRadius)
                                             : NearestPlace(x, y, kCoverageRadius);
    if (place == -1)
        emit upgradeBoxRequested();
    else
        emit placeClicked(place);
    ClickBusy = false;
}

// The click before a double-click may still be running (a box it opened): its place comes
// first. Waiting here would hold the click up, so the double-click comes back later.
void TMapWin::FormDblClick() {
    if (Startup().Quitting) return;
    if (ClickBusy) {
        QTimer::singleShot(kDoubleClickRetryMs, this, &TMapWin::FormDblClick);
        return;
    }
    emit nextViewRequested();
}

void TMapWin::FormKeyDown(QKeyEvent* event) { emit keyPressed(event); }

void TMapWin::FormKeyUp(QKeyEvent* event) { emit keyReleased(event); }

void TMapWin::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void TMapWin::keyReleaseEvent(QKeyEvent* event) { FormKeyUp(event); }

void TMapWin::contextMenuEvent(QContextMenuEvent* event) { PopupMenuAt(event->globalPos()); }

void TMapWin::PopupMenuAt(QPoint globalPos) {
    if (!Startup().Quitting) MapPopupMenu->popup(globalPos);
}

void TMapWin::InsetMouseDown(QPoint mapPoint) {
    FormMouseDown(QPoint(mapPoint.x() - H(), mapPoint.y() - V()));
}

void TMapWin::AddInsetHints(QWidget* surface) {
    hints_->addSurface(surface, [this](QPoint at) { return MapHintAt(InsetToMap(at)); });
}

void TMapWin::HelpClick() { emit helpToggleRequested(); }

void TMapWin::AboutClick() { emit aboutRequested(); }

void TMapWin::PrintMapClick() { PrintMapImage(canvas_); }

void TMapWin::PrintSetupClick() { RunPrinterSetupBox(); }

void TMapWin::MMinimiseClick() { emit minimiseRequested(); }

void TMapWin::MCopyMapClick() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(canvas_);
}

// The detailed map's canvas: tiles, the found-set greying and the flashing dot drawn for the
// parts that need it, and the canvas moved with the scroll position.
void TMapWin::invalidate(const QRect& rect) {
    FormPaint(rect);
    Client->update(rect);
}

void TMapWin::RepaintMap() {
    invalidate(canvas_.rect());
    if (Client->isVisible()) Client->repaint();
}

// A scroll bar moved: the canvas follows, and only what that uncovers is drawn.
void TMapWin::scrolled() {
    const QPoint now(H(), V());
    const QPoint by = canvasOrigin_ - now;
    if (by.isNull()) return;
    canvasOrigin_ = now;
    for (const QRect& strip : shiftCanvas(canvas_, by)) FormPaint(strip);
    Client->update();
    emit scrolledTo(now);
}

void TMapWin::DrawExplosionStep(const QRect& previous, const QRect& frame) {
    PaintExplosionStep(canvas_, previous, frame);
    if (Client->isVisible()) Client->repaint();
}

void TMapWin::FormPaint(const QRect& clientClip) {
    const QRect clip = clientClip & canvas_.rect();
    if (clip.isEmpty() || Startup().Quitting) return;
    keepLondonInsetInStep();
    keepDialogsInFront();
    const QPoint origin(H(), V());
    const QRect mapRect = clip.translated(origin);
    const TileRange clipTiles = TilesMeeting(mapRect);
    if (TilesAllocated) {
        const TileRange visible = TilesMeeting(QRect(origin, clientSize()));
        if (!tiles_.keepInView(visible, clipTiles)) reportUnreadableTiles();
    }

    QPainter painter(&canvas_);
    painter.setClipRect(clip);
    painter.fillRect(clip, QColor::fromRgb(kMapBackground));
    drawTiles(painter, clipTiles, origin);
    if (Explore().ExploreInSet && Content().loaded()) {
        if (mapRect.intersects(kLondonBox))
            painter.drawImage(kLondonBox.topLeft() - origin, london_.miniLonImage2());
        drawGreyDots(painter, mapRect, origin);
    }
    painter.end();

    // A flashing dot drawn again while it is dark stays dark until its next tick.
    const std::optional<QPoint> dot = flashPoint();
    if (FlashDark && dot && clip.contains(*dot)) FlashFill(canvas_, *dot, kDotYellow, kFlashDark);
}

void TMapWin::drawTiles(QPainter& painter, const TileRange& range, QPoint origin) {
    for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
        for (int r = range.firstRow; r <= range.lastRow; ++r) {
            if (const QImage* tile = tiles_.tile(c, r))
                painter.drawImage(QPoint(c * kMapTileWidth, r * kMapTileHeight) - origin, *tile);
        }
    }
}

void TMapWin::drawGreyDots(QPainter& painter, const QRect& mapRect, QPoint origin) {
    painter.setPen(QPen(QColor::fromRgb(kGreyedDot), 2));
    painter.setBrush(QColor::fromRgb(kGreyedDot));
    for (const int place : PlacesToGrey(mapRect)) {
        const PlaceRecord& p = Content().place(place);
        const QPoint centre = QPoint(p.x, p.y) - origin;
        painter.drawEllipse(QRect(centre - QPoint(kGreyDotRadius, kGreyDotRadius),
                                  QSize(2 * kGreyDotRadius, 2 * kGreyDotRadius)));
    }
}
