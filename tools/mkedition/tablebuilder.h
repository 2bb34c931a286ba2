// Derives everything the table file holds from an edition source: the y order of places, the
// x order, the alphabetical view groups, the two indexes, the neighbour and London flags, and
// the coast tour in place indices.
#pragma once

#include <string>
#include <vector>

#include "tools/mkedition/btabimage.h"
#include "tools/mkedition/editionsource.h"

// A view whose photograph is a file of the source.
struct ViewPhoto {
    int view = 0;  // index in the view table
    std::string file;
    int line = 0;
};

struct BuiltEdition {
    BTabImage image;
    std::vector<int16_t> tour;  // coast tour stops as place indices
    // For each source place, its index in the place table.
    std::vector<int> placeIndexOfSource;
    std::vector<ViewPhoto> photos;
    std::vector<SceneLine> scenes;  // for each view of the view table
};

struct BuildOutcome {
    bool ok = false;
    std::string error;  // "line N: ..." when a source line is at fault
    BuiltEdition edition;
};

BuildOutcome BuildTables(const EditionSource& source);
