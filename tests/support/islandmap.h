// A small edition with a map: a square island whose east coast runs past three coast places,
// an inland place, a London box with two quarters, a town outside the county.
#pragma once

#include <string>

#include "tools/mkedition/editionsource.h"

// map.txt of the island (its lines: land 1-4, county 5-6).
extern const char kIslandMap[];
// towns.txt of the island.
extern const char kIslandTowns[];

// The places of the island; sourceLine n for the n-th place is 4n + 1.
EditionSource IslandEdition();
