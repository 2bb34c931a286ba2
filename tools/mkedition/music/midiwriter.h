// Standard MIDI File (format 1) of a song: a conductor track with the title, meter and tempo
// changes, then one track per part. The same song always gives the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/mkedition/music/song.h"

std::vector<uint8_t> WriteMidi(const Song& song);
