#include "content/textfiles.h"

#include <cstdio>
#include <memory>

std::optional<std::string> ReadFirstLine(const std::string& path, int maxChars) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return std::nullopt;
    std::string line;
    int c;
    while (static_cast<int>(line.size()) < maxChars && (c = std::fgetc(file.get())) != EOF) {
        if (c == '\0') break;  // a C string ends here
        if (c == '\r') {
            const int next = std::fgetc(file.get());
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, file.get());
            }
        }
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    if (line.empty() || line == "\n") return std::nullopt;
    return line;
}
