// Name lookup for the Go To page.
#pragma once

#include <string_view>

// The place whose name starts with the typed text (Latin-1, compared without case over the
// typed length, the first in name order), or -1. The first two characters must be letters
// (a one-letter text counts as that letter followed by 'A').
int FindPlaceByName(std::string_view text);
