// Writing mkedition's output: files rewritten only when their bytes change, so that a build
// with no source change leaves every output (and whatever depends on it) untouched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);
bool WriteIfChanged(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteIfChanged(const std::string& path, const std::string& text);
// Copies source to target when source exists, removes target otherwise.
bool MirrorOptionalFile(const std::string& source, const std::string& target);

// C++ source of the program-held coast tour table.
std::string TourTableSource(const std::vector<int16_t>& tour);
