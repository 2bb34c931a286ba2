// The MIDI player: refuses what is not MIDI, and announces the end of a play (or its stop)
// when notification is on, also with no audio to play through. The sound font is in memory only
// while music plays.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "platform/fluidengine.h"
#include "platform/midiplayer.h"
#include "tests/support/editions.h"
#include "tests/support/music.h"

namespace {

// Runs the event loop until the player notifies or the limit passes; the milliseconds taken.
qint64 waitForNotify(MidiPlayer& player, int limitMs, int& notifications) {
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&player, &MidiPlayer::notify, &loop, [&] {
        ++notifications;
        loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return clock.elapsed();
}

class MidiPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MidiPlayer::setAudioAllowed(false);
        dir.write("short.mid", ShortPiece());
        dir.write("garbage.mid", std::string("MThd but not really a MIDI file at all"));
    }
    DataDirectory dir;
};

TEST_F(MidiPlayerTest, RefusesMissingAndDamagedFiles) {
    MidiPlayer player;
    EXPECT_FALSE(player.open(dir.path() + "missing.mid"));
    EXPECT_FALSE(player.open(dir.path() + "garbage.mid"));
    std::vector<uint8_t> cut = ShortPiece();
    cut.resize(cut.size() - 7);
    dir.write("cut.mid", cut);
    EXPECT_FALSE(player.open(dir.path() + "cut.mid"));
    EXPECT_FALSE(player.isOpen());
    player.play();  // nothing to play: no notification, no crash
    EXPECT_FALSE(player.isPlaying());
    ASSERT_TRUE(player.open(dir.path() + "short.mid"));
    EXPECT_NEAR(player.lengthSeconds(), 0.5, 0.01);
}

TEST_F(MidiPlayerTest, NotifiesTheEndAfterTheMusicsLength) {
    MidiPlayer player;
    ASSERT_TRUE(player.open(dir.path() + "short.mid"));
    player.setNotify(true);
    player.play();
    EXPECT_TRUE(player.isPlaying());
    int notifications = 0;
    const qint64 took = waitForNotify(player, 3000, notifications);
    EXPECT_EQ(notifications, 1);
    EXPECT_GE(took, 480);
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(MidiPlayerTest, StopNotifiesOnlyWhenNotificationIsOn) {
    MidiPlayer player;
    ASSERT_TRUE(player.open(dir.path() + "short.mid"));
    int notifications = 0;
    QObject::connect(&player, &MidiPlayer::notify, [&] { ++notifications; });
    player.play();
    player.stop();
    EXPECT_EQ(notifications, 0);
    player.setNotify(true);
    player.play();
    player.stop();
    EXPECT_EQ(notifications, 1);
    player.stop();  // already stopped
    player.close();
    EXPECT_EQ(notifications, 1);

    // A play left running when its file is closed ends quietly.
    ASSERT_TRUE(player.open(dir.path() + "short.mid"));
    player.play();
    player.close();
    QEventLoop loop;
    QTimer::singleShot(700, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(notifications, 1);
}

// FluidSynth's file driver stands in for a sound card, so the players really play.
class MidiPlayerSoundFontTest : public MidiPlayerTest {
  protected:
    void SetUp() override {
        MidiPlayerTest::SetUp();
        FluidEngine::setAudioDrivers({"file"});
        MidiPlayer::setAudioAllowed(true);
    }
    void TearDown() override {
        MidiPlayer::setAudioAllowed(false);
        FluidEngine::setAudioDrivers({"pulseaudio", "pipewire", "alsa"});
    }
};

TEST_F(MidiPlayerSoundFontTest, LoadedForTheFirstPlayAndFreedAfterTheLast) {
    MidiPlayer jingle, music;
    ASSERT_TRUE(jingle.open(dir.path() + "short.mid"));
    ASSERT_TRUE(music.open(dir.path() + "short.mid"));
    EXPECT_FALSE(FluidEngine::soundFontLoaded());
    jingle.play();
    EXPECT_TRUE(FluidEngine::soundFontLoaded());
    music.play();
    jingle.stop();
    EXPECT_TRUE(FluidEngine::soundFontLoaded()) << "the music still plays";
    music.stop();
    EXPECT_FALSE(FluidEngine::soundFontLoaded());

    // Again for the next tune, and freed when it comes to its own end.
    music.setNotify(true);
    music.play();
    EXPECT_TRUE(FluidEngine::soundFontLoaded());
    int notifications = 0;
    waitForNotify(music, 5000, notifications);
    EXPECT_EQ(notifications, 1);
    EXPECT_FALSE(FluidEngine::soundFontLoaded());
}

TEST_F(MidiPlayerSoundFontTest, APlayerClosedOrDestroyedWhilePlayingLetsItGo) {
    {
        MidiPlayer player;
        ASSERT_TRUE(player.open(dir.path() + "short.mid"));
        player.play();
        EXPECT_TRUE(FluidEngine::soundFontLoaded());
    }
    EXPECT_FALSE(FluidEngine::soundFontLoaded());
    MidiPlayer player;
    ASSERT_TRUE(player.open(dir.path() + "short.mid"));
    player.play();
    player.close();
    EXPECT_FALSE(FluidEngine::soundFontLoaded());
}

TEST_F(MidiPlayerSoundFontTest, NeverReadWithoutADriver) {
    FluidEngine::setAudioDrivers({});
    MidiPlayer player;
    ASSERT_TRUE(player.open(dir.path() + "short.mid"));
    player.play();
    EXPECT_FALSE(FluidEngine::soundFontLoaded());
    EXPECT_TRUE(player.isPlaying()) << "it plays silently all the same";
}

}  // namespace
