#include "platform/fluidengine.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <malloc.h>

#include <QFileInfo>
#include <cstdio>

namespace {

const char* const kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                   "/usr/share/sounds/sf2/default-GM.sf2"};

// The desktop's sound server first; the bare sound card only when there is none.
const std::vector<std::string> kDesktopDrivers = {"pulseaudio", "pipewire", "alsa"};

// ALSA tells of a missing sound card in many lines on standard error; the engine says it in one.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

const char* installedSoundFont() {
    for (const char* candidate : kSoundFonts)
        if (QFileInfo::exists(QString::fromLatin1(candidate))) return candidate;
    return nullptr;
}

struct Engine {
    bool allowed = true;
    bool silent = false;  // no driver or no sound font: not tried again in this run
    int users = 0;
    std::vector<std::string> drivers = kDesktopDrivers;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    bool toldSilent = false;

    ~Engine() { release(); }

    void release() {
        users = 0;
        if (!settings) return;
        if (driver) delete_fluid_audio_driver(driver);
        if (synth) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        driver = nullptr;
        synth = nullptr;
        settings = nullptr;
        // The freed sound font leaves holes in the heap: give their pages back.
        malloc_trim(0);
    }

    // The driver before the sound font, so a machine without sound never reads the font.
    void create() {
        // A machine without sound is normal here; FluidSynth need not say so on the console.
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(&ignoreAlsaError);
        const char* font = installedSoundFont();
        settings = font ? new_fluid_settings() : nullptr;
        if (settings) {
            fluid_settings_setstr(settings, "audio.file.name", "/dev/null");
            fluid_settings_setstr(settings, "audio.file.type", "raw");
            synth = new_fluid_synth(settings);
        }
        if (synth) {
            for (const std::string& name : drivers) {
                if (fluid_settings_setstr(settings, "audio.driver", name.c_str()) != FLUID_OK)
                    continue;
                driver = new_fluid_audio_driver(settings, synth);
                if (driver) break;
            }
        }
        const bool fontLoaded = driver && fluid_synth_sfload(synth, font, 1) != FLUID_FAILED;
        if (!fontLoaded) {
            release();
            silent = true;
            tellSilent(font && !driver ? "sound device" : "General MIDI sound font");
        }
    }

    // Silence is no fault, but the user should know why there is no music: one line per run.
    void tellSilent(const char* missing) {
        if (toldSilent) return;
        toldSilent = true;
        std::fprintf(stderr, "Vantora Fernvales: no %s found; running without sound.\n", missing);
    }
};

Engine& engine() {
    static Engine instance;
    return instance;
}

}  // namespace

fluid_synth_t* FluidEngine::acquireSynth() {
    Engine& e = engine();
    if (!e.allowed || e.silent) return nullptr;
    if (!e.synth) e.create();
    if (e.synth) ++e.users;
    return e.synth;
}

void FluidEngine::releaseSynth() {
    Engine& e = engine();
    if (e.users > 0 && --e.users == 0) e.release();
}

bool FluidEngine::soundFontLoaded() {
    const Engine& e = engine();
    return e.synth && fluid_synth_sfcount(e.synth) > 0;
}

void FluidEngine::setAudioAllowed(bool allowed) {
    Engine& e = engine();
    e.allowed = allowed;
    e.silent = false;
    if (!allowed) e.release();
}

void FluidEngine::setAudioDrivers(const std::vector<std::string>& names) {
    Engine& e = engine();
    e.release();
    e.drivers = names;
    e.silent = false;
}
