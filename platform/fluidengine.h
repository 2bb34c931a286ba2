// The one FluidSynth synthesiser of the program, with its sound font and audio driver, held
// only while music plays: the sound font takes megabytes the program has no use for between
// tunes. No audio device (or none allowed) leaves it silent.
#pragma once

#include <string>
#include <vector>

struct _fluid_synth_t;

class FluidEngine {
  public:
    // For a player about to play: the synthesiser, made with its driver and sound font by the
    // first player; null when there is no audio to play through. Every synthesiser acquired is
    // handed back with releaseSynth; the last one frees it and its sound font.
    static _fluid_synth_t* acquireSynth();
    static void releaseSynth();
    static bool soundFontLoaded();

    static void setAudioAllowed(bool allowed);
    // The audio drivers tried in turn. FluidSynth's "file" driver renders to /dev/null: tests
    // use it to play without a sound card.
    static void setAudioDrivers(const std::vector<std::string>& names);
};
