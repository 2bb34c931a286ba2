// The machine checks that run before the first window is laid out.
#pragma once

#include <string>

extern const char kAlreadyRunning[];
extern const char kScreenTooSmall[];
extern const char kFewColours[];
extern const char kWrongSystem[];
extern const char kLittleMemory[];

// The directory part of the program's path, with its trailing '/'; the development directory
// (compared ignoring case) is replaced by the development data directory.
std::string LocateDataDir(const std::string& programPath, const std::string& devProgramDir,
                          const std::string& devDataDir, bool& devLayout);

// Runs the checks in order on SystemInfo's facts; a fatal one shows its message and shuts
// down (Quitting is then set).
void RunStartupChecks();
