// Text search: term groups, stripping, case, titles only, refinement, and the refusals that
// leave the found set alone.
#include <gtest/gtest.h>

#include <cstring>

#include "content/foundset.h"
#include "content/search.h"
#include "tests/support/queryfixture.h"

namespace {

struct ViewText {
    const char* title;
    const char* caption;
};

struct TextPlace {
    const char* name;
    ViewText views[2];
};

// Four places with texts of their own; the other places of SimpleEdition read "View 1",
// "Caption of view 1 at place 7." and so on, and none of the words searched for below.
const TextPlace kPlaces[] = {
    {"Ashcombe, Corvan",
     {{"The harbour", "Fishing boats at rest in the old harbour."},
      {"Church", "A Norman church tower."}}},
    {"Bramley, Corvan",
     {{"Castle gate", "The castle of Bramley, with its Norman keep."},
      {"Mill", "A water mill on the river."}}},
    {"Corholm, Corvan",
     {{"Harbour wall", "Waves break on the wall."}, {"Market", "market day in the square"}}},
    {"Dunby, Corvan",
     {{"Beach", "Sand and rock pools at low tide."}, {"Old harbour", "HARBOUR lights at night."}}},
};
enum { kAshcombe, kBramley, kCorholm, kDunby };

class SearchTest : public QueryTest {
  protected:
    void SetUp() override {
        EditionSource source = SimpleEdition(50, 2);
        for (int p = 0; p < 4; ++p) {
            SourcePlace& place = source.places[static_cast<size_t>(p)];
            place.name = kPlaces[p].name;
            for (int v = 0; v < 2; ++v) {
                place.views[static_cast<size_t>(v)].title = kPlaces[p].views[v].title;
                place.views[static_cast<size_t>(v)].caption = kPlaces[p].views[v].caption;
            }
        }
        source.places[kAshcombe].views[0].year = 1100;
        source.places[kBramley].views[0].year = 1100;
        source.places[kDunby].views[1].year = 1100;
        source.places[kDunby].views[0].topicMaskA = 0x40;
        source.places[kCorholm].views[0].topicMaskA = 0x40;
        ASSERT_NO_FATAL_FAILURE(load(source));
    }

    int search(std::array<std::string_view, 4> terms, bool caseSensitive = false,
               bool headingsOnly = false, bool onlyInFoundSet = false) {
        return SearchText(SearchRequest{terms, caseSensitive, headingsOnly, onlyInFoundSet});
    }

    int place(int p) const { return placeOf(p); }
    int view(int p, int v) const { return Content().place(place(p)).FirstView + v; }

    // The found set in place order, as source indices of the four text places (-1: another).
    std::vector<int> found() const {
        std::vector<int> out;
        for (int p = Content().FoundHead; p != -1; p = Content().FoundLinks[p].FoundNext) {
            int source = -1;
            for (int s = 0; s < 4; ++s) {
                if (place(s) == p) source = s;
            }
            out.push_back(source);
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    // The marked views among the eight text views, as "place.view".
    std::vector<std::string> marked() const {
        std::vector<std::string> out;
        for (int p = 0; p < 4; ++p) {
            for (int v = 0; v < 2; ++v) {
                if (Content().view(view(p, v)).hasFoundMark())
                    out.push_back(std::to_string(p) + "." + std::to_string(v));
            }
        }
        return out;
    }
};

using Places = std::vector<int>;
using Views = std::vector<std::string>;

TEST_F(SearchTest, OneTermFindsItWithoutCaseInHeadingsAndCaptions) {
    EXPECT_EQ(search({"harbour"}), 3);
    EXPECT_EQ(found(), (Places{kAshcombe, kCorholm, kDunby}));
    EXPECT_EQ(marked(), (Views{"0.0", "2.0", "3.1"}));
    EXPECT_EQ(search({"NORMAN"}), 2);
    EXPECT_EQ(found(), (Places{kAshcombe, kBramley}));
    // The place name is part of every heading.
    EXPECT_EQ(search({"corholm"}), 1);
    EXPECT_EQ(marked(), (Views{"2.0", "2.1"}));
}

TEST_F(SearchTest, CaseSensitiveComparesBytes) {
    EXPECT_EQ(search({"harbour"}, true), 2);
    EXPECT_EQ(found(), (Places{kAshcombe, kDunby}));
    EXPECT_EQ(search({"HARBOUR"}, true), 1);
    EXPECT_EQ(found(), (Places{kDunby}));
    EXPECT_EQ(search({"Harbour"}, true), 1);
    EXPECT_EQ(found(), (Places{kCorholm}));
    EXPECT_EQ(search({"hArbour"}, true), 0);
}

TEST_F(SearchTest, TitlesOnlyNeverLooksAtCaptions) {
    EXPECT_EQ(search({"boats"}), 1);
    EXPECT_EQ(search({"boats"}, false, true), 0);
    EXPECT_EQ(search({"harbour"}, false, true), 3);
    EXPECT_EQ(marked(), (Views{"0.0", "2.0", "3.1"}));
    EXPECT_EQ(search({"Norman"}, false, true), 0);
    EXPECT_EQ(search({"bramley"}, false, true), 1);  // the place name, in both headings
    EXPECT_EQ(marked(), (Views{"1.0", "1.1"}));
}

TEST_F(SearchTest, BlanksAroundATermAreStrippedButAnInnerBlankCounts) {
    EXPECT_EQ(search({"   harbour  "}), 3);
    EXPECT_EQ(search({"old harbour"}), 2);
    EXPECT_EQ(found(), (Places{kAshcombe, kDunby}));
    EXPECT_EQ(search({"  old harbour "}), 2);
    EXPECT_EQ(search({"old  harbour"}), 0);
    EXPECT_EQ(search({"oldharbour"}), 0);
    EXPECT_EQ(search({"at night."}), 1);
}

TEST_F(SearchTest, GroupsCombineAlternativesAndRequirements) {
    // (harbour OR castle) AND (night OR keep)
    EXPECT_EQ(search({"harbour", "castle", "night", "keep"}), 2);
    EXPECT_EQ(found(), (Places{kBramley, kDunby}));
    EXPECT_EQ(marked(), (Views{"1.0", "3.1"}));
    // (harbour) AND (wall OR tide): each view on its own must satisfy both groups.
    EXPECT_EQ(search({"harbour", "", "wall", "tide"}), 1);
    EXPECT_EQ(found(), (Places{kCorholm}));
    // Only the alternative box filled behaves as the first box.
    EXPECT_EQ(search({"", "castle"}), 1);
    EXPECT_EQ(found(), (Places{kBramley}));
    // Only a box of the second row filled: that term alone.
    EXPECT_EQ(search({"", "", "mill"}), 1);
    EXPECT_EQ(found(), (Places{kBramley}));
    EXPECT_EQ(search({"", "", "", "market"}), 1);
    EXPECT_EQ(found(), (Places{kCorholm}));
    EXPECT_EQ(search({"   ", "", "  ", "wall"}), 1);
}

TEST_F(SearchTest, TheMoreSelectiveGroupIsTestedFirst) {
    auto arranged = [](std::array<std::string_view, 4> terms) {
        const ArrangedTerms a = ArrangeSearchTerms(terms);
        std::string out;
        for (const TermGroup* g : {&a.first, &a.second}) {
            out += "(";
            for (int i = 0; i < g->count; ++i)
                out += std::string(i ? "|" : "") + std::string(g->terms[i]);
            out += ")";
        }
        return out;
    };
    EXPECT_EQ(arranged({"x"}), "(x)()");
    EXPECT_EQ(arranged({" x ", "  "}), "(x)()");
    EXPECT_EQ(arranged({"", "", "x", ""}), "(x)()");    // A empty
    EXPECT_EQ(arranged({"", "y", "", "x"}), "(y)(x)");  // one each, longest first of equal: A
    EXPECT_EQ(arranged({"a", "bb", "ccc", ""}), "(ccc)(a|bb)");  // two against one
    EXPECT_EQ(arranged({"aaa", "", "b", "c"}), "(aaa)(b|c)");    // one against two: no swap
    EXPECT_EQ(arranged({"a", "", "bb", ""}), "(bb)(a)");         // same count, longest in B
    EXPECT_EQ(arranged({"aaa", "", "bb", ""}), "(aaa)(bb)");
    EXPECT_EQ(arranged({"aa", "b", "cc", "d"}), "(aa|b)(cc|d)");  // equal lengths: the first wins
    EXPECT_EQ(arranged({"a", "b", "c", "dd"}), "(c|dd)(a|b)");
    EXPECT_EQ(arranged({" a ", "b", "cc", "d"}), "(cc|d)(a|b)");  // lengths after stripping
    EXPECT_EQ(arranged({"aa", "b", "", ""}), "(aa|b)()");
    EXPECT_EQ(arranged({"", "", "", ""}), "()()");
}

TEST_F(SearchTest, EmptyRequestsAndRefinementsWithoutASetChangeNothing) {
    EXPECT_EQ(search({"", "", "", ""}), -1);
    EXPECT_EQ(search({"harbour"}, false, false, true), -1);  // no found set yet
    EXPECT_FALSE(HasFoundSet());
    ASSERT_EQ(search({"harbour"}), 3);
    const int generation = Content().FoundGeneration;
    const Views views = marked();
    EXPECT_EQ(search({" ", "  ", "", ""}), -1);
    EXPECT_EQ(search({"", "", "", ""}, true, true, true), -1);
    EXPECT_EQ(Content().FoundGeneration, generation);
    EXPECT_EQ(found(), (Places{kAshcombe, kCorholm, kDunby}));
    EXPECT_EQ(marked(), views);
    // A search that finds nothing empties the set; a refinement is then refused.
    EXPECT_EQ(search({"zebra"}), 0);
    EXPECT_FALSE(HasFoundSet());
    EXPECT_EQ(Content().FoundEastHead, -1);
    EXPECT_EQ(search({"harbour"}, false, false, true), -1);
}

TEST_F(SearchTest, RefiningTwiceNarrowsTheSetEachTime) {
    ASSERT_EQ(search({"harbour"}), 3);
    EXPECT_EQ(search({"old"}, false, false, true), 2);
    EXPECT_EQ(found(), (Places{kAshcombe, kDunby}));
    EXPECT_EQ(marked(), (Views{"0.0", "3.1"}));
    EXPECT_EQ(search({"night"}, false, false, true), 1);
    EXPECT_EQ(found(), (Places{kDunby}));
    EXPECT_EQ(marked(), (Views{"3.1"}));
    EXPECT_TRUE(IsInFoundSet(place(kDunby)));
    EXPECT_EQ(Content().FoundEastHead, place(kDunby));
}

TEST_F(SearchTest, RefiningTestsOnlyTheMarkedViews) {
    ASSERT_EQ(search({"harbour"}), 3);
    // Ashcombe's church is Norman, but that view was not found by "harbour"; Bramley's keep is
    // Norman, but Bramley is not in the set.
    EXPECT_EQ(search({"Norman"}, false, false, true), 0);
    EXPECT_FALSE(HasFoundSet());
}

TEST_F(SearchTest, RefiningAfterYearsAndTopicsWorksOnTheirMarks) {
    ASSERT_EQ(SelectYears(1000, 1200), 3);  // Ashcombe 0, Bramley 0, Dunby 1
    EXPECT_EQ(search({"harbour"}, false, false, true), 2);
    EXPECT_EQ(found(), (Places{kAshcombe, kDunby}));
    EXPECT_EQ(marked(), (Views{"0.0", "3.1"}));

    ASSERT_EQ(SelectTopics(0x40, 0), 2);                    // Corholm 0, Dunby 0
    EXPECT_EQ(search({"harbour"}, false, false, true), 1);  // Dunby's harbour view is not marked
    EXPECT_EQ(found(), (Places{kCorholm}));
    EXPECT_EQ(marked(), (Views{"2.0"}));
    EXPECT_FALSE(Content().TourOrderActive);
}

}  // namespace
