#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

// Fontconfig builds its configuration once per process, safely from any thread; Qt's font
// database then finds it ready.
FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { wait(); }

void FontConfigWarmUp::wait() {
    if (reader_.joinable()) reader_.join();
}
