#include "platform/fluidengine.h"

#include <fluidsynth.h>

#include <QFileInfo>

namespace {

const char* const kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                   "/usr/share/sounds/sf2/default-GM.sf2"};

struct Engine {
    bool tried = false;
    bool allowed = true;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;

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
        if (!driver) release();
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
