// The program's run: a second copy says that one is already running, once, and ends.
#include <gtest/gtest.h>

#include "app/programrun.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "platform/instancelock.h"
#include "tests/support/screenfixture.h"

namespace {

class ProgramRunTest : public ScreenTest {};

TEST_F(ProgramRunTest, ASecondCopySaysAlreadyRunningOnceAndEnds) {
    ResetStartupState();  // lets the fixture's lock go
    InstanceLock firstCopy(kInstanceMutexName);
    ASSERT_TRUE(firstCopy.acquire());
    EXPECT_EQ(RunProgram(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Vantora Fernvales is already running");
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_TRUE(firstCopy.held());
}

}  // namespace
