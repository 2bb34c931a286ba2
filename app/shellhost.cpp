#include "app/shellhost.h"

#include <cstdlib>

#include "app/messages.h"
#include "app/shutdown.h"
#include "app/startupstate.h"

void ShellHost::showError(const std::string& text) { ShowErrorBox(text); }

bool ShellHost::askRetryCancel(const std::string& text) { return AskRetryCancel(text); }

void ShellHost::stopStartup() { Startup().StopStartup = true; }

void ShellHost::shutdown() { Shutdown(); }

bool ShellHost::quitting() const { return Startup().Quitting; }

void ShellHost::exitProcess(int code) { std::exit(code); }
