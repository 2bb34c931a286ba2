#include "platform/fluidengine.h"

#include <malloc.h>

#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "platform/audiodevices.h"
#include "platform/fluidlibrary.h"
#include "platform/jobthread.h"

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

// Touched only on the audio thread, or after it has been joined.
struct Engine {
    bool allowed = true;
    bool silent = false;  // no library, driver or sound font: not tried again in this run
    int users = 0;
    std::vector<std::string> drivers = kDesktopDrivers;
    const FluidApi* api = nullptr;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    bool toldSilent = false;

    ~Engine() { release(); }

    void release() {
        users = 0;
        if (!settings) return;
        if (driver) api->deleteAudioDriver(driver);
        if (synth) api->deleteSynth(synth);
        api->deleteSettings(settings);
        driver = nullptr;
        synth = nullptr;
        settings = nullptr;
        // The freed sound font leaves holes in the heap: give their pages back.
        malloc_trim(0);
    }

    // The driver before the sound font, so a machine without sound never reads the font.
    void create() {
        if (std::none_of(drivers.begin(), drivers.end(), AudioDriverMayWork)) {
            silent = true;
            tellSilent("sound device");
            return;
        }
        api = LoadFluidApi();
        if (!api) {
            silent = true;
            tellSilent("FluidSynth library");
            return;
        }
        // A machine without sound is normal here; FluidSynth need not say so on the console.
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            api->setLogFunction(level, nullptr, nullptr);
        if (api->alsaSetErrorHandler) api->alsaSetErrorHandler(&ignoreAlsaError);
        const char* font = installedSoundFont();
        settings = font ? api->newSettings() : nullptr;
        if (settings) {
            api->settingsSetStr(settings, "audio.file.name", "/dev/null");
            api->settingsSetStr(settings, "audio.file.type", "raw");
            // Only the samples of the instruments a tune uses are read from the sound font.
            api->settingsSetInt(settings, "synth.dynamic-sample-loading", 1);
            synth = api->newSynth(settings);
        }
        if (synth) {
            for (const std::string& name : drivers) {
                if (!AudioDriverMayWork(name) ||
                    api->settingsSetStr(settings, "audio.driver", name.c_str()) != FLUID_OK)
                    continue;
                driver = api->newAudioDriver(settings, synth);
                if (driver) break;
            }
        }
        const bool fontLoaded = driver && api->synthSfLoad(synth, font, 1) != FLUID_FAILED;
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

// The thread is declared last, so it is joined before the engine it works on is destroyed.
struct AudioSide {
    Engine engine;
    JobThread thread;
};

AudioSide& audio() {
    static AudioSide instance;
    return instance;
}

Engine& engine() { return audio().engine; }

}  // namespace

void FluidEngine::post(std::function<void()> job) { audio().thread.post(std::move(job)); }

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
    bool loaded = false;
    audio().thread.run([&] {
        const Engine& e = engine();
        loaded = e.synth && e.api->synthSfCount(e.synth) > 0;
    });
    return loaded;
}

void FluidEngine::setAudioAllowed(bool allowed) {
    audio().thread.run([allowed] {
        Engine& e = engine();
        e.allowed = allowed;
        e.silent = false;
        if (!allowed) e.release();
    });
}

void FluidEngine::setAudioDrivers(const std::vector<std::string>& names) {
    audio().thread.run([&names] {
        Engine& e = engine();
        e.release();
        e.drivers = names;
        e.silent = false;
    });
}
