#include "app/startupstate.h"

const char kProductTitle[] = "Vantora Fernvales";
const char kRegistryKeyPath[] = "SOFTWARE\\Vantora Software Ltd\\Vantora Fernvales\\1.2";
const char kInstanceMutexName[] = "VantoraFernvalesRunning";

StartupState& Startup() {
    static StartupState state;
    return state;
}

void ResetStartupState() { Startup() = StartupState(); }

std::string DataPath(const std::string& relative) {
    std::string path = Startup().DataDir + relative;
    for (size_t i = Startup().DataDir.size(); i < path.size(); ++i) {
        if (path[i] == '\\') path[i] = '/';
    }
    return path;
}
