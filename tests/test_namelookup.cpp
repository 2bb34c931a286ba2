// Name lookup for the Go To page: prefix lookups through the two-letter index.
#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "content/namelookup.h"
#include "content/textcase.h"
#include "tests/support/queryfixture.h"

namespace {

// The first group in name order whose heading starts with the text, compared without case;
// a one-letter text only finds names whose second letter is A. -1 when the first two
// characters are not letters.
int oracleLookUp(const std::string& text) {
    if (text.empty()) return -1;
    auto letter = [](char c) { return UpperAscii(c) >= 'A' && UpperAscii(c) <= 'Z'; };
    if (!letter(text[0]) || (text.size() > 1 && !letter(text[1]))) return -1;
    const std::string wanted = text.size() == 1 ? text + "A" : text;
    const ContentStore& c = Content();
    for (int v = 0; v != -1; v = c.view(v).NextGroup) {
        const std::string heading = c.view(v).Text;
        if (heading.size() < wanted.size()) continue;
        bool same = true;
        for (size_t k = 0; k < wanted.size() && same; ++k)
            same = UpperAscii(heading[k]) == UpperAscii(wanted[k]);
        if (same) return c.view(v).Place;
    }
    return -1;
}

class NameLookupTest : public QueryTest {
  protected:
    void SetUp() override {
        EditionSource source = SimpleEdition(60, 2);
        const char* names[] = {"Dunby, Corvan",    "Dunwell, Corvan", "Zennor, Corvan",
                               "Ashcombe, Corvan", "St Ives, Corvan", "St. Agnes, Corvan",
                               "Yarm, Corvan",     "Brough, Corvan",  "Br\xe9ville, Corvan"};
        for (size_t i = 0; i < std::size(names); ++i) source.places[i].name = names[i];
        ASSERT_NO_FATAL_FAILURE(load(source));
    }
    int place(int source) const { return placeOf(source); }
};

TEST_F(NameLookupTest, PrefixesFindTheFirstNameInOrder) {
    EXPECT_EQ(FindPlaceByName("Dunby, Corvan"), place(0));
    EXPECT_EQ(FindPlaceByName("dunb"), place(0));
    EXPECT_EQ(FindPlaceByName("DUNW"), place(1));
    EXPECT_EQ(FindPlaceByName("dUn"), place(0));  // Dunby before Dunwell
    EXPECT_EQ(FindPlaceByName("Dunx"), -1);
    EXPECT_EQ(FindPlaceByName("Dunby, Corvan: View 1"), place(0));  // the heading goes on
    EXPECT_EQ(FindPlaceByName("Dunby, Corvan: View 1 and more"), -1);
    EXPECT_EQ(FindPlaceByName("St "), place(4));
    EXPECT_EQ(FindPlaceByName("st."), place(5));
    EXPECT_EQ(FindPlaceByName("St"), place(4));  // "ST IVES" before "ST. AGNES"
    EXPECT_EQ(FindPlaceByName("Zennor"), place(2));
    EXPECT_EQ(FindPlaceByName("Zz"), -1);  // no index entry
}

TEST_F(NameLookupTest, Latin1LettersCompareAsUnsignedBytesAsTheNamesAreSorted) {
    // "BR\xe9VILLE" sorts after "BROUGH": 0xE9 is above 'O'. Only ASCII letters change case.
    EXPECT_EQ(FindPlaceByName("Br\xe9"), place(8));
    EXPECT_EQ(FindPlaceByName("bR\xe9v"), place(8));
    EXPECT_EQ(FindPlaceByName("Br\xc9"), -1);
    EXPECT_EQ(FindPlaceByName("bro"), place(7));
}

TEST_F(NameLookupTest, OneLetterUsesTheLetterAEntry) {
    // SimpleEdition's own names "Zaplace 11", "Yaplace 22" and "Daplace 19" come first in
    // their letters. Names begin with A and Q ("Abplace 26", "Qbplace 32") but none with "Aa"
    // or "Qa": a lone letter finds nothing there.
    for (const char* letter : {"z", "Y", "d"}) {
        EXPECT_NE(FindPlaceByName(letter), -1) << letter;
        EXPECT_EQ(FindPlaceByName(letter), oracleLookUp(letter)) << letter;
    }
    EXPECT_NE(FindPlaceByName("Ab"), -1);
    EXPECT_NE(FindPlaceByName("Qb"), -1);
    EXPECT_EQ(FindPlaceByName("a"), -1);
    EXPECT_EQ(FindPlaceByName("Q"), -1);
    EXPECT_EQ(FindPlaceByName("z"), place(11));
    EXPECT_EQ(FindPlaceByName("Ze"), place(2));
    EXPECT_EQ(FindPlaceByName("Yar"), place(6));
}

TEST_F(NameLookupTest, TextsThatDoNotStartWithTwoLettersFindNothing) {
    for (const char* text :
         {"", "1", "-", " Dunby", "1Dunby", "D-", "D ", "D1", "\xe9", "D\xe9", "[", "`a", "{"}) {
        EXPECT_EQ(FindPlaceByName(text), -1) << text;
    }
    // An embedded NUL ends neither the text nor the comparison early.
    EXPECT_EQ(FindPlaceByName(std::string_view("Dun\0by", 6)), -1);
}

TEST_F(NameLookupTest, RandomTextsAgreeWithTheOracle) {
    std::mt19937 random(12);
    const ContentStore& c = Content();
    std::vector<std::string> headings;
    for (int v = 0; v != -1; v = c.view(v).NextGroup) headings.push_back(c.view(v).Text);
    for (int i = 0; i < 5000; ++i) {
        std::string text = headings[random() % headings.size()];
        text.resize(1 + random() % (text.size() + 2), 'x');
        for (char& ch : text) {
            if (random() % 4 == 0)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            if (random() % 40 == 0) ch = static_cast<char>(' ' + random() % 95);
        }
        ASSERT_EQ(FindPlaceByName(text), oracleLookUp(text)) << "'" << text << "'";
    }
}

TEST_F(NameLookupTest, NothingLoadedFindsNothing) {
    ReleaseContent();
    EXPECT_EQ(FindPlaceByName("Dunby"), -1);
}

}  // namespace
