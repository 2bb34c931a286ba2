#include <algorithm>

#include "content/textfiles.h"
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/scratchfiles.h"

namespace {

// The line limits of the extra text and the start-here text.
constexpr int kLineLimits[] = {255, 199};

bool isOneLine(const std::string& line, int limit) {
    if (line.empty() || line == "\n" || static_cast<int>(line.size()) > limit) return false;
    if (line.find('\0') != std::string::npos) return false;
    const size_t newline = line.find('\n');
    return newline == std::string::npos || newline == line.size() - 1;
}

}  // namespace

bool FuzzTextFile(const uint8_t* data, size_t size) {
    const std::string path = WriteScratchFile("text/ExtraText.txt", data, size);
    return std::all_of(std::begin(kLineLimits), std::end(kLineLimits), [&](int limit) {
        const std::optional<std::string> line = ReadFirstLine(path, limit);
        return !line || isOneLine(*line, limit);
    });
}
