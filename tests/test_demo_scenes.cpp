// The demo edition's scene lines: every view says what its photograph shows, a title that
// names a subject with a painter is painted as that subject, and the scenes list gives one
// line a view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "tools/mkedition/sceneslisting.h"
#include "tools/mkedition/sourceparser.h"
#include "tools/mkedition/tablebuilder.h"

namespace {

using S = SceneSubject;

struct TitleWord {
    const char* phrase;  // whole words of the title, lower case
    std::vector<S> painted;
};

// Phrases are tried longest first, so "abbey house" is a house and not an abbey.
const std::vector<TitleWord>& TitleWords() {
    static const std::vector<TitleWord> words = {
        {"abbey house", {S::StatelyHome}},
        {"market cross", {S::Monument}},
        {"clock tower", {S::ClockTower}},
        {"cliff railway", {S::CliffRailway}},
        {"castle", {S::Castle}},
        {"lighthouse", {S::Lighthouse}},
        {"light", {S::Lighthouse}},
        {"church", {S::Church, S::Interior}},
        {"chapel", {S::Church}},
        {"cathedral", {S::Church}},
        {"abbey", {S::Church}},
        {"priory", {S::Church}},
        {"crypt", {S::Interior}},
        {"harbour", {S::Harbour}},
        {"quay", {S::Harbour}},
        {"pier", {S::Beach}},
        {"dockyard", {S::Shipyard}},
        {"bridge", {S::RiverBridge}},
        {"viaduct", {S::Railway}},
        {"lock", {S::Waterway}},
        {"mill", {S::Industry}},
        {"mills", {S::Industry}},
        {"windmill", {S::Mills}},
        {"garden", {S::Garden}},
        {"gardens", {S::Garden}},
        {"zoo", {S::Zoo}},
        {"theatre", {S::Theatre, S::Interior}},
        {"theatres", {S::Theatre}},
        {"museum", {S::Interior}},
        {"gallery", {S::Interior}},
        {"school", {S::University, S::School}},
        {"college", {S::University}},
        {"university", {S::University}},
        {"market", {S::Market, S::Interior}},
        {"beach", {S::Beach}},
        {"sands", {S::Beach}},
        {"sand", {S::Beach}},
        {"bay", {S::Beach}},
        {"cove", {S::Beach}},
        {"cliffs", {S::Cliffs}},
        {"seals", {S::Animals}},
        {"swans", {S::Animals}},
        {"swannery", {S::Animals}},
        {"puffins", {S::Animals}},
        {"kittiwakes", {S::Animals}},
        {"sheep", {S::Animals}},
        {"deer", {S::Animals}},
        {"wolf", {S::Animals}},
        {"otters", {S::Animals}},
        {"donkey", {S::Animals}},
        {"heronry", {S::Animals}},
        {"tarn", {S::Lake}},
        {"lake", {S::Lake}},
        {"mere", {S::Lake}},
        {"pond", {S::Lake}},
        {"reservoir", {S::Lake}},
        {"lagoon", {S::Lake}},
        {"quarry", {S::Quarry}},
        {"inn", {S::Inn}},
        {"hotel", {S::Inn}},
        {"hotels", {S::Inn}},
        {"links", {S::GolfLinks}},
        {"lanes", {S::Lane}},
        {"forge", {S::Interior}},
        {"stones", {S::StandingStones}},
        // The wild country and the marks people left on it.
        {"alder swamp", {S::WetWood}},
        {"force", {S::Ravine}},
        {"gully", {S::Ravine}},
        {"watercress", {S::Watercress}},
        {"terraces", {S::Hillside}},
        {"chalk giant", {S::Hillside}},
        {"roman road", {S::MoorWorks}},
        {"peat", {S::MoorWorks}},
        {"cairn field", {S::MoorWorks}},
        {"army camp", {S::MoorWorks}},
        {"great ash", {S::GreatTree}},
        {"sub tropical garden", {S::TropicalGarden}},
        // Waterways, yards and works.
        {"swing bridge", {S::Waterway}},
        {"stairs", {S::Waterway}},
        {"barrier", {S::Waterway}},
        {"warehouses", {S::Waterway}},
        {"sailing barges", {S::Shipyard}},
        {"tide mill", {S::Mills}},
        {"oast houses", {S::Kilns}},
        {"airship", {S::Airships}},
        {"airships", {S::Airships}},
        {"underground railway", {S::Interior}},
        // Buildings and public places
        {"hall of estates", {S::Parliament}},
        {"estates at night", {S::Parliament}},
        {"changing the guard", {S::Parliament}},
        {"crescent", {S::Seafront}},
        {"seafront shelters", {S::Seafront}},
        {"market hall", {S::MarketHall}},
        {"town hall", {S::MarketHall}},
        {"barn", {S::Barn}},
        {"village green", {S::VillageGreen}},
        {"gaol", {S::Gaol}},
        {"net lofts", {S::NetLofts}},
        {"holiday camp", {S::HolidayCamp}},
        {"festival", {S::FestivalTents}},
        {"bandstand", {S::Bandstand}},
        {"stadium", {S::Stadium}},
        {"cricket ground", {S::CricketGround}},
        {"racecourse", {S::Racecourse}},
        {"royal observatory", {S::Observatory}},
        {"temple", {S::Temple}},
        {"arch", {S::TriumphalArch}},
    };
    return words;
}

// The title in lower case with every run of other characters made one space, padded.
std::string Words(const std::string& title) {
    std::string out = " ";
    for (char c : title) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u))
            out += static_cast<char>(std::tolower(u));
        else if (c != '\'' && out.back() != ' ')
            out += ' ';
    }
    if (out.back() != ' ') out += ' ';
    return out;
}

// What the title promises: the painters of every subject it names.
std::set<S> NamedSubjects(const std::string& title) {
    std::string words = Words(title);
    std::vector<TitleWord> byLength = TitleWords();
    std::stable_sort(byLength.begin(), byLength.end(), [](const TitleWord& a, const TitleWord& b) {
        return std::string(a.phrase).size() > std::string(b.phrase).size();
    });
    std::set<S> named;
    for (const TitleWord& entry : byLength) {
        const std::string needle = std::string(" ") + entry.phrase + " ";
        for (size_t at = words.find(needle); at != std::string::npos; at = words.find(needle)) {
            named.insert(entry.painted.begin(), entry.painted.end());
            words.replace(at, needle.size(), " ");
        }
    }
    return named;
}

const EditionSource& DemoSource() {
    static const ParseOutcome parsed = ParseEditionFolder(FERN_EDITION_SOURCE_DIR);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    return parsed.source;
}

TEST(DemoScenes, ATitleNamingASubjectIsPaintedAsThatSubject) {
    int checked = 0;
    for (const SourcePlace& place : DemoSource().places)
        for (const SourceView& view : place.views) {
            EXPECT_TRUE(view.hasScene) << view.title;
            const std::set<S> named = NamedSubjects(view.title);
            if (named.empty()) continue;
            ++checked;
            EXPECT_TRUE(named.count(view.scene.subject))
                << place.name << ": " << view.title << " is painted as '" << view.scene.word << "'";
        }
    // Most titles name their subject; the check must have reached them.
    EXPECT_GT(checked, 120);
}

TEST(DemoScenes, TitleWordsAreWholeWords) {
    EXPECT_EQ(NamedSubjects("The Farrow light"), std::set<S>{S::Lighthouse});
    EXPECT_TRUE(NamedSubjects("The old lifeboat").empty());  // no "light" inside a word
    EXPECT_EQ(NamedSubjects("Cresswold Abbey house"), std::set<S>{S::StatelyHome});
    EXPECT_EQ(NamedSubjects("The harbour from the castle"), (std::set<S>{S::Harbour, S::Castle}));
}

TEST(DemoScenes, ScenesListHasOneLineAViewWithCodeTitleAndSubject) {
    const BuildOutcome built = BuildTables(DemoSource());
    ASSERT_TRUE(built.ok) << built.error;
    const std::string listing = ScenesListing(built.edition);
    EXPECT_EQ(size_t(std::count(listing.begin(), listing.end(), '\n')),
              built.edition.image.views.size());
    // The Ness light's line: its code, its title, and what is painted.
    const size_t at = listing.find("\tThe lighthouse on the Ness\tlighthouse: ");
    ASSERT_NE(at, std::string::npos);
    const size_t lineStart = listing.rfind('\n', at) + 1;
    EXPECT_EQ(at - lineStart, 4u);  // the four-character picture code
}

}  // namespace
