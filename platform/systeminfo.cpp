#include "platform/systeminfo.h"

#include <sys/utsname.h>

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

std::optional<SystemFacts>& injected() {
    static std::optional<SystemFacts> facts;
    return facts;
}

uint64_t physicalMemory() {
    std::FILE* meminfo = std::fopen("/proc/meminfo", "r");
    if (!meminfo) return 0;
    char line[256];
    unsigned long long kilobytes = 0;
    while (std::fgets(line, sizeof line, meminfo)) {
        if (std::sscanf(line, "MemTotal: %llu kB", &kilobytes) == 1) break;
    }
    std::fclose(meminfo);
    return static_cast<uint64_t>(kilobytes) * 1024;
}

// Linux is a modern multi-user system: it counts as the NT family.
void readOperatingSystem(SystemFacts& facts) {
    struct utsname names {};
    if (uname(&names) != 0) return;
    facts.osName = std::string(names.sysname) + " " + names.release;
    if (std::strcmp(names.sysname, "Linux") == 0) facts.family = OsFamily::WindowsNT;
    std::sscanf(names.release, "%d.%d.%d", &facts.osMajor, &facts.osMinor, &facts.osBuild);
}

}  // namespace

void LargestFourByThree(int width, int height, int& fitWidth, int& fitHeight) {
    fitWidth = width * 3 <= height * 4 ? width : height * 4 / 3;
    fitHeight = fitWidth * 3 / 4;
}

SystemFacts SystemInfo::current() { return injected() ? *injected() : queryHost(); }

void SystemInfo::inject(const SystemFacts& facts) { injected() = facts; }

void SystemInfo::clearInjection() { injected().reset(); }

SystemFacts SystemInfo::queryHost() {
    SystemFacts facts;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        LargestFourByThree(size.width(), size.height(), facts.screenWidth, facts.screenHeight);
        facts.colourBits = screen->depth();
    }
    facts.physicalMemoryBytes = physicalMemory();
    readOperatingSystem(facts);
    return facts;
}
