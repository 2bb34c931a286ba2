// The one FluidSynth synthesiser of the program, with its sound font and audio driver, held
// only while music plays: the sound font takes megabytes the program has no use for between
// tunes. No audio device (or none allowed) leaves it silent. All of it lives on an audio
// thread of its own: loading FluidSynth, opening the sound device and reading the sound font
// take tens of milliseconds the windows should not wait for.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct _fluid_synth_t;

class FluidEngine {
  public:
    // Queues a job on the audio thread, where every FluidSynth call of the program is made.
    static void post(std::function<void()> job);

    // On the audio thread: for a player about to play, the synthesiser, made with its driver
    // and sound font by the first player; null when there is no audio to play through. Every
    // synthesiser acquired is handed back with releaseSynth; the last one frees it and its
    // sound font.
    static _fluid_synth_t* acquireSynth();
    static void releaseSynth();

    // From other threads; each waits for the jobs queued before it.
    static bool soundFontLoaded();
    static void setAudioAllowed(bool allowed);
    // The audio drivers tried in turn. FluidSynth's "file" driver renders to /dev/null: tests
    // use it to play without a sound card.
    static void setAudioDrivers(const std::vector<std::string>& names);
};
