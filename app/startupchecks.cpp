#include "app/startupchecks.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cctype>

#include "app/messages.h"
#include "app/shutdown.h"
#include "app/startupstate.h"
#include "content/pictures.h"
#include "platform/instancelock.h"
#include "platform/systeminfo.h"

const char kAlreadyRunning[] = "APPNAME is already running";
const char kScreenTooSmall[] = "Set screen area to at least 800 x 600 in High or True Colour";
const char kFewColours[] =
    "APPNAME is designed for Display Properties Settings of High (16-bit) or True (24-bit) Colour.";
const char kWrongSystem[] = "APPNAME is designed for Windows 95 or 98";
const char kLittleMemory[] =
    "APPNAME is designed for machines with 16MB memory or more. With less it runs slowly and may "
    "fail.";

namespace {

constexpr uint64_t kWarnMemoryBytes = 12582912;
constexpr uint64_t kLowMemoryNT = 60000000;
constexpr uint64_t kLowMemory9x = 30000000;
constexpr int kExitFailed = 1;

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void fatal(const char* message, int exitCode) {
    ShowErrorBox(message);
    Startup().ExitCode = exitCode;
    Shutdown();
}

std::string programPath() {
    if (!QCoreApplication::instance()) return {};
    return QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath().toStdString();
}

}  // namespace

std::string LocateDataDir(const std::string& programPath, const std::string& devProgramDir,
                          const std::string& devDataDir, bool& devLayout) {
    const size_t slash = programPath.find_last_of('/');
    std::string dir = slash == std::string::npos ? "./" : programPath.substr(0, slash + 1);
    devLayout = !devProgramDir.empty() && equalIgnoringCase(dir, devProgramDir);
    return devLayout ? devDataDir : dir;
}

void RunStartupChecks() {
    StartupState& s = Startup();
    const SystemFacts facts = SystemInfo::current();

    s.InstanceMutex = std::make_unique<InstanceLock>(kInstanceMutexName);
    if (!s.InstanceMutex->acquire()) {
        s.InstanceMutex.reset();
        fatal(kAlreadyRunning, 0);
        return;
    }

    s.RegistryKeyPath = kRegistryKeyPath;

    s.ScreenWidth = facts.screenWidth;
    s.ScreenHeight = facts.screenHeight;
    if (s.ScreenHeight < 600 || s.ScreenWidth < 800) {
        fatal(kScreenTooSmall, kExitFailed);
        return;
    }

    s.ColourBits = facts.colourBits;
    if (s.ColourBits < 16) ShowWarningBox(kFewColours);

    switch (facts.family) {
        case OsFamily::Windows9x:
            s.WindowsVersion = (facts.osBuild >> 16) & 0xFFFF;
            s.OldWindows95 = s.WindowsVersion < 0x402;
            s.IsNT = false;
            break;
        case OsFamily::WindowsNT:
            s.WindowsVersion = facts.osMajor * 256 + facts.osMinor;
            s.IsNT = true;
            break;
        case OsFamily::Other:
            fatal(kWrongSystem, kExitFailed);
            return;
    }

    const uint64_t bytes = facts.physicalMemoryBytes;
    s.MemoryMB = static_cast<int>(bytes / 1048576);
    s.LowMemory = bytes < (s.IsNT ? kLowMemoryNT : kLowMemory9x);
    if (bytes <= kWarnMemoryBytes) ShowWarningBox(kLittleMemory);

    s.DataDir = LocateDataDir(programPath(), FERN_DEV_PROGRAM_DIR, FERN_DEV_DATA_DIR, s.DevLayout);
    s.PictureRoot = s.DataDir;
    SetPictureRoot(s.PictureRoot);
}
