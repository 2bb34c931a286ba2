#include "tests/support/screenfixture.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <fstream>

#include "app/shellwindows.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "platform/messagebox.h"
#include "platform/midiplayer.h"
#include "platform/prefstore.h"
#include "platform/systeminfo.h"
#include "screens/explore/explorestate.h"
#include "screens/show/showstate.h"

void ScreenTest::SetUp() {
    setenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8().constData(), 1);
    setenv("XDG_CONFIG_HOME", config_.path().toUtf8().constData(), 1);
    setenv("XDG_DATA_HOME", userData_.path().toUtf8().constData(), 1);
    setenv("XDG_CACHE_HOME", cache_.path().toUtf8().constData(), 1);
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
    MidiPlayer::setAudioAllowed(false);
    RunStartupChecks();
    ASSERT_FALSE(Startup().Quitting);
    Startup().DataDir = data.path();
}

void ScreenTest::writeStateBits(uint32_t bits) {
    const std::string key = PrefStore(kRegistryKeyPath).filePath();
    QDir().mkpath(QFileInfo(QString::fromStdString(key)).path());
    std::ofstream(key) << "[General]\nStateBits=" << bits << "\n";
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
