#include "platform/animationclock.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

// A Qt timer delivers on the GUI thread and merges ticks it could not deliver in time, which
// is exactly the clock's promise. The timer belongs to the application object, so it goes
// with it.
struct Clock {
    QPointer<QTimer> timer;
    std::function<void()> step;
};

Clock& theClock() {
    static Clock instance;
    return instance;
}

}  // namespace

bool AnimationClock::start(int periodMs, std::function<void()> step) {
    Clock& c = theClock();
    if (running()) return false;
    if (!c.timer) {
        c.timer = new QTimer(QCoreApplication::instance());
        c.timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(c.timer, &QTimer::timeout, [] {
            // The step may stop the clock and start it with another step: run a copy.
            const std::function<void()> current = theClock().step;
            if (current) current();
        });
    }
    c.step = std::move(step);
    c.timer->start(periodMs < 1 ? 1 : periodMs);
    return true;
}

void AnimationClock::stop() {
    Clock& c = theClock();
    if (c.timer) c.timer->stop();
    c.step = nullptr;
}

bool AnimationClock::running() {
    const QPointer<QTimer>& timer = theClock().timer;
    return timer && timer->isActive();
}
