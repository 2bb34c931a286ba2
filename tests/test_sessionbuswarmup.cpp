// The session bus opened ahead only where the accessibility bridge would open it.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/sessionbuswarmup.h"

namespace {

TEST(SessionBusWarmUp, LeavesTheBusAloneOnTheOffscreenPlatform) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "test_sessionbuswarmup";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const SessionBusWarmUp warmUp;
    EXPECT_FALSE(warmUp.started());
}

}  // namespace
