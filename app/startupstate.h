// Start-up globals: set once by the start-up checks, read by every screen.
#pragma once

#include <memory>
#include <string>

#include "platform/instancelock.h"

extern const char kProductTitle[];     // "Vantora Fernvales"
extern const char kRegistryKeyPath[];  // the preference key
extern const char kInstanceMutexName[];

struct StartupState {
    int ScreenWidth = 0;
    int ScreenHeight = 0;  // 0 until the checks have run
    int ColourBits = 0;
    int WindowsVersion = 0;
    bool IsNT = false;
    bool OldWindows95 = false;
    int MemoryMB = 0;
    bool LowMemory = false;
    std::string DataDir;      // ends with '/'
    std::string PictureRoot;  // a copy of DataDir
    bool DevLayout = false;
    std::string RegistryKeyPath;
    std::unique_ptr<InstanceLock> InstanceMutex;
    bool StopStartup = false;
    bool Quitting = false;
    bool NotInitialised = true;
    int ExitCode = 0;  // what the program returns once Quitting is set
};

StartupState& Startup();
void ResetStartupState();

// Data paths are written with backslashes ("000\J0.dat"), as the edition names them: DataDir
// joined with one.
std::string DataPath(const std::string& relative);
