#include "platform/midiplayer.h"

#include <fluidsynth.h>

#include <fstream>

#include "platform/fluidengine.h"
#include "platform/midifile.h"

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

}  // namespace

MidiPlayer::MidiPlayer(QObject* parent) : QObject(parent) {
    endWatch_.setInterval(kEndPollMs);
    connect(&endWatch_, &QTimer::timeout, this, [this] {
        if (player_ && fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING) ended();
    });
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
    bytes_ = std::move(bytes);
    return true;
}

void MidiPlayer::play() {
    if (!isOpen() || playing_) return;
    playing_ = true;
    synth_ = FluidEngine::acquireSynth();
    if (synth_) {
        player_ = new_fluid_player(synth_);
        if (player_ && fluid_player_add_mem(player_, bytes_.data(), bytes_.size()) == FLUID_OK &&
            fluid_player_play(player_) == FLUID_OK) {
            endWatch_.start();
            return;
        }
        releasePlayer();
    }
    silentClock_.start(lengthMilliseconds_);
}

void MidiPlayer::stop() {
    if (playing_) ended();
}

void MidiPlayer::close() {
    const bool wasNotifying = notify_;
    notify_ = false;
    stop();
    notify_ = wasNotifying;
    bytes_.clear();
    lengthSeconds_ = 0;
    lengthMilliseconds_ = 0;
}

void MidiPlayer::ended() {
    endWatch_.stop();
    silentClock_.stop();
    releasePlayer();
    if (!playing_) return;
    playing_ = false;
    if (notify_) emit notify();
}

void MidiPlayer::releasePlayer() {
    if (player_) {
        fluid_player_stop(player_);
        fluid_player_join(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (!synth_) return;
    fluid_synth_all_sounds_off(synth_, -1);
    synth_ = nullptr;
    FluidEngine::releaseSynth();
}
