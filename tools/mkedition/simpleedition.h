// A made-up edition of any size, for tests and fuzz seeds: places spread over the map, each
// with viewsPerPlace views; names are distinct, start with two letters, and sort differently
// from the place order.
#pragma once

#include <cstdint>

#include "tools/mkedition/editionsource.h"

EditionSource SimpleEdition(int places, int viewsPerPlace, uint32_t seed = 1);
