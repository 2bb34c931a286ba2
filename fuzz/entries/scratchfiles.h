// Readers that open files by path get the fuzz input through a private directory, made once
// per process (in memory where /dev/shm allows) and removed when the process ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The directory, ending with '/'.
const std::string& ScratchDirectory();
// Writes the bytes as the named file (a path inside the directory) and returns its path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);
