// Reads an edition source folder: edition.txt, places.txt and coast.txt (UTF-8 text; the table
// holds Latin-1). Messages name the file and line at fault.
#pragma once

#include <string>

#include "tools/mkedition/editionsource.h"

struct ParseOutcome {
    bool ok = false;
    std::string error;
    EditionSource source;
};

ParseOutcome ParseEditionFolder(const std::string& folder);

// The same for texts in memory (file names are only used in messages).
bool ParseEditionText(const std::string& text, EditionSource& source, std::string& error);
bool ParsePlacesText(const std::string& text, EditionSource& source, std::string& error);
bool ParseCoastText(const std::string& text, EditionSource& source, std::string& error);
