#include "content/namelookup.h"

#include "content/datatables.h"
#include "content/textcase.h"

namespace {

bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Compares the heading with the typed text over the typed length, without case, as unsigned
// bytes; the heading's NUL ends the comparison (it lies inside the record, checked at load).
int compareHeading(const ViewRecord& view, std::string_view text) {
    for (size_t k = 0; k < text.size() && k < sizeof view.Text; ++k) {
        const auto h = static_cast<unsigned char>(UpperAscii(view.Text[k]));
        const auto t = static_cast<unsigned char>(UpperAscii(text[k]));
        if (h != t) return h < t ? -1 : 1;
        if (h == 0) return 0;
    }
    return 0;
}

}  // namespace

int FindPlaceByName(std::string_view text) {
    const ContentStore& c = Content();
    if (text.empty() || !c.loaded()) return -1;
    const char l1 = UpperAscii(text[0]);
    const char l2 = text.size() > 1 ? UpperAscii(text[1]) : 'A';
    if (!isUpperLetter(l1) || !isUpperLetter(l2)) return -1;
    int group = c.NameIndex[(l1 - 'A') * 26 + (l2 - 'A')];
    while (group >= 0 && group < c.ViewCount) {
        const ViewRecord& view = c.ViewTable[group];
        const int order = compareHeading(view, text);
        if (order >= 0) return order == 0 ? view.Place : -1;
        group = view.NextGroup;
    }
    return -1;
}
