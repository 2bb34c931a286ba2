#include "platform/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

FontConfigWarmUp::~FontConfigWarmUp() { wait(); }

void FontConfigWarmUp::wait() {
    if (lister_.joinable()) lister_.join();
}

// Qt's font database is safe to use from any thread; it is filled once per process.
void FontConfigWarmUp::ListFamilies() {
    if (!lister_.joinable()) lister_ = std::thread([] { QFontDatabase::families(); });
}
