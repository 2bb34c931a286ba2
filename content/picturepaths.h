// Picture paths are written with backslashes ("1\12\P034.JPG"); these turn them into what
// the file system and the keystream take.
#pragma once

#include <string>

// root (ending with '/') followed by relative with its backslashes made '/'.
std::string NativePicturePath(const std::string& root, const std::string& relative);

// The part after the last backslash: the name the keystream is seeded from.
std::string BarePictureName(const std::string& relative);
