// Whether an audio driver could find a device to play through, told from the sockets and device
// files it would open, without loading it: on a machine with no sound, FluidSynth and the
// libraries it brings are never loaded at all.
#pragma once

#include <string>

// For FluidSynth's driver names; a name this does not know is assumed to work.
bool AudioDriverMayWork(const std::string& driver);
