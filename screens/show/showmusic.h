// The slideshow's music: the standard piece or the user's own file, played again five
// seconds after each end for as long as it is on.
#pragma once

#include <QObject>
#include <string>

class MidiPlayer;
class QTimer;

// The standard show music under DataDir.
std::string StandardShowMusicPath();
// The user's file when it is chosen and exists, else the standard show music.
std::string ShowMusicFile(bool userMusicChosen);

class ShowMusicPlayer : public QObject {
    Q_OBJECT
  public:
    explicit ShowMusicPlayer(QObject* parent = nullptr);

    MidiPlayer* ShowMusic = nullptr;
    QTimer* MusicRepTimer = nullptr;

    void Start(bool userMusicChosen);
    void Stop();
    void ShowMusicNotify();
    void MusicRepTimerTimer();

    const std::string& file() const { return file_; }

  private:
    std::string file_;
};
