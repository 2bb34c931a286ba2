#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>

// Fontconfig builds its configuration once per process, safely from any thread; Qt's font
// database then finds it ready.
FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { wait(); }

void FontConfigWarmUp::wait() {
    for (std::thread* thread : {&reader_, &lister_})
        if (thread->joinable()) thread->join();
}

// Qt's font database is safe to use from any thread; it is filled once per process.
void FontConfigWarmUp::ListFamilies() {
    wait();
    if (!lister_.joinable()) lister_ = std::thread([] { QFontDatabase::families(); });
}
