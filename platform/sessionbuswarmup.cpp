#include "platform/sessionbuswarmup.h"

#include <QDBusConnection>
#include <QGuiApplication>

// Only the desktop platforms reach their accessibility bridge over the bus; elsewhere (the
// offscreen platform of the tests) nothing would ever open it.
SessionBusWarmUp::SessionBusWarmUp() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform == QLatin1String("wayland"))
        opener_ = std::thread([] { QDBusConnection::sessionBus(); });
}

SessionBusWarmUp::~SessionBusWarmUp() {
    if (opener_.joinable()) opener_.join();
}
