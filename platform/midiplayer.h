// A MIDI sequence player: FluidSynth with the General MIDI sound font, through the desktop's
// audio; the sound font is in memory only while some player plays. The music starts on the audio
// thread, so play() returns at once. Without an audio device it plays silently in real time, so
// its end still comes when the music would have ended. A file that is not a valid MIDI file is
// refused when opened.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

struct PlaySession;

class MidiPlayer : public QObject {
    Q_OBJECT
  public:
    explicit MidiPlayer(QObject* parent = nullptr);
    ~MidiPlayer() override;

    // False when the file is missing, unreadable or not a MIDI file.
    bool open(const std::string& path);
    void play();
    // Ends the play; with notification on, notify() follows as for a natural end.
    void stop();
    void close();
    bool isOpen() const { return bytes_ != nullptr; }
    bool isPlaying() const { return playing_; }
    double lengthSeconds() const { return lengthSeconds_; }
    int lengthMilliseconds() const { return lengthMilliseconds_; }

    // Whether the end (or a stop) of the play is announced by notify().
    void setNotify(bool on) { notify_ = on; }
    bool notifies() const { return notify_; }

    // Tests keep the players silent whatever the machine has.
    static void setAudioAllowed(bool allowed);

  signals:
    void notify();

  private:
    void watchPlay();
    void ended();

    std::shared_ptr<const std::vector<uint8_t>> bytes_;
    double lengthSeconds_ = 0;
    int lengthMilliseconds_ = 0;
    bool playing_ = false;
    bool notify_ = false;
    std::shared_ptr<PlaySession> session_;  // the play as the audio thread sees it
    QElapsedTimer sincePlay_;
    QTimer endWatch_;     // polls the session for its start and its end
    QTimer silentClock_;  // stands in for the music when there is no audio
};
