#include "screens/about/machinedesc.h"

#include <cstdio>
#include <vector>

#include "app/startupstate.h"
#include "platform/systeminfo.h"

std::string FormatMachineDesc(const MachineFacts& f) {
    const auto print = [&f](char* out, size_t size) {
        return std::snprintf(out, size, "%s %1.1d.%2.2d    Mem %dMB    Screen %dx%d at %dbpp",
                             f.system.c_str(), f.version / 256, f.version % 256, f.memoryMB,
                             f.screenWidth, f.screenHeight, f.colourBits);
    };
    const int length = print(nullptr, 0);
    if (length < 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    print(text.data(), text.size());
    return std::string(text.data(), static_cast<size_t>(length));
}

// The system's name is the first word of what it calls itself ("Linux 6.1.0").
MachineFacts CurrentMachine() {
    const StartupState& s = Startup();
    MachineFacts facts;
    const std::string name = SystemInfo::current().osName;
    facts.system = name.substr(0, name.find(' '));
    if (facts.system.empty()) facts.system = s.IsNT ? "NT" : "Win";
    facts.version = s.WindowsVersion;
    facts.memoryMB = s.MemoryMB;
    facts.screenWidth = s.ScreenWidth;
    facts.screenHeight = s.ScreenHeight;
    facts.colourBits = s.ColourBits;
    return facts;
}
