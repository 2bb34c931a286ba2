// Reading the table file and the two free texts into the content store.
#pragma once

#include <string>

enum class LoadError { None, CannotOpen, NotUnderstood, OutOfMemory };

extern const char kCannotReadDataFile[];
extern const char kDataFileNotUnderstood[];
extern const char kOutOfMemory[];

// Reads dataDir + "BTab.dat" into the content store; on failure the store is left released.
LoadError ReadContentTables(const std::string& dataDir);

// The whole load: tables, texts and link arrays. On failure it sets StopStartup, shows the
// message and starts the shutdown through the content host; the caller checks Quitting.
void LoadContent(const std::string& dataDir);
