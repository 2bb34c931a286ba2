#include "tools/mkedition/tablebuilder.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <numeric>

#include "content/btabformat.h"
#include "content/textcase.h"

namespace {

std::string lineError(int line, const std::string& what) {
    return "places.txt: line " + std::to_string(line) + ": " + what;
}

std::string coastError(int line, const std::string& what) {
    return "coast.txt: line " + std::to_string(line) + ": " + what;
}

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string upper(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = UpperAscii(c);
    return out;
}

// Groups are ordered as the name lookup compares headings: name then ':'.
std::string sortKey(const SourcePlace& place) { return upper(place.name) + ":"; }

std::string autoPicCode(int n) {
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string code(4, '0');
    for (int i = 3; i >= 0; --i, n /= 36) code[static_cast<size_t>(i)] = digits[n % 36];
    return code;
}

class Builder {
  public:
    explicit Builder(const EditionSource& source) : src_(source) {}

    BuildOutcome run() {
        BuildOutcome out;
        if (!checkSource() || !orderPlaces() || !buildViews() || !buildTour()) {
            out.error = error_;
            return out;
        }
        buildEastWest();
        buildNameIndex();
        buildRowIndex();
        setNeighbourBits();
        if (!setLondonFlags()) {
            out.error = error_;
            return out;
        }
        BTabImage& img = built_.image;
        img.ident = src_.ident;
        img.viewCount = static_cast<int32_t>(img.views.size());
        img.placeCount = static_cast<int32_t>(img.places.size());
        img.rowCount = src_.rowCount;
        img.columnCount = src_.columnCount;
        out.ok = true;
        out.edition = std::move(built_);
        return out;
    }

  private:
    bool fail(const std::string& message) {
        error_ = message;
        return false;
    }

    bool checkSource() {
        if (src_.ident.size() > 122 || src_.ident.find('\0') != std::string::npos)
            return fail("identification text longer than 122 characters");
        if (src_.rowCount < btab::kMinRows || src_.rowCount > btab::kMaxCount ||
            src_.columnCount < btab::kMinColumns || src_.columnCount > btab::kMaxCount)
            return fail("rows and columns must lie between 1000 and 32000");
        if (src_.places.size() > static_cast<size_t>(btab::kMaxCount))
            return fail("more than 32000 places");
        std::map<std::string, int> seen;
        size_t views = 0;
        for (const SourcePlace& p : src_.places) {
            if (p.name.size() < 2 || !isLetter(p.name[0]) || !isLetter(p.name[1]))
                return fail(lineError(p.line, "a place name must start with two letters"));
            if (p.x < 0 || p.x >= src_.columnCount || p.y < 0 || p.y >= src_.rowCount)
                return fail(lineError(p.line, "place lies outside the map"));
            if (p.views.empty()) return fail(lineError(p.line, "place has no views"));
            if (!seen.emplace(upper(p.name), p.line).second)
                return fail(lineError(p.line, "place name used twice: " + p.name));
            views += p.views.size();
        }
        // The program refuses smaller editions as not understood.
        if (src_.places.size() < static_cast<size_t>(btab::kMinPlaces))
            return fail("fewer than " + std::to_string(btab::kMinPlaces) +
                        " places: an edition needs at least that many");
        if (views < static_cast<size_t>(btab::kMinViews))
            return fail("fewer than " + std::to_string(btab::kMinViews) +
                        " views: an edition needs at least that many");
        return true;
    }

    // Place table: ascending y, then x, then source order.
    bool orderPlaces() {
        const size_t n = src_.places.size();
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const SourcePlace& pa = src_.places[static_cast<size_t>(a)];
            const SourcePlace& pb = src_.places[static_cast<size_t>(b)];
            return pa.y != pb.y ? pa.y < pb.y : pa.x < pb.x;
        });
        built_.placeIndexOfSource.assign(n, -1);
        built_.image.places.assign(n, PlaceRecord{});
        for (size_t i = 0; i < n; ++i) {
            const SourcePlace& sp = src_.places[static_cast<size_t>(order[i])];
            built_.placeIndexOfSource[static_cast<size_t>(order[i])] = static_cast<int>(i);
            PlaceRecord& rec = built_.image.places[i];
            rec.x = static_cast<int16_t>(sp.x);
            rec.y = static_cast<int16_t>(sp.y);
            rec.PlaceFlags = sp.inStandardShow ? kPlaceInStandardShow : 0;
        }
        return true;
    }

    bool fillText(ViewRecord& rec, const SourcePlace& place, const SourceView& view) {
        const size_t nameEnd = place.name.size() + 2;
        const size_t captionStart = nameEnd + view.title.size() + 2;
        const size_t needed = captionStart + view.caption.size() + 1;
        if (needed > static_cast<size_t>(kViewTextSize) || nameEnd > 255 || captionStart > 255)
            return fail(lineError(view.line, "caption too long: name, title and caption take " +
                                                 std::to_string(needed - 5) + " bytes, room for " +
                                                 std::to_string(kViewTextSize - 5)));
        std::memset(rec.Text, 0, sizeof rec.Text);
        std::string heading = place.name + ": " + view.title;
        std::memcpy(rec.Text, heading.data(), heading.size());
        std::memcpy(rec.Text + captionStart, view.caption.data(), view.caption.size());
        rec.NameEnd = static_cast<uint8_t>(nameEnd);
        rec.CaptionStart = static_cast<uint8_t>(captionStart);
        return true;
    }

    bool fillPicCode(ViewRecord& rec, const SourceView& view, int serial) {
        const std::string code = view.picCode.empty() ? autoPicCode(serial) : view.picCode;
        if (code.size() != 4 || !std::all_of(code.begin(), code.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) != 0;
            }))
            return fail(lineError(view.line, "picture code must be four letters or digits"));
        if (!picCodes_.emplace(code, view.line).second)
            return fail(lineError(view.line, "picture code used twice: " + code));
        std::memcpy(rec.PicCode, code.data(), 4);
        return true;
    }

    // View table: groups in alphabetical order of place name, views in source order.
    bool buildViews() {
        std::vector<int> groups(src_.places.size());
        std::iota(groups.begin(), groups.end(), 0);
        std::stable_sort(groups.begin(), groups.end(), [&](int a, int b) {
            return sortKey(src_.places[static_cast<size_t>(a)]) <
                   sortKey(src_.places[static_cast<size_t>(b)]);
        });
        int serial = 0;
        std::vector<ViewRecord>& views = built_.image.views;
        for (int s : groups) {
            const SourcePlace& sp = src_.places[static_cast<size_t>(s)];
            const int placeIndex = built_.placeIndexOfSource[static_cast<size_t>(s)];
            const int first = static_cast<int>(views.size());
            built_.image.places[static_cast<size_t>(placeIndex)].FirstView =
                static_cast<int16_t>(first);
            groupStarts_.push_back(first);
            groupKeys_.push_back(upper(sp.name));
            for (const SourceView& sv : sp.views) {
                ViewRecord rec{};
                if (!fillText(rec, sp, sv) || !fillPicCode(rec, sv, serial++)) return false;
                rec.TopicMaskA = sv.topicMaskA;
                rec.TopicMaskB =
                    (sv.topicMaskB & ~static_cast<uint32_t>(kViewPortrait | kViewFoundMark)) |
                    (sv.portrait ? kViewPortrait : 0);
                rec.Place = static_cast<int16_t>(placeIndex);
                rec.Year = static_cast<int16_t>(sv.year);
                rec.NextGroup = -1;
                if (!sv.photo.empty())
                    built_.photos.push_back(
                        ViewPhoto{static_cast<int>(views.size()), sv.photo, sv.line});
                views.push_back(rec);
                built_.scenes.push_back(sv.scene);
                if (views.size() > static_cast<size_t>(btab::kMaxCount))
                    return fail(lineError(sv.line, "more than 32000 views"));
            }
        }
        for (size_t g = 0; g + 1 < groupStarts_.size(); ++g)
            views[static_cast<size_t>(groupStarts_[g])].NextGroup =
                static_cast<int16_t>(groupStarts_[g + 1]);
        return true;
    }

    void buildEastWest() {
        std::vector<PlaceRecord>& places = built_.image.places;
        std::vector<int> order(places.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const PlaceRecord& pa = places[static_cast<size_t>(a)];
            const PlaceRecord& pb = places[static_cast<size_t>(b)];
            return pa.x != pb.x ? pa.x < pb.x : pa.y < pb.y;
        });
        std::vector<EastWestEntry>& table = built_.image.eastWest;
        table.clear();
        for (size_t i = 0; i < order.size(); ++i) {
            PlaceRecord& rec = places[static_cast<size_t>(order[i])];
            rec.EastWestPos = static_cast<int16_t>(i);
            table.push_back(EastWestEntry{rec.x, rec.y, static_cast<int16_t>(order[i])});
        }
    }

    // Each entry holds the first group whose name starts with its two letters.
    void buildNameIndex() {
        std::vector<int16_t>& index = built_.image.nameIndex;
        index.assign(btab::kNameIndexEntries, -1);
        for (size_t g = groupKeys_.size(); g-- > 0;) {
            const std::string& key = groupKeys_[g];
            if (key[0] < 'A' || key[0] > 'Z' || key[1] < 'A' || key[1] > 'Z') continue;
            index[static_cast<size_t>((key[0] - 'A') * 26 + (key[1] - 'A'))] =
                static_cast<int16_t>(groupStarts_[g]);
        }
    }

    void buildRowIndex() {
        const std::vector<PlaceRecord>& places = built_.image.places;
        std::vector<int16_t>& rows = built_.image.rowIndex;
        rows.assign(static_cast<size_t>(src_.rowCount), 0);
        size_t next = 0;  // first place with y >= row
        for (int row = 0; row < src_.rowCount; ++row) {
            while (next < places.size() && places[next].y < row) ++next;
            size_t best = next < places.size() ? next : places.size() - 1;
            if (next > 0 &&
                (next == places.size() || row - places[next - 1].y <= places[next].y - row))
                best = next - 1;
            rows[static_cast<size_t>(row)] = static_cast<int16_t>(best);
        }
    }

    void setNeighbourBits() {
        std::vector<PlaceRecord>& places = built_.image.places;
        const std::vector<EastWestEntry>& ew = built_.image.eastWest;
        const int n = static_cast<int>(places.size());
        auto inVerticalCone = [](int dx, int dy) { return dy * dy >= dx * dx; };
        auto inHorizontalCone = [](int dx, int dy) { return dx * dx >= dy * dy; };
        for (int p = 0; p < n; ++p) {
            PlaceRecord& rec = places[static_cast<size_t>(p)];
            auto scanPlaces = [&](int step, auto cone) {
                for (int i = p + step; i >= 0 && i < n; i += step) {
                    const PlaceRecord& o = places[static_cast<size_t>(i)];
                    if (cone(o.x - rec.x, o.y - rec.y)) return true;
                }
                return false;
            };
            auto scanEastWest = [&](int step, auto cone) {
                for (int i = rec.EastWestPos + step; i >= 0 && i < n; i += step) {
                    const EastWestEntry& o = ew[static_cast<size_t>(i)];
                    if (cone(o.x - rec.x, o.y - rec.y)) return true;
                }
                return false;
            };
            uint8_t bits = 0;
            if (scanPlaces(-1, inVerticalCone)) bits |= kPlaceHasNorth;
            if (scanPlaces(+1, inVerticalCone)) bits |= kPlaceHasSouth;
            if (scanEastWest(+1, inHorizontalCone)) bits |= kPlaceHasEast;
            if (scanEastWest(-1, inHorizontalCone)) bits |= kPlaceHasWest;
            rec.PlaceFlags2 = bits;
        }
    }

    bool setLondonFlags() {
        int count = 0;
        for (PlaceRecord& rec : built_.image.places) {
            if (src_.londonBox.contains(rec.x, rec.y)) {
                rec.PlaceFlags2 |= kPlaceOnLondonInset;
                ++count;
            }
        }
        if (count > btab::kMaxLondonPlaces)
            return fail("more than 20 places inside the London box");
        return true;
    }

    bool buildTour() {
        if (src_.coastOrder.size() > 102)
            return fail(
                coastError(src_.coastOrder[102].line, "the coast tour has more than 102 stops"));
        std::map<std::string, int> bySourceName;
        for (size_t i = 0; i < src_.places.size(); ++i)
            bySourceName[src_.places[i].name] = built_.placeIndexOfSource[i];
        std::vector<bool> used(src_.places.size(), false);
        for (const CoastStop& stop : src_.coastOrder) {
            auto it = bySourceName.find(stop.name);
            if (it == bySourceName.end())
                return fail(
                    coastError(stop.line, "coast tour names an unknown place: " + stop.name));
            if (used[static_cast<size_t>(it->second)])
                return fail(coastError(stop.line, "coast tour names a place twice: " + stop.name));
            used[static_cast<size_t>(it->second)] = true;
            built_.tour.push_back(static_cast<int16_t>(it->second));
        }
        if (!built_.tour.empty() && built_.tour[0] != 0)
            return fail(coastError(src_.coastOrder[0].line,
                                   "the coast tour must start at the northernmost place"));
        return true;
    }

    const EditionSource& src_;
    BuiltEdition built_;
    std::string error_;
    std::vector<int> groupStarts_;
    std::vector<std::string> groupKeys_;
    std::map<std::string, int> picCodes_;
};

}  // namespace

BuildOutcome BuildTables(const EditionSource& source) { return Builder(source).run(); }
