// Reads an edition's geography: map.txt (outlines, rivers, roads, hills, names, the London
// pictures' streets) and towns.txt (towns outside the county). Messages name the file and line.
#pragma once

#include <string>

#include "tools/mkedition/maps/mapsource.h"

struct MapParseOutcome {
    bool ok = false;
    bool present = false;  // the folder has a map.txt: the edition has maps
    std::string error;
    MapSource source;
};

MapParseOutcome ParseMapFolder(const std::string& folder);

// The same for texts in memory; errors start "line N: ".
bool ParseMapText(const std::string& text, MapSource& source, std::string& error);
bool ParseTownsText(const std::string& text, MapSource& source, std::string& error);
