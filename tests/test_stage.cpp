// The stage: the centred screen area and the key preview that lets a screen see keys first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "app/keypreview.h"
#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/stage.h"
#include "app/startupstate.h"

namespace {

class PreviewingScreen : public QWidget, public KeyPreviewScreen {
  public:
    explicit PreviewingScreen(QWidget* parent) : QWidget(parent), edit(new QLineEdit(this)) {}
    bool FormKeyDown(QKeyEvent* event) override {
        downs.push_back(event->key());
        return event->key() == Qt::Key_Home;
    }
    bool FormKeyUp(QKeyEvent* event) override {
        ups.push_back(event->key());
        return false;
    }
    QLineEdit* edit;
    std::vector<int> downs;
    std::vector<int> ups;
};

void press(QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

class StageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetStartupState();
        Startup().ScreenWidth = 800;
        Startup().ScreenHeight = 600;
    }
    void TearDown() override {
        ResetShellWindows();
        ResetStartupState();
    }
};

TEST_F(StageTest, AreaIsCentred) {
    TStage stage;
    EXPECT_EQ(Stage(), &stage);
    EXPECT_EQ(StageArea(), stage.area());
    stage.resize(1024, 768);
    stage.show();
    EXPECT_EQ(stage.area()->geometry(), QRect(112, 84, 800, 600));
    stage.resize(1440, 900);
    EXPECT_EQ(stage.area()->geometry(), QRect(320, 150, 800, 600));
}

TEST_F(StageTest, CurrentScreenSeesKeysFirst) {
    TStage stage;
    auto* screen = new PreviewingScreen(stage.area());
    stage.setCurrentScreen(screen);
    stage.show();
    QApplication::setActiveWindow(&stage);
    screen->edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), screen->edit);

    press(screen->edit, Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(screen->edit->text(), QStringLiteral("a"));  // not consumed: the edit gets it
    press(screen->edit, Qt::Key_Home);
    EXPECT_EQ(screen->edit->cursorPosition(), 1);  // consumed: the edit never saw Home
    press(screen->edit, Qt::Key_F5);               // ignored by the edit, travels up its parents
    EXPECT_EQ(screen->downs, (std::vector<int>{Qt::Key_A, Qt::Key_Home, Qt::Key_F5}));
    EXPECT_EQ(screen->ups, (std::vector<int>{Qt::Key_A, Qt::Key_Home, Qt::Key_F5}));

    screen->setEnabled(false);
    press(screen->edit, Qt::Key_B, QStringLiteral("b"));
    EXPECT_EQ(screen->downs.size(), 3u);
}

// The shutdown ends the event loop, and Qt then closes every window: the stage must not take
// that close for the user asking to leave (which would open the exit dialog a second time).
TEST_F(StageTest, ShutdownClosesTheStageWithoutAskingToLeave) {
    TStage stage;
    stage.show();
    int leaveRequests = 0;
    QObject::connect(&stage, &TStage::exitRequested, [&leaveRequests](ExitRequester) {
        ++leaveRequests;
        QCoreApplication::exit();  // the close was refused, so quit would not end the loop
    });
    QTimer::singleShot(0, [] { Shutdown(); });
    QApplication::exec();
    EXPECT_EQ(leaveRequests, 0);
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_FALSE(stage.isVisible());
}

}  // namespace
