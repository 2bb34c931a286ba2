#include "content/search.h"

#include <cstring>
#include <utility>

#include "content/datatables.h"
#include "content/foundsetrebuild.h"
#include "content/textcase.h"

namespace {

std::string_view stripSpaces(std::string_view term) {
    while (!term.empty() && term.front() == ' ') term.remove_prefix(1);
    while (!term.empty() && term.back() == ' ') term.remove_suffix(1);
    return term;
}

// Substring test on bytes, or on upper-case forms of both sides without case sensitivity.
bool contains(std::string_view text, std::string_view term, bool caseSensitive) {
    if (term.size() > text.size()) return false;
    const size_t last = text.size() - term.size();
    for (size_t start = 0; start <= last; ++start) {
        size_t k = 0;
        if (caseSensitive) {
            while (k < term.size() && text[start + k] == term[k]) ++k;
        } else {
            while (k < term.size() && UpperAscii(text[start + k]) == UpperAscii(term[k])) ++k;
        }
        if (k == term.size()) return true;
    }
    return false;
}

class ViewMatcher {
  public:
    ViewMatcher(const TermGroup& a, const TermGroup& b, const SearchRequest& request)
        : a_(a),
          b_(b),
          caseSensitive_(request.caseSensitive),
          headingsOnly_(request.headingsOnly) {}

    bool matches(const ViewRecord& view) const {
        // The heading's NUL lies before CaptionStart and the caption's before the end of Text
        // (checked at load); the bounds only keep the reads inside the record regardless.
        const std::string_view heading(view.Text, strnlen(view.Text, view.CaptionStart));
        std::string_view caption;
        if (!headingsOnly_ && view.CaptionStart < kViewTextSize) {
            const char* body = view.Text + view.CaptionStart;
            caption = std::string_view(body, strnlen(body, kViewTextSize - view.CaptionStart));
        }
        return groupMatches(a_, heading, caption) &&
               (b_.count == 0 || groupMatches(b_, heading, caption));
    }

  private:
    bool groupMatches(const TermGroup& group, std::string_view heading,
                      std::string_view caption) const {
        for (int i = 0; i < group.count; ++i) {
            if (contains(heading, group.terms[i], caseSensitive_) ||
                contains(caption, group.terms[i], caseSensitive_))
                return true;
        }
        return false;
    }

    const TermGroup& a_;
    const TermGroup& b_;
    bool caseSensitive_;
    bool headingsOnly_;
};

// Tests the place's views (with refine, only the marked ones), sets each tested view's mark to
// its result, and says whether any matched.
bool searchPlace(ContentStore& c, int place, const ViewMatcher& matcher, bool refine) {
    bool any = false;
    const int end = c.viewEndOf(place);
    for (int v = c.firstViewOf(place); v < end; ++v) {
        ViewRecord& view = c.ViewTable[v];
        if (refine && !view.hasFoundMark()) continue;
        const bool on = matcher.matches(view);
        view.setFoundMark(on);
        any = any || on;
    }
    return any;
}

}  // namespace

ArrangedTerms ArrangeSearchTerms(const std::array<std::string_view, 4>& terms) {
    ArrangedTerms arranged;
    TermGroup* groups[2] = {&arranged.first, &arranged.second};
    int longest = 0;
    size_t longestLength = 0;
    for (int i = 0; i < 4; ++i) {
        const std::string_view term = stripSpaces(terms[static_cast<size_t>(i)]);
        if (term.size() > longestLength) {
            longest = i;
            longestLength = term.size();
        }
        if (term.empty()) continue;
        TermGroup& group = *groups[i / 2];
        group.terms[group.count++] = term;
    }
    const TermGroup& a = arranged.first;
    const TermGroup& b = arranged.second;
    if (a.count == 0 || (a.count == 2 && b.count == 1) || (a.count == b.count && longest >= 2))
        std::swap(arranged.first, arranged.second);
    return arranged;
}

int SearchText(const SearchRequest& request) {
    ContentStore& c = Content();
    if (request.onlyInFoundSet && c.FoundHead == -1) return -1;
    const ArrangedTerms arranged = ArrangeSearchTerms(request.terms);
    if (arranged.first.count == 0) return -1;  // every term empty
    const ViewMatcher matcher(arranged.first, arranged.second, request);

    if (request.onlyInFoundSet) {
        int place = c.FoundHead;  // the old set, read before the rebuild empties it
        FoundSetRebuild rebuild(c);
        int steps = 0;
        while (place != -1 && steps++ < c.PlaceCount) {
            const int next = c.FoundLinks[place].FoundNext;
            rebuild.visit(place, searchPlace(c, place, matcher, true));
            place = next;
        }
        return rebuild.finish();
    }
    FoundSetRebuild rebuild(c);
    for (int place = 0; place < c.PlaceCount; ++place)
        rebuild.visit(place, searchPlace(c, place, matcher, false));
    return rebuild.finish();
}
