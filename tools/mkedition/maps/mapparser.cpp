#include "tools/mkedition/maps/mapparser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <sstream>

#include "tools/mkedition/sourcelines.h"

namespace {

// Far beyond any map the tile names can hold, near enough that arithmetic on it stays exact.
constexpr double kCoordinateLimit = 100000;

bool readNumber(const std::string& token, double& value) {
    if (token.empty()) return false;
    char* end = nullptr;
    value = std::strtod(token.c_str(), &end);
    return end == token.c_str() + token.size() && std::isfinite(value);
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string word;
    while (in >> word) out.push_back(word);
    return out;
}

bool isPointLine(const SourceLine& line) {
    const char c = line.keyword[0];
    return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// A line of x y pairs.
bool readPoints(const SourceLine& line, std::vector<QPointF>& points, std::string& error) {
    std::vector<std::string> tokens = words(line.rest);
    tokens.insert(tokens.begin(), line.keyword);
    if (tokens.size() % 2 != 0) {
        error = AtLine(line, "points come in x y pairs");
        return false;
    }
    for (size_t i = 0; i < tokens.size(); i += 2) {
        double x = 0;
        double y = 0;
        if (!readNumber(tokens[i], x) || !readNumber(tokens[i + 1], y)) {
            error = AtLine(line, "'" + tokens[i] + " " + tokens[i + 1] + "' is not a point");
            return false;
        }
        if (std::fabs(x) > kCoordinateLimit || std::fabs(y) > kCoordinateLimit) {
            error = AtLine(line, "a point far outside the map");
            return false;
        }
        points.emplace_back(x, y);
    }
    return true;
}

// Numbers after the keyword, each within its bounds; the rest of the line goes to tail.
bool readValues(const SourceLine& line, double* values, const double (*bounds)[2], int count,
                std::string* tail, std::string& error) {
    std::istringstream in(line.rest);
    for (int i = 0; i < count; ++i) {
        std::string token;
        if (!(in >> token) || !readNumber(token, values[i])) {
            error =
                AtLine(line, "'" + line.keyword + "' needs " + std::to_string(count) + " numbers");
            return false;
        }
        if (values[i] < bounds[i][0] || values[i] > bounds[i][1]) {
            error = AtLine(line, "'" + token + "' is out of range for '" + line.keyword + "'");
            return false;
        }
    }
    std::string rest;
    std::getline(in, rest);
    const size_t start = rest.find_first_not_of(" \t");
    rest = start == std::string::npos ? "" : rest.substr(start);
    if (tail) {
        *tail = rest;
    } else if (!rest.empty()) {
        error = AtLine(
            line, "'" + line.keyword + "' has more than " + std::to_string(count) + " numbers");
        return false;
    }
    return true;
}

// "x y text": a point and the text that goes there; noText is the error when the text is missing.
bool readNamedPoint(const SourceLine& line, QPointF& at, std::string& text, const char* noText,
                    std::string& error) {
    static const double bounds[][2] = {{-kCoordinateLimit, kCoordinateLimit},
                                       {-kCoordinateLimit, kCoordinateLimit}};
    double xy[2];
    if (!readValues(line, xy, bounds, 2, &text, error)) return false;
    if (text.empty()) {
        error = AtLine(line, noText);
        return false;
    }
    at = QPointF(xy[0], xy[1]);
    return true;
}

bool readLabelKind(const std::string& word, LabelKind& kind) {
    static const struct {
        const char* word;
        LabelKind kind;
    } kinds[] = {{"sea", LabelKind::Sea},         {"district", LabelKind::District},
                 {"upland", LabelKind::Upland},   {"river", LabelKind::River},
                 {"country", LabelKind::Country}, {"county", LabelKind::County},
                 {"city", LabelKind::City}};
    for (const auto& k : kinds) {
        if (word == k.word) {
            kind = k.kind;
            return true;
        }
    }
    return false;
}

// Which block the point lines that follow belong to.
enum class Block { None, Outline, River, Road, Hills, Street };

class MapTextReader {
  public:
    explicit MapTextReader(MapSource& source) : source_(source) {}

    bool read(const std::vector<SourceLine>& lines, std::string& error) {
        for (const SourceLine& line : lines) {
            if (!readLine(line, error)) return false;
        }
        if (!closeBlock(error)) return false;
        if (source_.lands.empty()) {
            error = "no 'land' outline";
            return false;
        }
        if (source_.county.line == 0) {
            error = "no 'county' outline";
            return false;
        }
        return true;
    }

  private:
    bool readLine(const SourceLine& line, std::string& error) {
        const std::string& k = line.keyword;
        if (isPointLine(line)) return addPoints(line, error);
        if (k == "shore") return addShore(line, error);
        if (k == "via") return addTowns(line, error);
        static const char* const blocks[] = {"land",        "county",        "lake",
                                             "london-park", "river",         "road",
                                             "hills",       "london-street", "label"};
        if (std::none_of(std::begin(blocks), std::end(blocks),
                         [&](const char* b) { return k == b; })) {
            error = AtLine(line, "unknown keyword '" + k + "'");
            return false;
        }
        if (!closeBlock(error)) return false;
        if (k == "land" || k == "county" || k == "lake" || k == "london-park")
            return openOutline(line, error);
        if (k == "river") {
            static const double bounds[][2] = {{0.5, 100}};
            double width = 0;
            std::string name;
            if (!readValues(line, &width, bounds, 1, &name, error)) return false;
            source_.rivers.push_back(SourceRiver{name, width, {}, line.number});
            return open(Block::River, line);
        }
        if (k == "road") {
            if (!line.rest.empty()) {
                error = AtLine(line, "'road' takes its stops on the lines that follow");
                return false;
            }
            source_.roads.emplace_back();
            return open(Block::Road, line);
        }
        if (k == "hills") {
            static const double bounds[][2] = {{1, 2000}, {0, 5000}};
            double values[2];
            if (!readValues(line, values, bounds, 2, nullptr, error)) return false;
            source_.hills.push_back(SourceHills{values[0], values[1], {}, line.number});
            return open(Block::Hills, line);
        }
        if (k == "london-street") {
            static const double bounds[][2] = {{0.1, 20}};
            double width = 0;
            if (!readValues(line, &width, bounds, 1, nullptr, error)) return false;
            source_.londonStreets.push_back(LondonStreet{width, {}, line.number});
            return open(Block::Street, line);
        }
        return addLabel(line, error);
    }

    bool open(Block block, const SourceLine& line) {
        block_ = block;
        blockLine_ = line;
        return true;
    }

    bool openOutline(const SourceLine& line, std::string& error) {
        const std::string& k = line.keyword;
        if (k == "county" && source_.county.line != 0) {
            error = AtLine(line, "a second 'county' outline");
            return false;
        }
        SourceOutline outline{line.rest, {}, line.number};
        if (k == "land") {
            source_.lands.push_back(outline);
            outline_ = &source_.lands.back();
        } else if (k == "county") {
            source_.county = outline;
            outline_ = &source_.county;
        } else if (k == "lake") {
            source_.lakes.push_back(outline);
            outline_ = &source_.lakes.back();
        } else {
            source_.londonParks.push_back(outline);
            outline_ = &source_.londonParks.back();
        }
        return open(Block::Outline, line);
    }

    bool addPoints(const SourceLine& line, std::string& error) {
        std::vector<QPointF> points;
        if (!readPoints(line, points, error)) return false;
        switch (block_) {
            case Block::Outline:
                for (const QPointF& p : points)
                    outline_->steps.push_back(OutlineStep{p, "", "", line.number});
                return true;
            case Block::River:
                append(source_.rivers.back().points, points);
                return true;
            case Block::Road:
                for (const QPointF& p : points)
                    source_.roads.back().push_back(RouteStop{p, "", line.number});
                return true;
            case Block::Hills:
                append(source_.hills.back().points, points);
                return true;
            case Block::Street:
                append(source_.londonStreets.back().points, points);
                return true;
            case Block::None:
                break;
        }
        error = AtLine(line, "points outside an outline, river, road, street or hills");
        return false;
    }

    bool addShore(const SourceLine& line, std::string& error) {
        if (block_ != Block::Outline) {
            error = AtLine(line, "'shore' outside an outline");
            return false;
        }
        const size_t dots = line.rest.find(" .. ");
        if (dots == std::string::npos) {
            error = AtLine(line, "'shore' needs 'FIRST STOP .. LAST STOP'");
            return false;
        }
        outline_->steps.push_back(OutlineStep{QPointF(), line.rest.substr(0, dots),
                                              line.rest.substr(dots + 4), line.number});
        return true;
    }

    bool addTowns(const SourceLine& line, std::string& error) {
        if (block_ != Block::Road) {
            error = AtLine(line, "'via' outside a road");
            return false;
        }
        for (const std::string& town : words(line.rest))
            source_.roads.back().push_back(RouteStop{QPointF(), town, line.number});
        return true;
    }

    bool addLabel(const SourceLine& line, std::string& error) {
        std::istringstream in(line.rest);
        std::string kind;
        in >> kind;
        SourceLabel label;
        label.line = line.number;
        if (!readLabelKind(kind, label.kind)) {
            error = AtLine(line, "unknown label kind '" + kind + "'");
            return false;
        }
        std::string rest;
        std::getline(in, rest);
        if (!readNamedPoint(SourceLine{line.number, "label " + kind, rest}, label.at, label.text,
                            "a label needs its text", error))
            return false;
        source_.labels.push_back(label);
        return true;
    }

    // A block must have what it draws.
    bool closeBlock(std::string& error) {
        size_t count = 0;
        size_t needed = 0;
        switch (block_) {
            case Block::None:
                return true;
            case Block::Outline:
                count = outline_->steps.size();
                for (const OutlineStep& step : outline_->steps)
                    count += step.shoreFrom.empty() ? 0 : 2;
                needed = 3;
                break;
            case Block::River:
                count = source_.rivers.back().points.size();
                needed = 2;
                break;
            case Block::Road:
                count = source_.roads.back().size();
                needed = 2;
                break;
            case Block::Hills:
                count = source_.hills.back().points.size();
                needed = 1;
                break;
            case Block::Street:
                count = source_.londonStreets.back().points.size();
                needed = 2;
                break;
        }
        block_ = Block::None;
        if (count >= needed) return true;
        error = AtLine(blockLine_, "'" + blockLine_.keyword + "' needs at least " +
                                       std::to_string(needed) + " points");
        return false;
    }

    static void append(std::vector<QPointF>& to, const std::vector<QPointF>& points) {
        to.insert(to.end(), points.begin(), points.end());
    }

    MapSource& source_;
    Block block_ = Block::None;
    SourceLine blockLine_{0, "", ""};
    SourceOutline* outline_ = nullptr;
};

}  // namespace

bool ParseMapText(const std::string& text, MapSource& source, std::string& error) {
    std::vector<SourceLine> lines;
    if (!SplitSourceLines(text, lines, error)) return false;
    return MapTextReader(source).read(lines, error);
}

bool ParseTownsText(const std::string& text, MapSource& source, std::string& error) {
    std::vector<SourceLine> lines;
    if (!SplitSourceLines(text, lines, error)) return false;
    for (const SourceLine& line : lines) {
        SourceTown town;
        town.line = line.number;
        if (!readNamedPoint(SourceLine{line.number, "town", line.keyword + " " + line.rest},
                            town.at, town.name, "a town needs its name", error))
            return false;
        source.towns.push_back(town);
    }
    return true;
}

MapParseOutcome ParseMapFolder(const std::string& folder) {
    MapParseOutcome out;
    bool found = false;
    const std::string map = ReadSourceFile(folder + "/map.txt", found);
    if (!found) {
        out.ok = true;
        return out;
    }
    out.present = true;
    std::string error;
    if (!ParseMapText(map, out.source, error)) {
        out.error = "map.txt: " + error;
        return out;
    }
    const std::string towns = ReadSourceFile(folder + "/towns.txt", found);
    if (found && !ParseTownsText(towns, out.source, error)) {
        out.error = "towns.txt: " + error;
        return out;
    }
    out.ok = true;
    return out;
}
