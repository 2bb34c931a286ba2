// FluidSynth, loaded when music is first wanted instead of with the program: it brings some
// forty libraries (sound servers, codecs, GLib) that would lengthen every start and hold memory
// whether or not music ever plays.
#pragma once

#include <fluidsynth.h>

// The FluidSynth functions the program calls, and ALSA's error hook, which comes in with it.
struct FluidApi {
    decltype(&new_fluid_settings) newSettings;
    decltype(&delete_fluid_settings) deleteSettings;
    decltype(&fluid_settings_setstr) settingsSetStr;
    decltype(&fluid_settings_setint) settingsSetInt;
    decltype(&new_fluid_synth) newSynth;
    decltype(&delete_fluid_synth) deleteSynth;
    decltype(&fluid_synth_sfload) synthSfLoad;
    decltype(&fluid_synth_sfcount) synthSfCount;
    decltype(&fluid_synth_all_sounds_off) synthAllSoundsOff;
    decltype(&new_fluid_audio_driver) newAudioDriver;
    decltype(&delete_fluid_audio_driver) deleteAudioDriver;
    decltype(&fluid_set_log_function) setLogFunction;
    decltype(&new_fluid_player) newPlayer;
    decltype(&delete_fluid_player) deletePlayer;
    decltype(&fluid_player_add_mem) playerAddMem;
    decltype(&fluid_player_play) playerPlay;
    decltype(&fluid_player_stop) playerStop;
    decltype(&fluid_player_join) playerJoin;
    decltype(&fluid_player_get_status) playerGetStatus;
    void (*alsaSetErrorHandler)(void (*)(const char*, int, const char*, int, const char*, ...));
};

// Loads the library on the first call; null when it or one of the functions is missing. The
// library stays loaded for the rest of the run.
const FluidApi* LoadFluidApi();
