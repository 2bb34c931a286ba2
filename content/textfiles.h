// The one-line free texts beside the table file.
#pragma once

#include <optional>
#include <string>

// The first line of a text file, at most maxChars characters, the newline included when it
// fits (as a C line read with a buffer of maxChars + 1). Absent when the file is missing or
// the line is empty. CR LF line ends read as LF.
std::optional<std::string> ReadFirstLine(const std::string& path, int maxChars);
