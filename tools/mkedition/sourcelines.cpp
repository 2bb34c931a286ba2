#include "tools/mkedition/sourcelines.h"

#include <fstream>
#include <sstream>

namespace {

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    const size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// UTF-8 to Latin-1; false when a character has no Latin-1 form or the bytes are not UTF-8.
bool toLatin1(const std::string& in, std::string& out) {
    out.clear();
    for (size_t i = 0; i < in.size(); ++i) {
        const auto c = static_cast<unsigned char>(in[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < in.size() &&
                   (static_cast<unsigned char>(in[i + 1]) & 0xC0) == 0x80) {
            out.push_back(static_cast<char>(((c & 0x03) << 6) |
                                            (static_cast<unsigned char>(in[i + 1]) & 0x3F)));
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

bool SplitSourceLines(const std::string& text, std::vector<SourceLine>& lines, std::string& error) {
    std::istringstream stream(text);
    std::string raw;
    int number = 0;
    while (std::getline(stream, raw)) {
        ++number;
        std::string latin;
        if (!toLatin1(raw, latin)) {
            error = "line " + std::to_string(number) + ": a character outside Latin-1";
            return false;
        }
        const std::string t = trim(latin);
        if (t.empty() || t[0] == '#') continue;
        const size_t space = t.find_first_of(" \t");
        lines.push_back(SourceLine{number, t.substr(0, space),
                                   space == std::string::npos ? "" : trim(t.substr(space))});
    }
    return true;
}

std::string AtLine(const SourceLine& line, const std::string& what) {
    return "line " + std::to_string(line.number) + ": " + what;
}

bool ReadLineInts(const SourceLine& line, int* values, int count, std::string& error) {
    std::istringstream in(line.rest);
    for (int i = 0; i < count; ++i) {
        if (!(in >> values[i])) {
            error =
                AtLine(line, "'" + line.keyword + "' needs " + std::to_string(count) + " numbers");
            return false;
        }
    }
    std::string extra;
    if (in >> extra) {
        error = AtLine(
            line, "'" + line.keyword + "' has more than " + std::to_string(count) + " numbers");
        return false;
    }
    return true;
}

std::string ReadSourceFile(const std::string& path, bool& found) {
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
