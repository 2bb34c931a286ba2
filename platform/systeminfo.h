// Facts about the host the start-up checks judge: the usable screen, colour depth, memory and
// operating system. Every value can be injected, so tests can play any machine.
#pragma once

#include <cstdint>
#include <string>

enum class OsFamily { Windows9x, WindowsNT, Other };

struct SystemFacts {
    int screenWidth = 0;  // the largest 4:3 area of the display
    int screenHeight = 0;
    int colourBits = 0;
    uint64_t physicalMemoryBytes = 0;
    OsFamily family = OsFamily::Other;
    int osMajor = 0;
    int osMinor = 0;
    int osBuild = 0;
    std::string osName;  // shown to the user, e.g. "Linux 6.1.0"
};

// The largest 4:3 rectangle that fits a width x height display.
void LargestFourByThree(int width, int height, int& fitWidth, int& fitHeight);

class SystemInfo {
  public:
    // The injected facts when there are any, else the host's (needs a QGuiApplication).
    static SystemFacts current();
    static void inject(const SystemFacts& facts);
    static void clearInjection();
    static SystemFacts queryHost();
};
