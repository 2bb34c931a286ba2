// Telling a machine without sound from the sockets and devices the audio drivers would open.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/audiodevices.h"
#include "platform/fluidengine.h"

namespace {

// The sound servers' variables for the length of a test, given back afterwards.
class AudioDevicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::string(value) : std::string("\1"));
            unsetenv(name);
        }
        ASSERT_TRUE(runtime.isValid());
        setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override {
        for (size_t i = 0; i < saved_.size(); ++i) {
            if (saved_[i] == "\1")
                unsetenv(kVariables[i]);
            else
                setenv(kVariables[i], saved_[i].c_str(), 1);
        }
    }
    void makeSocket(const QString& relative) {
        QDir(runtime.path()).mkpath(QFileInfo(relative).path());
        std::ofstream(QDir(runtime.path()).filePath(relative).toStdString()) << "";
    }

    static constexpr const char* kVariables[] = {"XDG_RUNTIME_DIR", "PULSE_SERVER",
                                                 "PIPEWIRE_REMOTE"};
    QTemporaryDir runtime;
    std::vector<std::string> saved_;
};

TEST_F(AudioDevicesTest, SoundServersAreFoundByTheirSocketsOrVariables) {
    if (!QFileInfo::exists(QStringLiteral("/var/run/pulse/native")))  // a system-wide server
        EXPECT_FALSE(AudioDriverMayWork("pulseaudio"));
    EXPECT_FALSE(AudioDriverMayWork("pipewire"));

    makeSocket(QStringLiteral("pulse/native"));
    EXPECT_TRUE(AudioDriverMayWork("pulseaudio"));
    EXPECT_FALSE(AudioDriverMayWork("pipewire"));
    makeSocket(QStringLiteral("pipewire-0"));
    EXPECT_TRUE(AudioDriverMayWork("pipewire"));

    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_FALSE(AudioDriverMayWork("pipewire")) << "no runtime folder, no socket in it";
    setenv("PIPEWIRE_REMOTE", "pipewire-0", 1);
    EXPECT_TRUE(AudioDriverMayWork("pipewire"));
    setenv("PULSE_SERVER", "tcp:localhost", 1);
    EXPECT_TRUE(AudioDriverMayWork("pulseaudio"));
}

TEST_F(AudioDevicesTest, DriversItDoesNotKnowAreTried) {
    EXPECT_TRUE(AudioDriverMayWork("file"));
    EXPECT_TRUE(AudioDriverMayWork("jack"));
}

// Without a sound server or card, asking for music leaves FluidSynth and its forty libraries
// unloaded: they would hold some 13 MB only to find no device.
TEST_F(AudioDevicesTest, NoDeviceNoFluidSynth) {
    const std::vector<std::string> servers = {"pulseaudio", "pipewire"};
    for (const std::string& driver : servers)
        if (AudioDriverMayWork(driver)) GTEST_SKIP() << "this machine has " << driver;
    FluidEngine::setAudioDrivers(servers);
    bool gotSynth = true;
    FluidEngine::post([&gotSynth] {
        gotSynth = FluidEngine::acquireSynth() != nullptr;
        if (gotSynth) FluidEngine::releaseSynth();
    });
    EXPECT_FALSE(FluidEngine::soundFontLoaded());  // waits for the job before it
    EXPECT_FALSE(gotSynth);
    EXPECT_EQ(dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_NOLOAD), nullptr);
}

}  // namespace
