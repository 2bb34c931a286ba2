#include "app/setupbeforeinput.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/startupstate.h"

namespace {

// Long enough for the control screen to be painted and answer first.
constexpr int kIdleDelayMs = 100;

bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

SetUpBeforeInput::SetUpBeforeInput(const ProgramWindows& windows, QObject* parent)
    : QObject(parent), windows_(windows) {
    IdleTimer.setSingleShot(true);
    connect(&IdleTimer, &QTimer::timeout, this, &SetUpBeforeInput::IdleTimerTimer);
}

void SetUpBeforeInput::Arm() {
    if (!Startup().NotInitialised || Startup().Quitting || filtering_) return;
    QCoreApplication::instance()->installEventFilter(this);
    filtering_ = true;
    IdleTimer.start(kIdleDelayMs);
}

void SetUpBeforeInput::IdleTimerTimer() { runNow(); }

bool SetUpBeforeInput::eventFilter(QObject* watched, QEvent* event) {
    if (isInput(event->type())) runNow();
    return QObject::eventFilter(watched, event);
}

void SetUpBeforeInput::runNow() {
    IdleTimer.stop();
    if (filtering_) QCoreApplication::instance()->removeEventFilter(this);
    filtering_ = false;
    RunOneTimeSetUp(windows_);
}
