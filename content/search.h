// Text search over the view texts, the query behind the Search page.
#pragma once

#include <array>
#include <string_view>

struct SearchRequest {
    // Terms 1 and 2 form group A, terms 3 and 4 group B: (1 OR 2) AND (3 OR 4). Latin-1 bytes;
    // leading and trailing spaces are ignored, empty terms dropped.
    std::array<std::string_view, 4> terms;
    bool caseSensitive = false;
    bool headingsOnly = false;    // look at the heading (place name and title) only
    bool onlyInFoundSet = false;  // refine: test only the marked views of the found set's places
};

// Marks the matching views, makes the places with a match the found set and returns their
// number; -1, changing nothing, when every term is empty or a refinement has no found set.
int SearchText(const SearchRequest& request);

// The terms as the search tests them: stripped, empty ones dropped, and the groups in test
// order. The group tested first is the more selective: the groups swap when A is empty, when
// A has two terms and B one, or when both have as many terms and the longest term (the first
// of equal lengths) is in B. An empty second group means the first decides alone.
struct TermGroup {
    std::string_view terms[2];
    int count = 0;
};
struct ArrangedTerms {
    TermGroup first;
    TermGroup second;
};
ArrangedTerms ArrangeSearchTerms(const std::array<std::string_view, 4>& terms);
