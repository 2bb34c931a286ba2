// The animation clock: one at a time, ticks on the GUI thread, and no backlog for a busy one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <thread>

#include "platform/animationclock.h"

namespace {

void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Ticks come on a loaded machine too, only later: wait for them, up to a generous limit.
bool runEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) runEventsFor(10);
    return done();
}

class AnimationClockTest : public ::testing::Test {
  protected:
    void TearDown() override { AnimationClock::stop(); }
};

TEST_F(AnimationClockTest, TicksUntilStoppedAndOnlyOneRuns) {
    int first = 0;
    int second = 0;
    ASSERT_TRUE(AnimationClock::start(10, [&] { ++first; }));
    EXPECT_FALSE(AnimationClock::start(5, [&] { ++second; }));
    EXPECT_TRUE(runEventsUntil([&] { return first >= 3; }));
    EXPECT_EQ(second, 0);

    AnimationClock::stop();
    EXPECT_FALSE(AnimationClock::running());
    const int atStop = first;
    runEventsFor(60);
    EXPECT_EQ(first, atStop);

    ASSERT_TRUE(AnimationClock::start(5, [&] { ++second; }));
    EXPECT_TRUE(runEventsUntil([&] { return second >= 3; }));
}

TEST_F(AnimationClockTest, ABusyGuiThreadGetsNoBacklog) {
    int ticks = 0;
    ASSERT_TRUE(AnimationClock::start(5, [&] { ++ticks; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // 40 periods go by unserved
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_LE(ticks, 2);
}

TEST_F(AnimationClockTest, AStepMayHandOverToAnotherStep) {
    std::vector<char> trace;
    std::function<void()> second = [&] {
        trace.push_back('b');
        AnimationClock::stop();
    };
    ASSERT_TRUE(AnimationClock::start(5, [&] {
        trace.push_back('a');
        AnimationClock::stop();
        AnimationClock::start(5, second);
    }));
    runEventsFor(80);
    EXPECT_EQ(trace, (std::vector<char>{'a', 'b'}));
    EXPECT_FALSE(AnimationClock::running());
}

}  // namespace
