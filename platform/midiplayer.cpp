#include "platform/midiplayer.h"

#include <fluidsynth.h>

#include <atomic>
#include <fstream>

#include "platform/fluidengine.h"
#include "platform/fluidlibrary.h"
#include "platform/midifile.h"

// One play, shared by the player (on the GUI thread) and the jobs that start and end it on the
// audio thread. The GUI thread reads player only once state says Playing.
struct PlaySession {
    enum State { Starting, Playing, Silent };
    std::shared_ptr<const std::vector<uint8_t>> bytes;
    std::atomic<int> state{Starting};
    std::atomic<bool> cancelled{false};
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
};

namespace {

constexpr int kEndPollMs = 50;

// The whole file, refused when larger than any MIDI file the reader accepts.
bool readCapped(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size <= 0 || static_cast<uint64_t>(size) > midilimits::kMaxFileBytes) return false;
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0);
    return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

// Audio thread: starts the music, or finds there is none to be had.
void startSession(PlaySession& session) {
    if (session.cancelled) return;
    session.synth = FluidEngine::acquireSynth();
    if (session.synth) {
        const FluidApi& api = *LoadFluidApi();
        session.player = api.newPlayer(session.synth);
        if (session.player &&
            api.playerAddMem(session.player, session.bytes->data(), session.bytes->size()) ==
                FLUID_OK &&
            api.playerPlay(session.player) == FLUID_OK) {
            session.state = PlaySession::Playing;
            return;
        }
    }
    session.state = PlaySession::Silent;
}

// Audio thread, after startSession: lets go of the player and the synthesiser.
void endSession(PlaySession& session) {
    if (!session.synth) return;
    const FluidApi& api = *LoadFluidApi();
    if (session.player) {
        api.playerStop(session.player);
        api.playerJoin(session.player);
        api.deletePlayer(session.player);
        session.player = nullptr;
    }
    api.synthAllSoundsOff(session.synth, -1);
    session.synth = nullptr;
    FluidEngine::releaseSynth();
}

}  // namespace

MidiPlayer::MidiPlayer(QObject* parent) : QObject(parent) {
    endWatch_.setInterval(kEndPollMs);
    connect(&endWatch_, &QTimer::timeout, this, &MidiPlayer::watchPlay);
    silentClock_.setSingleShot(true);
    silentClock_.setTimerType(Qt::PreciseTimer);
    connect(&silentClock_, &QTimer::timeout, this, &MidiPlayer::ended);
}

MidiPlayer::~MidiPlayer() { close(); }

void MidiPlayer::setAudioAllowed(bool allowed) { FluidEngine::setAudioAllowed(allowed); }

bool MidiPlayer::open(const std::string& path) {
    close();
    std::vector<uint8_t> bytes;
    if (!readCapped(path, bytes)) return false;
    const MidiReadOutcome read = ParseMidiFile(bytes);
    if (!read.ok) return false;
    lengthSeconds_ = read.file.durationSeconds();
    lengthMilliseconds_ = read.file.durationMilliseconds();
    bytes_ = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    return true;
}

void MidiPlayer::play() {
    if (!isOpen() || playing_) return;
    playing_ = true;
    session_ = std::make_shared<PlaySession>();
    session_->bytes = bytes_;
    FluidEngine::post([session = session_] { startSession(*session); });
    sincePlay_.start();
    endWatch_.start();
}

void MidiPlayer::watchPlay() {
    if (!session_) return;
    switch (session_->state.load()) {
        case PlaySession::Starting:
            return;
        case PlaySession::Silent:
            // The music's length counts from play(), not from the audio thread's answer.
            endWatch_.stop();
            silentClock_.start(std::max<qint64>(0, lengthMilliseconds_ - sincePlay_.elapsed()));
            return;
        case PlaySession::Playing:
            if (LoadFluidApi()->playerGetStatus(session_->player) != FLUID_PLAYER_PLAYING) ended();
            return;
    }
}

void MidiPlayer::stop() {
    if (playing_) ended();
}

void MidiPlayer::close() {
    const bool wasNotifying = notify_;
    notify_ = false;
    stop();
    notify_ = wasNotifying;
    bytes_.reset();
    lengthSeconds_ = 0;
    lengthMilliseconds_ = 0;
}

void MidiPlayer::ended() {
    endWatch_.stop();
    silentClock_.stop();
    if (session_) {
        session_->cancelled = true;
        FluidEngine::post([session = std::move(session_)] { endSession(*session); });
    }
    if (!playing_) return;
    playing_ = false;
    if (notify_) emit notify();
}
