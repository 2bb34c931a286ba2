#include "screens/title/zmstart.h"

#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>

#include "app/messages.h"
#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/stage.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "app/statebits.h"
#include "platform/picturecache.h"
#include "screens/common/shellart.h"
#include "screens/title/zmanim.h"

namespace {

constexpr int kInitDelayMs = 100;
// How long the title card waits to be painted before the other windows are made.
constexpr int kFirstPaintWaitMs = 200;
constexpr int kAnimationDelayMs = 12000;
const char kJingleFile[] = "000\\J0.dat";

}  // namespace

TZMStartWin::TZMStartWin(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    Windows().ZMStartWin = this;
    InitTimer.setSingleShot(true);
    StartAnimTimer.setSingleShot(true);
    connect(&InitTimer, &QTimer::timeout, this, &TZMStartWin::InitTimerTimer);
    connect(&StartAnimTimer, &QTimer::timeout, this, &TZMStartWin::StartAnimTimerTimer);
    connect(&JinglePlayer, &MidiPlayer::notify, this, &TZMStartWin::JinglePlayerNotify);
    RunStartupChecks();
    if (Startup().Quitting) return;
    const int w = Startup().ScreenWidth;
    const int h = Startup().ScreenHeight;
    resize(w * 362 / 800, h * 201 / 600);
    move(AreaOriginOnScreen() + QPoint((w - width()) / 2, h * 2 / 5 - height() / 2));
    Logo = new QLabel(this);
    Logo->installEventFilter(this);
    Logo->setGeometry(rect());
    // Read back (or painted) on a thread while the window is created and mapped; the picture
    // is handed over when the window is shown.
    logo_.start([cache = PictureCache(QStringLiteral("logo"), size(), QString()), size = size()] {
        // Painting it loads two faces, which takes far longer than reading it back.
        return cache.picture([size] { return PaintLogo(size); });
    });
    setWindowTitle(QString::fromLatin1(kProductTitle));
}

TZMStartWin::~TZMStartWin() = default;

void TZMStartWin::takeLogo() {
    if (logo_.pending()) Logo->setPixmap(QPixmap::fromImage(logo_.take()));
}

void TZMStartWin::ShowTitleCard() {
    held_ = true;
    show();
    if (logoPainted_ || Startup().Quitting) return;
    QEventLoop wait;
    QTimer::singleShot(kFirstPaintWaitMs, &wait, &QEventLoop::quit);
    paintWait_ = &wait;
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    paintWait_ = nullptr;
}

void TZMStartWin::StartSequence() {
    held_ = false;
    if (isVisible()) beginSequence();
}

void TZMStartWin::showEvent(QShowEvent*) {
    takeLogo();
    if (!held_) beginSequence();
}

void TZMStartWin::beginSequence() {
    // Restoring the window after a minimise shows it again: the sequence starts only once.
    if (Startup().Quitting || started_) return;
    started_ = true;
    if (!JinglePlayer.open(DataPath(kJingleFile))) {
        ShowErrorBox(kCannotReadDataFiles);
        Startup().ExitCode = 1;
        Shutdown();
        return;
    }
    StartAnimTimer.start(kAnimationDelayMs);
    InitTimer.start(kInitDelayMs);
    JinglePlayer.setNotify(false);
    JinglePlayer.play();
}

bool TZMStartWin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Logo && event->type() == QEvent::Paint) {
        logoPainted_ = true;
        if (paintWait_) paintWait_->quit();
    }
    return QWidget::eventFilter(watched, event);
}

void TZMStartWin::InitTimerTimer() {
    InitTimer.stop();
    if (Startup().Quitting) return;
    emit oneTimeSetUpDue();
    if (Startup().Quitting) return;
    JinglePlayer.setNotify(true);
}

void TZMStartWin::StartAnimTimerTimer() {
    StartAnimTimer.stop();
    if (Startup().Quitting || Startup().StopStartup || !animWin_) return;
    animWin_->showOverScreen();
    raise();
    const QPoint corner = pos() - AreaOriginOnScreen();
    animWin_->startZoom(Edges{corner.x(), corner.y(), corner.x() + width(), corner.y() + height()});
}

void TZMStartWin::LogoClick() {
    // A click before the set-up has run works too: the control screen comes first and the
    // set-up is left to it (see controlScreenDue).
    if (Startup().Quitting || !started_) return;
    Startup().StopStartup = true;
    JinglePlayer.setNotify(true);
    JinglePlayer.stop();  // its end notification finishes the sequence
}

void TZMStartWin::JinglePlayerNotify() {
    Startup().StopStartup = true;
    JinglePlayer.close();
    if (!Startup().Quitting) {
        if (TStage* stage = Stage()) stage->showFullArea();
        emit controlScreenDue();
        if (!ReadStateBit(kStateNoHelpAtStart)) emit helpDue();
    }
    hide();
    if (animWin_) animWin_->hide();
}

void TZMStartWin::hideEvent(QHideEvent* event) {
    if (event->spontaneous()) return;  // minimised: the sequence goes on
    InitTimer.stop();
    StartAnimTimer.stop();
    setEnabled(false);
}

void TZMStartWin::mousePressEvent(QMouseEvent*) { LogoClick(); }
