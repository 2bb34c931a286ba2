// The edition's photographs: JPEG files of the source, stored scrambled at each view's
// picture path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/mkedition/tablebuilder.h"

// Scrambles a photograph file's bytes (any bytes: tests scramble damaged files too) with the
// keystream seeded from the file's bare name.
std::vector<uint8_t> ScramblePhotograph(std::vector<uint8_t> bytes, const std::string& bareName);

// For every view with a photograph: checks that the file is a JPEG image of the size the view
// announces (768 x 512, or 400 x 600 when portrait) and writes it scrambled under outDir.
// Errors name the places.txt line at fault.
bool WritePhotographs(const BuiltEdition& edition, const std::string& sourceDir,
                      const std::string& outDir, std::string& error);
