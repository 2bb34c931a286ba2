#include "tools/mkedition/sourceparser.h"

#include <sstream>
#include <vector>

#include "tools/mkedition/sourcelines.h"
#include "tools/mkedition/topics.h"

namespace {

bool parseViewLine(const SourceLine& line, SourceView& view, std::string& error) {
    const std::string& k = line.keyword;
    if (k == "year") return ReadLineInts(line, &view.year, 1, error);
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
    if (k == "scene") {
        std::string why;
        if (!ParseSceneWords(line.rest, view.scene, why)) {
            error = AtLine(line, why);
            return false;
        }
        view.hasScene = true;
        return true;
    }
    if (k == "topics") {
        std::istringstream words(line.rest);
        std::string word;
        TopicBits bits;
        while (words >> word) {
            if (!LookUpTopic(word, bits)) {
                error = AtLine(line, "unknown topic '" + word + "'");
                return false;
            }
        }
        view.topicMaskA |= bits.maskA;
        view.topicMaskB |= bits.maskB;
        return true;
    }
    error = AtLine(line, "unknown keyword '" + k + "' in a view");
    return false;
}

}  // namespace

bool ParseEditionText(const std::string& text, EditionSource& source, std::string& error) {
    std::vector<SourceLine> lines;
    if (!SplitSourceLines(text, lines, error)) return false;
    for (const SourceLine& line : lines) {
        const std::string& k = line.keyword;
        if (k == "ident") {
            source.ident = line.rest;
        } else if (k == "rows") {
            if (!ReadLineInts(line, &source.rowCount, 1, error)) return false;
        } else if (k == "columns") {
            if (!ReadLineInts(line, &source.columnCount, 1, error)) return false;
        } else if (k == "london-box") {
            int box[4];
            if (!ReadLineInts(line, box, 4, error)) return false;
            source.londonBox = MapBox{box[0], box[1], box[2], box[3]};
        } else {
            error = AtLine(line, "unknown keyword '" + k + "'");
            return false;
        }
    }
    return true;
}

bool ParsePlacesText(const std::string& text, EditionSource& source, std::string& error) {
    std::vector<SourceLine> lines;
    if (!SplitSourceLines(text, lines, error)) return false;
    SourcePlace* place = nullptr;
    SourceView* view = nullptr;
    for (const SourceLine& line : lines) {
        const std::string& k = line.keyword;
        if (k == "place") {
            source.places.push_back(SourcePlace{});
            place = &source.places.back();
            place->name = line.rest;
            place->line = line.number;
            view = nullptr;
        } else if (!place) {
            error = AtLine(line, "'" + k + "' before the first place");
            return false;
        } else if (k == "at") {
            int xy[2];
            if (!ReadLineInts(line, xy, 2, error)) return false;
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
            error = AtLine(line, "unknown keyword '" + k + "' in a place");
            return false;
        } else if (!parseViewLine(line, *view, error)) {
            return false;
        }
    }
    // A painted photograph shows what its view is of, so every view must say what that is.
    for (const SourcePlace& each : source.places)
        for (const SourceView& v : each.views)
            if (!v.hasScene && v.photo.empty()) {
                error =
                    "line " + std::to_string(v.line) + ": view '" + v.title + "' has no scene line";
                return false;
            }
    return true;
}

bool ParseCoastText(const std::string& text, EditionSource& source, std::string& error) {
    std::vector<SourceLine> lines;
    if (!SplitSourceLines(text, lines, error)) return false;
    source.coastOrder.clear();
    for (const SourceLine& line : lines) {
        source.coastOrder.push_back(CoastStop{
            line.rest.empty() ? line.keyword : line.keyword + " " + line.rest, line.number});
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
        const std::string text = ReadSourceFile(folder + "/" + part.name, found);
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
