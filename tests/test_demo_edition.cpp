// The demo edition as the build leaves it beside the program: the counts that the program's own
// texts quote, and what its tours, timeline, shows, tabs and caption links need of the content.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/textcase.h"
#include "edition/editiontour.h"
#include "tests/support/recordinghost.h"

namespace {

// The slideshow says "345 photographs of 159 places" and "all 159 places".
constexpr int kDemoViews = 345;
constexpr int kDemoPlaces = 159;
constexpr int kCoastStops = 101;

// Tab column at 800 x 600: (picture height - close, map and eye buttons - two gaps) / tab
// height - 1.
constexpr int kTabSlotsAt800x600 = (512 - 29 - 33 - 20 - 20 - 2 * 4) / 16 - 1;

struct Tour {
    const char* caption;
    uint32_t maskA;
    uint32_t maskB;
};

// The tours the Tour page lets the user choose, with the masks it tests.
constexpr Tour kEnabledTours[] = {
    {"Artwork", 0x4, 0},
    {"Beautiful Verdanis", 0, 0x20},
    {"Big Industry", 0x10, 0},
    {"Business Centres", 0x8, 0},
    {"Castles", 0x20, 0},
    {"Coast", 0x40, 0},
    {"Crime and Punishment", 0x80000, 0},
    {"Distant Views", 0x80, 0},
    {"Famous Sights", 0x10000, 0},
    {"Film, TV and Press", 0x200000, 0},
    {"Gardens and Parks", 0x800, 0},
    {"Great Artists", 0x1, 0},
    {"Historic Monuments", 0x4000, 0},
    {"Historic Towns", 0x2000, 0},
    {"Hotels + Restaurants", 0x8000, 0},
    {"Landscape Views", 0x40000, 0},
    {"Museums + Exhibitions", 0x100000, 0},
    {"Old Transport", 0x40000000, 0},
    {"Police and the Military", 0x800000, 0},
    {"Record Breakers", 0x100, 0},
    {"Royal Connections", 0x2000000, 0},
    {"Shops and Markets", 0x8000000, 0},
    {"Sporting Centres", 0x10000000, 0},
    {"Stately Homes", 0x4000000, 0},
    {"Theatres, Cinemas and Concert Halls", 0x20000000, 0},
    {"Transport", 0x80000000, 0},
    {"Universities and Schools", 0, 0x1},
    {"Worship", 0, 0x8},
    {"Zoos", 0, 0x10},
};

// The Timeline page's eras; the first is open towards the past.
constexpr int kEraBounds[] = {-4000, -55, 410, 1066, 1154, 1485, 1603, 1714, 1811, 1902, 2000};
constexpr int kEras = 10;

std::string upper(std::string text) {
    for (char& c : text) c = UpperAscii(c);
    return text;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

class DemoEdition : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        host_ = std::make_unique<RecordingHost>();
        LoadContent(FERN_EDITION_DIR);
    }
    static void TearDownTestSuite() {
        ReleaseContent();
        host_.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(host_->errors.empty()) << host_->errors.front();
        ASSERT_TRUE(Content().loaded());
    }

    static const ContentStore& content() { return Content(); }

    // The places that have at least one view for which the test holds.
    static std::set<int> placesWith(const std::function<bool(const ViewRecord&)>& test) {
        std::set<int> places;
        for (int v = 0; v < content().ViewCount; ++v)
            if (test(content().view(v))) places.insert(content().view(v).Place);
        return places;
    }

    // The place whose view group's heading begins with the key, compared without regard to case;
    // -1 when none. Groups are visited in name order, as the Go To list and caption links see them.
    static int placeNamed(const std::string& key) {
        const std::string wanted = upper(key);
        for (int v = 0; v >= 0 && v < content().ViewCount; v = content().view(v).NextGroup) {
            if (startsWith(upper(content().view(v).Text), wanted)) return content().view(v).Place;
        }
        return -1;
    }

    static std::set<std::string> townNames() {
        std::set<std::string> towns;
        for (int p = 0; p < content().PlaceCount; ++p) {
            const std::string name = PlaceName(p);
            const size_t comma = name.find(',');
            if (comma != std::string::npos) towns.insert(name.substr(0, comma));
        }
        return towns;
    }

    static std::unique_ptr<RecordingHost> host_;
};

std::unique_ptr<RecordingHost> DemoEdition::host_;

TEST_F(DemoEdition, CountsAreTheOnesTheProgramQuotes) {
    EXPECT_EQ(content().ViewCount, kDemoViews);
    EXPECT_EQ(content().PlaceCount, kDemoPlaces);
    EXPECT_EQ(EditionTourTable().count, kCoastStops);
    EXPECT_EQ(content().RowCount, 4864);
    EXPECT_EQ(content().ColumnCount, 3072);
    ASSERT_TRUE(content().ExtraText.has_value());
    EXPECT_FALSE(content().ExtraText->empty());
    EXPECT_FALSE(content().StartHereText.has_value());
}

TEST_F(DemoEdition, EveryPlaceOwnsItsGroupOfViews) {
    for (int p = 0; p < content().PlaceCount; ++p) {
        ASSERT_LT(content().firstViewOf(p), content().viewEndOf(p)) << PlaceName(p);
        for (int v = content().firstViewOf(p); v < content().viewEndOf(p); ++v)
            EXPECT_EQ(content().view(v).Place, p) << PlaceName(p);
    }
}

TEST_F(DemoEdition, CoastTourIsExactlyTheCoastTopic) {
    const TourTable tour = EditionTourTable();
    ASSERT_GT(tour.count, 0);
    EXPECT_EQ(tour.places[0], 0) << "the tour starts at the northernmost place";
    const std::set<int> stops(tour.places, tour.places + tour.count);
    EXPECT_EQ(static_cast<int>(stops.size()), tour.count) << "a stop appears twice";
    // The Coast tour's found set must hold every stop, or applying the coast order reports it;
    // the coast show shows the same views.
    const std::set<int> coast =
        placesWith([](const ViewRecord& v) { return (v.maskAByte0() & kViewInTourShow) != 0; });
    for (int p : stops) EXPECT_EQ(coast.count(p), 1u) << "no coast view: " << PlaceName(p);
    for (int p : coast) EXPECT_EQ(stops.count(p), 1u) << "not on the tour: " << PlaceName(p);
}

TEST_F(DemoEdition, EveryEnabledTourSelectsAtLeastThreePlaces) {
    for (const Tour& tour : kEnabledTours) {
        const std::set<int> found = placesWith([&](const ViewRecord& v) {
            return (v.TopicMaskA & tour.maskA) != 0 || (v.TopicMaskB & tour.maskB) != 0;
        });
        EXPECT_GE(found.size(), 3u) << tour.caption;
    }
}

TEST_F(DemoEdition, EveryEraSelectsPlacesAndTheOldestSitesAreBC) {
    for (int era = 0; era < kEras; ++era) {
        const int from = era == 0 ? -1000000 : kEraBounds[era];
        const int to = kEraBounds[era + 1];
        const std::set<int> found =
            placesWith([&](const ViewRecord& v) { return v.Year >= from && v.Year <= to; });
        EXPECT_GE(found.size(), 3u) << "era from " << from << " to " << to;
    }
    for (int v = 0; v < content().ViewCount; ++v) {
        EXPECT_NE(content().view(v).Year, 0) << content().view(v).Text;
        EXPECT_GE(content().view(v).Year, kEraBounds[0]) << content().view(v).Text;
        EXPECT_LE(content().view(v).Year, kEraBounds[kEras]) << content().view(v).Text;
    }
}

TEST_F(DemoEdition, EveryStandardShowPlaceHasABeautifulView) {
    std::set<int> standard;
    for (int p = 0; p < content().PlaceCount; ++p)
        if (content().place(p).PlaceFlags & kPlaceInStandardShow) standard.insert(p);
    EXPECT_GE(standard.size(), 30u);
    EXPECT_LE(standard.size(), 50u);

    const std::set<int> standardViews =
        placesWith([](const ViewRecord& v) { return (v.maskBByte0() & kViewInStandardShow) != 0; });
    for (int p : standard) EXPECT_EQ(standardViews.count(p), 1u) << PlaceName(p);
}

TEST_F(DemoEdition, HeadingsPutColonAndBlankAfterThePlaceName) {
    for (int v = 0; v < content().ViewCount; ++v) {
        const ViewRecord& view = content().view(v);
        const std::string heading = view.Text;
        const std::string name = PlaceNameOfView(view);
        ASSERT_GE(view.NameEnd, 4) << heading;
        EXPECT_EQ(view.Text[view.NameEnd - 2], ':') << heading;
        EXPECT_EQ(view.Text[view.NameEnd - 1], ' ') << heading;
        EXPECT_EQ(name, PlaceName(view.Place)) << heading;
        // The slideshow's map-stage title is the heading up to its first ':'.
        EXPECT_EQ(heading.substr(0, heading.find(':')), name);
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(name[0])) &&
                    std::isalpha(static_cast<unsigned char>(name[1])))
            << heading;
        EXPECT_TRUE(name.find(", ") != std::string::npos || startsWith(name, "London Gov"))
            << "not <Town>, <District>: " << heading;
        EXPECT_GT(std::string(view.Text + view.CaptionStart).size(), 20u) << heading;
    }
}

TEST_F(DemoEdition, TownNamesInCaptionsLeadToTheirTowns) {
    const std::set<std::string> towns = townNames();
    int namingAnotherTown = 0;
    for (int v = 0; v < content().ViewCount; ++v) {
        const ViewRecord& view = content().view(v);
        const std::string caption = view.Text + view.CaptionStart;
        const std::string name = PlaceNameOfView(view);
        const std::string ownTown = name.substr(0, name.find(','));
        bool namesAnother = false;
        std::string word;
        for (size_t i = 0; i <= caption.size(); ++i) {
            if (i < caption.size() && std::isalpha(static_cast<unsigned char>(caption[i]))) {
                word += caption[i];
                continue;
            }
            if (towns.count(word)) {
                // A double-clicked word is looked up with the separator of the headings.
                const int found = placeNamed(word + ",");
                ASSERT_GE(found, 0) << word << " in " << view.Text;
                EXPECT_TRUE(startsWith(PlaceName(found), word + ",")) << word;
                namesAnother = namesAnother || word != ownTown;
            }
            word.clear();
        }
        if (namesAnother) ++namingAnotherTown;
    }
    // Many captions point onward to a neighbouring town.
    EXPECT_GE(namingAnotherTown * 4, content().ViewCount);
}

TEST_F(DemoEdition, CentralLondonFillsTheInset) {
    EXPECT_GE(content().LondonPlaceCount, 8);
    EXPECT_LE(content().LondonPlaceCount, 20);
    int government = -1;
    int quarters = 0;
    for (int i = 0; i < content().LondonPlaceCount; ++i) {
        const int place = content().LondonPlaces[i];
        const std::string name = PlaceName(place);
        if (startsWith(name, "London Gov")) {
            EXPECT_EQ(government, -1) << "two government places";
            government = place;
        }
        if (startsWith(name, "London, ")) ++quarters;
    }
    ASSERT_NE(government, -1);
    EXPECT_GE(quarters * 2, content().LondonPlaceCount) << "most London places are quarters";
    // The caption links for the word London: landscape captions, then portrait captions.
    EXPECT_EQ(placeNamed("London Gov"), government);
    const int quarter = placeNamed("London,");
    ASSERT_GE(quarter, 0);
    EXPECT_TRUE(content().place(quarter).PlaceFlags2 & kPlaceOnLondonInset);
}

TEST_F(DemoEdition, TheCapitalHasMoreViewsThanTheTabColumnShows) {
    int most = 0;
    int busiest = -1;
    for (int p = 0; p < content().PlaceCount; ++p) {
        const int views = content().viewEndOf(p) - content().firstViewOf(p);
        if (views > most) {
            most = views;
            busiest = p;
        }
    }
    EXPECT_GT(most, kTabSlotsAt800x600);
    ASSERT_GE(busiest, 0);
    EXPECT_TRUE(content().place(busiest).PlaceFlags2 & kPlaceOnLondonInset) << PlaceName(busiest);
}

TEST_F(DemoEdition, AboutOneViewInSevenIsPortrait) {
    int portraits = 0;
    for (int v = 0; v < content().ViewCount; ++v)
        if (content().view(v).isPortrait()) ++portraits;
    EXPECT_GE(portraits * 9, content().ViewCount);
    EXPECT_LE(portraits * 5, content().ViewCount);
}

}  // namespace
