// The one FluidSynth synthesiser of the program, with its sound font and audio driver, made on
// first use. No audio device (or none allowed) leaves it silent.
#pragma once

struct _fluid_synth_t;

class FluidEngine {
  public:
    // Null when there is no audio to play through.
    static _fluid_synth_t* audibleSynth();
    static void setAudioAllowed(bool allowed);
};
