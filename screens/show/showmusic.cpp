#include "screens/show/showmusic.h"

#include <QTimer>

#include "app/startupstate.h"
#include "platform/midiplayer.h"
#include "platform/usermusic.h"
#include "screens/show/showstate.h"

namespace {

constexpr int kRepeatPauseMs = 5000;
const char kShowMusicFile[] = "000\\J1.dat";

}  // namespace

std::string StandardShowMusicPath() { return DataPath(kShowMusicFile); }

std::string ShowMusicFile(bool userMusicChosen) {
    if (userMusicChosen && UserMusicExists()) return UserMusicPath();
    return StandardShowMusicPath();
}

ShowMusicPlayer::ShowMusicPlayer(QObject* parent) : QObject(parent) {
    ShowMusic = new MidiPlayer(this);
    MusicRepTimer = new QTimer(this);
    MusicRepTimer->setSingleShot(true);
    MusicRepTimer->setInterval(kRepeatPauseMs);
    connect(ShowMusic, &MidiPlayer::notify, this, &ShowMusicPlayer::ShowMusicNotify);
    connect(MusicRepTimer, &QTimer::timeout, this, &ShowMusicPlayer::MusicRepTimerTimer);
}

void ShowMusicPlayer::Start(bool userMusicChosen) {
    ShowMusic->setNotify(false);
    file_ = ShowMusicFile(userMusicChosen);
    if (!ShowMusic->open(file_)) return;  // the show runs on without music
    ShowMusic->play();
    ShowWindowState().ShowMusicOn = true;
    ShowMusic->setNotify(true);
}

void ShowMusicPlayer::Stop() {
    ShowState& s = ShowWindowState();
    if (!s.ShowMusicOn) return;
    s.ShowMusicOn = false;
    MusicRepTimer->stop();
    ShowMusic->setNotify(false);
    ShowMusic->stop();
    ShowMusic->close();
}

void ShowMusicPlayer::ShowMusicNotify() {
    if (ShowWindowState().ShowMusicOn) MusicRepTimer->start(kRepeatPauseMs);
}

void ShowMusicPlayer::MusicRepTimerTimer() {
    MusicRepTimer->stop();
    if (ShowWindowState().ShowMusicOn) ShowMusic->play();
}
