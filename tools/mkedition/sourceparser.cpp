#include "tools/mkedition/sourceparser.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "tools/mkedition/topics.h"

namespace {

struct Line {
    int number;
    std::string keyword;
    std::string rest;
};

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

bool splitLines(const std::string& text, std::vector<Line>& lines, std::string& error) {
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
        Line line{number, t.substr(0, space), space == std::string::npos ? "" : trim(t.substr(space))};
        lines.push_back(line);
    }
    return true;
}

std::string at(const Line& line, const std::string& what) {
    return "line " + std::to_string(line.number) + ": " + what;
}

bool readInts(const Line& line, int* values, int count, std::string& error) {
    std::istringstream in(line.rest);
    for (int i = 0; i < count; ++i) {
        if (!(in >> values[i])) {
            error = at(line, "'" + line.keyword + "' needs " + std::to_string(count) + " numbers");
            return false;
        }
    }
    std::string extra;
    if (in >> extra) {
        error = at(line, "'" + line.keyword + "' has more than " + std::to_string(count) + " numbers");
        return false;
    }
    return true;
}

std::string readFile(const std::string& path, bool& found) {
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool parseViewLine(const Line& line, SourceView& view, std::string& error) {
    const std::string& k = line.keyword;
    if (k == "year") return readInts(line, &view.year, 1, error);
    if (k == "portrait") {
        view.portrait = true;
        return true;
    }
    if (k == "picture") {
        view.picCode = line.rest;
        return true;
    }
    if (k == "photo") {
        view.photo = line.rest;
        return true;
    }
    if (k == "caption") {
        view.caption = line.rest;
        return true;
    }
    if (k == "+") {
        view.caption += view.caption.empty() ? line.rest : " " + line.rest;
        return true;
    }
    if (k == "topics") {
        std::istringstream words(line.rest);
        std::string word;
        TopicBits bits;
        while (words >> word) {
            if (!LookUpTopic(word, bits)) {
                error = at(line, "unknown topic '" + word + "'");
                return false;
            }
        }
        view.topicMaskA |= bits.maskA;
        view.topicMaskB |= bits.maskB;
        return true;
    }
    error = at(line, "unknown keyword '" + k + "' in a view");
    return false;
}

}  // namespace

bool ParseEditionText(const std::string& text, EditionSource& source, std::string& error) {
    std::vector<Line> lines;
    if (!splitLines(text, lines, error)) return false;
    for (const Line& line : lines) {
        const std::string& k = line.keyword;
        if (k == "ident") {
            source.ident = line.rest;
        } else if (k == "rows") {
            if (!readInts(line, &source.rowCount, 1, error)) return false;
        } else if (k == "columns") {
            if (!readInts(line, &source.columnCount, 1, error)) return false;
        } else if (k == "london-box") {
            int box[4];
            if (!readInts(line, box, 4, error)) return false;
            source.londonBox = MapBox{box[0], box[1], box[2], box[3]};
        } else {
            error = at(line, "unknown keyword '" + k + "'");
            return false;
        }
    }
    return true;
}

bool ParsePlacesText(const std::string& text, EditionSource& source, std::string& error) {
    std::vector<Line> lines;
    if (!splitLines(text, lines, error)) return false;
    SourcePlace* place = nullptr;
    SourceView* view = nullptr;
    for (const Line& line : lines) {
        const std::string& k = line.keyword;
        if (k == "place") {
            source.places.push_back(SourcePlace{});
            place = &source.places.back();
            place->name = line.rest;
            place->line = line.number;
            view = nullptr;
        } else if (!place) {
            error = at(line, "'" + k + "' before the first place");
            return false;
        } else if (k == "at") {
            int xy[2];
            if (!readInts(line, xy, 2, error)) return false;
            place->x = xy[0];
            place->y = xy[1];
        } else if (k == "show") {
            place->inStandardShow = true;
        } else if (k == "view") {
            place->views.push_back(SourceView{});
            view = &place->views.back();
            view->title = line.rest;
            view->line = line.number;
        } else if (!view) {
            error = at(line, "unknown keyword '" + k + "' in a place");
            return false;
        } else if (!parseViewLine(line, *view, error)) {
            return false;
        }
    }
    return true;
}

bool ParseCoastText(const std::string& text, EditionSource& source, std::string& error) {
    std::vector<Line> lines;
    if (!splitLines(text, lines, error)) return false;
    source.coastOrder.clear();
    for (const Line& line : lines) {
        source.coastOrder.push_back(
            CoastStop{line.rest.empty() ? line.keyword : line.keyword + " " + line.rest, line.number});
    }
    return true;
}

ParseOutcome ParseEditionFolder(const std::string& folder) {
    ParseOutcome out;
    struct Part {
        const char* name;
        bool required;
        bool (*parse)(const std::string&, EditionSource&, std::string&);
    };
    const Part parts[] = {{"edition.txt", true, ParseEditionText},
                          {"places.txt", true, ParsePlacesText},
                          {"coast.txt", false, ParseCoastText}};
    for (const Part& part : parts) {
        bool found = false;
        const std::string text = readFile(folder + "/" + part.name, found);
        if (!found) {
            if (!part.required) continue;
            out.error = std::string(part.name) + ": cannot be read";
            return out;
        }
        std::string error;
        if (!part.parse(text, out.source, error)) {
            out.error = std::string(part.name) + ": " + error;
            return out;
        }
    }
    out.ok = true;
    return out;
}
