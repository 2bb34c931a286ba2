// The orderly end: used by the exit dialog and by every fatal error.
#pragma once

// Writes the preference bits, hides and disables every window, releases pictures, map and
// content, closes the instance lock, asks the application to end and sets Quitting.
void Shutdown();
