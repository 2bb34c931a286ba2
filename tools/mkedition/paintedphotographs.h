// The photographs of views that name no photograph file: painted from each view's topics,
// date and a seed of its own, encoded and stored scrambled at the view's picture path.
#pragma once

#include <string>

#include "tools/mkedition/tablebuilder.h"

bool WritePaintedPhotographs(const BuiltEdition& edition, const std::string& outDir,
                             std::string& error);
