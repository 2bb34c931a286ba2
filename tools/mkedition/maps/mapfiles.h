// An edition's maps as files: the detailed map's tiles and the two mini maps in the data
// directory, pixel rows scrambled, and the two London pictures (PNG) in the folder the program's
// resources are compiled from. Everything is drawn from the edition's map.txt and towns.txt and
// its places; an edition without map.txt has no maps. Files are rewritten only when they change.
#pragma once

#include <string>

#include "tools/mkedition/editionsource.h"

constexpr int kSmallMiniMapWidth = 384;
constexpr int kSmallMiniMapHeight = 600;
constexpr int kLargeMiniMapWidth = 768;
constexpr int kLargeMiniMapHeight = 1200;

// resourceDir empty: no London pictures. Errors name the file (and the source line) at fault.
bool WriteEditionMaps(const EditionSource& edition, const std::string& sourceDir,
                      const std::string& outDir, const std::string& resourceDir,
                      std::string& error);
