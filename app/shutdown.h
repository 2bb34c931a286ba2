// The orderly end: used by the exit dialog and by every fatal error.
#pragma once

#include <string>

// Writes the preference bits, hides and disables every window, releases pictures, map and
// content, closes the instance lock, sets Quitting and asks the application to end.
void Shutdown();

// A fatal start-up error: stops the start, shows the error box and shuts down with a failure
// exit code.
void StopStartupWithError(const std::string& text);
