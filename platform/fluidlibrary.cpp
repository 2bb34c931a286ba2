#include "platform/fluidlibrary.h"

#include <dlfcn.h>

#include <optional>

namespace {

const char* const kLibraryNames[] = {"libfluidsynth.so.3", "libfluidsynth.so"};

template <typename Function>
bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

bool resolveAll(void* library, FluidApi& api) {
    return resolve(library, "new_fluid_settings", api.newSettings) &&
           resolve(library, "delete_fluid_settings", api.deleteSettings) &&
           resolve(library, "fluid_settings_setstr", api.settingsSetStr) &&
           resolve(library, "fluid_settings_setint", api.settingsSetInt) &&
           resolve(library, "new_fluid_synth", api.newSynth) &&
           resolve(library, "delete_fluid_synth", api.deleteSynth) &&
           resolve(library, "fluid_synth_sfload", api.synthSfLoad) &&
           resolve(library, "fluid_synth_sfcount", api.synthSfCount) &&
           resolve(library, "fluid_synth_all_sounds_off", api.synthAllSoundsOff) &&
           resolve(library, "new_fluid_audio_driver", api.newAudioDriver) &&
           resolve(library, "delete_fluid_audio_driver", api.deleteAudioDriver) &&
           resolve(library, "fluid_set_log_function", api.setLogFunction) &&
           resolve(library, "new_fluid_player", api.newPlayer) &&
           resolve(library, "delete_fluid_player", api.deletePlayer) &&
           resolve(library, "fluid_player_add_mem", api.playerAddMem) &&
           resolve(library, "fluid_player_play", api.playerPlay) &&
           resolve(library, "fluid_player_stop", api.playerStop) &&
           resolve(library, "fluid_player_join", api.playerJoin) &&
           resolve(library, "fluid_player_get_status", api.playerGetStatus);
}

std::optional<FluidApi> load() {
    void* library = nullptr;
    for (const char* name : kLibraryNames)
        if ((library = dlopen(name, RTLD_NOW | RTLD_LOCAL))) break;
    if (!library) return std::nullopt;
    FluidApi api{};
    if (!resolveAll(library, api)) {
        dlclose(library);
        return std::nullopt;
    }
    // ALSA is FluidSynth's own dependency: found through its handle. Without it (a FluidSynth
    // built without ALSA) there is nothing of ALSA's to quieten.
    resolve(library, "snd_lib_error_set_handler", api.alsaSetErrorHandler);
    return api;
}

}  // namespace

const FluidApi* LoadFluidApi() {
    static const std::optional<FluidApi> api = load();
    return api ? &*api : nullptr;
}
