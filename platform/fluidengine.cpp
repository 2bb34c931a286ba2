#include "platform/fluidengine.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <QFileInfo>
#include <cstdio>

namespace {

const char* const kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                   "/usr/share/sounds/sf2/default-GM.sf2"};

// ALSA tells of a missing sound card in many lines on standard error; the engine says it in one.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

struct Engine {
    bool tried = false;
    bool allowed = true;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    bool toldSilent = false;

    ~Engine() { release(); }

    void release() {
        if (driver) delete_fluid_audio_driver(driver);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
        driver = nullptr;
        synth = nullptr;
        settings = nullptr;
    }

    void create() {
        tried = true;
        // A machine without sound is normal here; FluidSynth need not say so on the console.
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(&ignoreAlsaError);
        settings = new_fluid_settings();
        if (!settings) return;
        synth = new_fluid_synth(settings);
        const char* font = nullptr;
        for (const char* candidate : kSoundFonts) {
            if (QFileInfo::exists(QString::fromLatin1(candidate))) {
                font = candidate;
                break;
            }
        }
        if (synth && font && fluid_synth_sfload(synth, font, 1) != FLUID_FAILED) {
            // The desktop's sound server first; the bare sound card only when there is none.
            for (const char* name : {"pulseaudio", "pipewire", "alsa"}) {
                if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
                driver = new_fluid_audio_driver(settings, synth);
                if (driver) break;
            }
        }
        if (!driver) {
            release();
            tellSilent(font ? "sound device" : "General MIDI sound font");
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

fluid_synth_t* FluidEngine::audibleSynth() {
    Engine& e = engine();
    if (!e.allowed) return nullptr;
    if (!e.tried) e.create();
    return e.synth;
}

void FluidEngine::setAudioAllowed(bool allowed) {
    Engine& e = engine();
    e.allowed = allowed;
    if (!allowed) {
        e.release();
        e.tried = false;
    }
}
