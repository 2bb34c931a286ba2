#include "platform/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

// Qt's font database is safe to use from any thread; it is filled once per process.
FontConfigWarmUp::FontConfigWarmUp() : lister_([] { QFontDatabase::families(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { wait(); }

void FontConfigWarmUp::wait() {
    if (lister_.joinable()) lister_.join();
}
