// The line grammar every edition source file shares: UTF-8 text held as Latin-1, blank lines
// and lines starting with '#' skipped, each line a keyword and the rest.
#pragma once

#include <string>
#include <vector>

struct SourceLine {
    int number;
    std::string keyword;
    std::string rest;
};

// False, with "line N: ..." in error, when a line has a character outside Latin-1.
bool SplitSourceLines(const std::string& text, std::vector<SourceLine>& lines, std::string& error);

// "line N: what"
std::string AtLine(const SourceLine& line, const std::string& what);

// Exactly count whole numbers after the keyword.
bool ReadLineInts(const SourceLine& line, int* values, int count, std::string& error);

// The whole file; found tells whether it could be opened.
std::string ReadSourceFile(const std::string& path, bool& found);
