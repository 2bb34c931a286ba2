#include "tests/support/screenfixture.h"

#include <cstdlib>

#include "app/shellwindows.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "platform/messagebox.h"
#include "platform/systeminfo.h"
#include "screens/explore/explorestate.h"
#include "screens/show/showstate.h"

void ScreenTest::SetUp() {
    setenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8().constData(), 1);
    setenv("XDG_CONFIG_HOME", config_.path().toUtf8().constData(), 1);
    ResetStartupState();
    ResetShellWindows();
    ResetExploreState();
    ResetShowState();
    SetMessageResponder([this](const std::string&, const std::string& text, MessageButtons) {
        boxes.push_back(text);
        return MessageAnswer::Ok;
    });
    SetContentHost(&host_);
    SystemFacts facts = SystemInfo::queryHost();  // the configured offscreen screen
    facts.physicalMemoryBytes = 1ull << 30;
    facts.colourBits = 24;
    SystemInfo::inject(facts);
    RunStartupChecks();
    ASSERT_FALSE(Startup().Quitting);
}

void ScreenTest::TearDown() {
    SetContentHost(nullptr);
    SetMessageResponder(nullptr);
    SystemInfo::clearInjection();
    ReleaseContent();
    ResetShellWindows();
    ResetStartupState();
    ResetExploreState();
}
