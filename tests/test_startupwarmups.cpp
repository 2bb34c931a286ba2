// The start-up's warm-up threads, made after the application object as the program's entry
// makes them: Qt's fonts work as without them, and the session bus is opened ahead only where
// the accessibility bridge would open it.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <memory>

#include "platform/fontsetup.h"
#include "platform/fontwarmup.h"
#include "platform/sessionbuswarmup.h"

namespace {

class StartupWarmUpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    int argc = 1;
    char name[20] = "test_startupwarmups";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

TEST_F(StartupWarmUpTest, QtFindsTheProgramsFacesAfterTheFontList) {
    InstallFontSubstitutions();
    // One never waited for, as when the program ends early: its destructor joins the thread
    // (a thread left running would end the process here).
    { const FontConfigWarmUp unwaited; }
    FontConfigWarmUp warmUp;                                 // Qt's list made on the thread...
    const QStringList families = QFontDatabase::families();  // ...or waited for here
    warmUp.wait();
    warmUp.wait();  // a second wait finds the thread gone
    EXPECT_FALSE(families.filter(QStringLiteral("URW Bookman")).isEmpty());
    EXPECT_FALSE(families.filter(QStringLiteral("DejaVu Sans")).isEmpty());
    // The family may carry its foundry: "URW Bookman [urw]".
    const QString bookman = QFontInfo(QFont(QString::fromLatin1(kBookmanFace))).family();
    EXPECT_TRUE(bookman.startsWith(QStringLiteral("URW Bookman"))) << bookman.toStdString();
}

TEST_F(StartupWarmUpTest, TheBusIsLeftAloneOnTheOffscreenPlatform) {
    const SessionBusWarmUp warmUp;
    EXPECT_FALSE(warmUp.started());
}

}  // namespace
