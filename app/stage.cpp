#include "app/stage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QScreen>

#include "app/colours.h"
#include "app/keypreview.h"
#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/startupstate.h"

namespace {

const QColor kBackdrop = QColor::fromRgb(kScreenBackdrop);
TStage* theStage = nullptr;

}  // namespace

TStage::TStage(QWidget* parent) : QWidget(parent), area_(new QWidget(this)) {
    theStage = this;
    setWindowTitle(QString::fromLatin1(kProductTitle));
    area_->setObjectName(QStringLiteral("StageArea"));
    qApp->installEventFilter(this);
}

TStage::~TStage() {
    qApp->removeEventFilter(this);
    if (theStage == this) theStage = nullptr;
}

void TStage::setCurrentScreen(QWidget* screen) { current_ = screen; }

void TStage::minimise() { showMinimized(); }

void TStage::showFullArea() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    showFullScreen();
}

void TStage::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), kBackdrop); }

// Closing the stage is the user asking to leave: the exit path decides.
void TStage::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (Startup().Quitting) {
        event->accept();
    } else if (isSignalConnected(QMetaMethod::fromSignal(&TStage::exitRequested))) {
        const QWidget* screen = current_.data();
        emit exitRequested(screen && screen == Windows().ZMExplore ? ExitRequester::ExploreScreen
                           : screen && screen == Windows().ZMShowWin
                               ? ExitRequester::SlideshowWindow
                               : ExitRequester::ControlScreen);
    } else {
        Shutdown();
    }
}

void TStage::resizeEvent(QResizeEvent*) { centreArea(); }

void TStage::centreArea() {
    const int w = Startup().ScreenWidth;
    const int h = Startup().ScreenHeight;
    area_->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
}

// Keys go to the current screen's handlers before the focused control. Only the first
// delivery counts: a key the focused control ignores travels up its parents through this
// filter again.
bool TStage::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    QWidget* focus = QApplication::focusWidget();
    auto* screen = dynamic_cast<KeyPreviewScreen*>(current_.data());
    const bool firstDelivery = watched == (focus ? static_cast<QObject*>(focus) : this);
    if (!firstDelivery || (focus && focus->window() != this) || !screen || !current_->isEnabled())
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    return type == QEvent::KeyPress ? screen->FormKeyDown(key) : screen->FormKeyUp(key);
}

void TStage::PassKeyDown(QKeyEvent* event) {
    auto* screen = dynamic_cast<KeyPreviewScreen*>(current_.data());
    if (screen && current_->isEnabled()) screen->FormKeyDown(event);
}

void TStage::PassKeyUp(QKeyEvent* event) {
    auto* screen = dynamic_cast<KeyPreviewScreen*>(current_.data());
    if (screen && current_->isEnabled()) screen->FormKeyUp(event);
}

QPoint AreaOriginOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QPoint(0, 0);
    const QRect display = screen->geometry();
    return display.topLeft() + QPoint((display.width() - Startup().ScreenWidth) / 2,
                                      (display.height() - Startup().ScreenHeight) / 2);
}

QWidget* StageArea() { return theStage ? theStage->area() : nullptr; }

TStage* Stage() { return theStage; }
