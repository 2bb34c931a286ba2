// Start-up: the machine checks with injected facts, the single-instance rule, the preference
// bits, the data directory, the shutdown, and the control screen's content load.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

#include "app/messages.h"
#include "app/shellhost.h"
#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "app/statebits.h"
#include "content/datatables.h"
#include "platform/instancelock.h"
#include "platform/messagebox.h"
#include "platform/prefstore.h"
#include "platform/systeminfo.h"
#include "screens/home/zmhome.h"
#include "tests/support/editions.h"
#include "tests/support/minimaps.h"

namespace {

struct Box {
    std::string caption;
    std::string text;
};

SystemFacts goodMachine() {
    SystemFacts facts;
    facts.screenWidth = 800;
    facts.screenHeight = 600;
    facts.colourBits = 24;
    facts.physicalMemoryBytes = 64ull << 20;
    facts.family = OsFamily::WindowsNT;
    facts.osMajor = 6;
    facts.osMinor = 1;
    return facts;
}

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8().constData(), 1);
        setenv("XDG_CONFIG_HOME", config_.path().toUtf8().constData(), 1);
        ResetStartupState();
        ResetShellWindows();
        SetMessageResponder(
            [this](const std::string& caption, const std::string& text, MessageButtons) {
                boxes.push_back({caption, text});
                return MessageAnswer::Ok;
            });
        SetContentHost(&host_);
    }
    void TearDown() override {
        SetContentHost(nullptr);
        SetMessageResponder(nullptr);
        SystemInfo::clearInjection();
        ReleaseContent();
        ResetShellWindows();
        ResetStartupState();
    }

    void runChecks(const SystemFacts& facts) {
        SystemInfo::inject(facts);
        RunStartupChecks();
    }

    void createKey(const std::string& contents) {
        const std::string path = PrefStore(kRegistryKeyPath).filePath();
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
        std::ofstream(path) << contents;
    }

    std::vector<Box> boxes;
    QTemporaryDir runtime_;
    QTemporaryDir config_;
    ShellHost host_;
};

TEST_F(StartupTest, GoodMachinePassesQuietly) {
    runChecks(goodMachine());
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(Startup().Quitting);
    EXPECT_EQ(Startup().ScreenWidth, 800);
    EXPECT_EQ(Startup().ScreenHeight, 600);
    EXPECT_TRUE(Startup().IsNT);
    EXPECT_EQ(Startup().WindowsVersion, 0x601);
    EXPECT_EQ(Startup().MemoryMB, 64);
    EXPECT_FALSE(Startup().LowMemory);
    EXPECT_FALSE(Startup().DataDir.empty());
    EXPECT_EQ(Startup().DataDir.back(), '/');
    EXPECT_EQ(Startup().PictureRoot, Startup().DataDir);
}

TEST_F(StartupTest, ScreenBelow800x600IsRefused) {
    for (auto size : {std::make_pair(799, 600), std::make_pair(800, 599)}) {
        ResetStartupState();
        boxes.clear();
        SystemFacts facts = goodMachine();
        facts.screenWidth = size.first;
        facts.screenHeight = size.second;
        runChecks(facts);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "Vantora Fernvales Error");
        EXPECT_EQ(boxes[0].text, "Set screen area to at least 800 x 600 in High or True Colour");
        EXPECT_TRUE(Startup().Quitting);
        EXPECT_NE(Startup().ExitCode, 0);
    }
}

TEST_F(StartupTest, ColourAndMemoryWarningsAtTheirThresholds) {
    SystemFacts facts = goodMachine();
    facts.colourBits = 15;
    facts.physicalMemoryBytes = 12582912;
    runChecks(facts);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Vantora Fernvales Warning");
    EXPECT_EQ(boxes[0].text,
              "Vantora Fernvales is designed for Display Properties Settings of High (16-bit) or "
              "True (24-bit) Colour.");
    EXPECT_EQ(boxes[1].text,
              "Vantora Fernvales is designed for machines with 16MB memory or more. With less it "
              "runs slowly and may fail.");
    EXPECT_FALSE(Startup().Quitting);
    EXPECT_TRUE(Startup().LowMemory);

    Shutdown();
    ResetStartupState();
    boxes.clear();
    facts.colourBits = 16;
    facts.physicalMemoryBytes = 12582913;
    runChecks(facts);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StartupTest, OperatingSystemFamilies) {
    SystemFacts old95 = goodMachine();
    old95.family = OsFamily::Windows9x;
    old95.osBuild = 0x04010000 | 1998;
    old95.physicalMemoryBytes = 29999999;
    runChecks(old95);
    EXPECT_FALSE(Startup().IsNT);
    EXPECT_EQ(Startup().WindowsVersion, 0x401);
    EXPECT_TRUE(Startup().OldWindows95);
    EXPECT_TRUE(Startup().LowMemory);
    Shutdown();

    ResetStartupState();
    SystemFacts other = goodMachine();
    other.family = OsFamily::Other;
    runChecks(other);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Vantora Fernvales is designed for Windows 95 or 98");
    EXPECT_TRUE(Startup().Quitting);
}

TEST_F(StartupTest, SecondInstanceIsRefused) {
    InstanceLock first(kInstanceMutexName);
    ASSERT_TRUE(first.acquire());
    runChecks(goodMachine());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Vantora Fernvales Error");
    EXPECT_EQ(boxes[0].text, "Vantora Fernvales is already running");
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_EQ(Startup().ExitCode, 0);
    EXPECT_EQ(Startup().ScreenHeight, 0);

    first.release();
    ResetStartupState();
    boxes.clear();
    runChecks(goodMachine());
    EXPECT_TRUE(boxes.empty());
    InstanceLock another(kInstanceMutexName);
    EXPECT_FALSE(another.acquire());
    Shutdown();  // releases the lock
    EXPECT_TRUE(another.acquire());
}

TEST(Messages, OnlyTheFirstAppNameIsReplaced) {
    EXPECT_EQ(ReplaceAppName("no placeholder"), "no placeholder");
    EXPECT_EQ(ReplaceAppName("APPNAME and APPNAME"), "Vantora Fernvales and APPNAME");
    EXPECT_EQ(ReplaceAppName("Run APPNAME."), "Run Vantora Fernvales.");
}

TEST(DataDirectory, ProgramDirectoryOrDevelopmentData) {
    bool dev = true;
    EXPECT_EQ(
        LocateDataDir("/opt/fern/vantora-fernvales", "/home/dev/fern/", "/home/dev/out/", dev),
        "/opt/fern/");
    EXPECT_FALSE(dev);
    EXPECT_EQ(
        LocateDataDir("/HOME/Dev/FERN/vantora-fernvales", "/home/dev/fern/", "/home/dev/out/", dev),
        "/home/dev/out/");
    EXPECT_TRUE(dev);
}

TEST_F(StartupTest, PreferenceBitsNeedAnExistingKey) {
    const std::string keyFile = PrefStore(kRegistryKeyPath).filePath();
    EXPECT_NE(keyFile.find("Vantora Software Ltd/Vantora Fernvales/1.2"), std::string::npos);
    WriteStateBit(kStateMusicOff, true);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(keyFile)));
    EXPECT_FALSE(ReadStateBit(kStateMusicOff));

    createKey("");
    // No value yet: music on, standard music, "Product text".
    for (uint32_t bit : {kStateNoHelpAtStart, kStateMusicOff, kStateUserMusic,
                         kStateScrollingTitles, kStateCaptions})
        EXPECT_FALSE(ReadStateBit(bit));

    WriteStateBit(kStateCaptions, true);
    WriteStateBit(kStateMusicOff, true);
    WriteStateBit(kStateMusicOff, false);
    WriteStateBit(kStateNoHelpAtStart, true);
    EXPECT_TRUE(ReadStateBit(kStateCaptions));
    EXPECT_TRUE(ReadStateBit(kStateNoHelpAtStart));
    EXPECT_FALSE(ReadStateBit(kStateMusicOff));
    uint32_t stored = 0;
    ASSERT_TRUE(PrefStore(kRegistryKeyPath).readValue("StateBits", stored));
    EXPECT_EQ(stored, kStateCaptions | kStateNoHelpAtStart);

    createKey("[General]\nStateBits=not a number\n");
    EXPECT_FALSE(ReadStateBit(kStateCaptions));
}

TEST_F(StartupTest, ControlScreenLoadsTheContent) {
    runChecks(goodMachine());
    DataDirectory data;
    data.writeTable(Build(SimpleEdition(60, 2)).image);
    WriteMiniMaps(data);
    Startup().DataDir = data.path();
    {
        TZMHomeWin home;
        EXPECT_TRUE(boxes.empty());
        EXPECT_FALSE(Startup().Quitting);
        EXPECT_EQ(home.placeNames().size(), 60u);
        EXPECT_EQ(home.width(), 800);
        home.show();
        home.CloseBtnClick();  // with no exit dialog to ask, Exit ends the program
        EXPECT_TRUE(Startup().Quitting);
        EXPECT_FALSE(Content().loaded());
        EXPECT_TRUE(home.isHidden());
    }
}

TEST_F(StartupTest, DamagedTableStopsTheStart) {
    runChecks(goodMachine());
    DataDirectory data;
    BTabImage image = Build(SimpleEdition(60, 2)).image;
    image.views[2].NextGroup = 1;
    data.writeTable(image);
    WriteMiniMaps(data);
    Startup().DataDir = data.path();
    TZMHomeWin home;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Vantora Fernvales Error");
    EXPECT_EQ(boxes[0].text,
              "Data file not understood - is Vantora Fernvales correctly installed?");
    EXPECT_TRUE(Startup().StopStartup);
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_EQ(Startup().ExitCode, 1);
    EXPECT_TRUE(home.placeNames().empty());
}

TEST(ScreenArea, LargestFourByThree) {
    int w = 0, h = 0;
    LargestFourByThree(1920, 1080, w, h);
    EXPECT_EQ(w, 1440);
    EXPECT_EQ(h, 1080);
    LargestFourByThree(800, 600, w, h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    LargestFourByThree(1280, 1024, w, h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 960);
    LargestFourByThree(799, 600, w, h);
    EXPECT_EQ(h, 599);
}

}  // namespace
