// mkedition's builder: what it derives from a source, and what it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "content/datatables.h"
#include "content/textcase.h"
#include "tests/support/editions.h"
#include "tools/mkedition/sourceparser.h"
#include "tools/mkedition/tablebuilder.h"

namespace {

std::string upper(std::string s) {
    for (char& c : s) c = UpperAscii(c);
    return s;
}

TEST(MkEditionBuild, OrdersPlacesByYAndEastWestByX) {
    const BTabImage image = Build(SimpleEdition(200, 1, 5)).image;
    for (size_t p = 1; p < image.places.size(); ++p)
        EXPECT_LE(image.places[p - 1].y, image.places[p].y);
    for (size_t e = 0; e < image.eastWest.size(); ++e) {
        if (e > 0) {
            EXPECT_LE(image.eastWest[e - 1].x, image.eastWest[e].x);
        }
        const PlaceRecord& place = image.places[static_cast<size_t>(image.eastWest[e].place)];
        EXPECT_EQ(place.EastWestPos, static_cast<int16_t>(e));
        EXPECT_EQ(place.x, image.eastWest[e].x);
    }
}

TEST(MkEditionBuild, GroupsFollowNameOrderAndChain) {
    const BTabImage image = Build(SimpleEdition(80, 3, 2)).image;
    std::vector<std::string> names;
    int v = 0;
    while (v != -1) {
        const ViewRecord& first = image.views[static_cast<size_t>(v)];
        EXPECT_EQ(image.places[static_cast<size_t>(first.Place)].FirstView, v);
        names.push_back(upper(std::string(first.Text, first.NameEnd - 2)));
        ASSERT_TRUE(first.NextGroup == -1 || first.NextGroup == v + 3);
        v = first.NextGroup;
    }
    EXPECT_EQ(names.size(), 80u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST(MkEditionBuild, HeadingLayout) {
    EditionSource source = SimpleEdition(50, 2);
    source.places[0].name = "Ashcombe, Corvan";
    source.places[0].views[0].title = "The harbour";
    source.places[0].views[0].caption = "Boats at rest.";
    const BuiltEdition built = Build(source);
    const ViewRecord& v = built.image.views[static_cast<size_t>(
        built.image.places[static_cast<size_t>(built.placeIndexOfSource[0])].FirstView)];
    EXPECT_STREQ(v.Text, "Ashcombe, Corvan: The harbour");
    EXPECT_EQ(v.NameEnd, 18);
    EXPECT_EQ(v.Text[v.NameEnd - 2], ':');
    EXPECT_EQ(v.Text[v.NameEnd - 1], ' ');
    EXPECT_EQ(std::string(v.Text + v.NameEnd, v.CaptionStart - 2 - v.NameEnd), "The harbour");
    EXPECT_STREQ(v.Text + v.CaptionStart, "Boats at rest.");
}

TEST(MkEditionBuild, NameIndexHoldsTheFirstGroupOfEachLetterPair) {
    EditionSource source = SimpleEdition(50, 2);
    source.places[0].name = "Bexley, Corvan";
    source.places[1].name = "bexhill, Corvan";
    source.places[2].name = "Brampton, Corvan";
    const BTabImage image = Build(source).image;
    auto entry = [&](char a, char b) {
        return image.nameIndex[static_cast<size_t>((a - 'A') * 26 + (b - 'A'))];
    };
    auto groupName = [&](int view) {
        const ViewRecord& v = image.views[static_cast<size_t>(view)];
        return std::string(v.Text, v.NameEnd - 2);
    };
    ASSERT_NE(entry('B', 'E'), -1);
    EXPECT_EQ(groupName(entry('B', 'E')), "bexhill, Corvan");
    EXPECT_EQ(groupName(entry('B', 'R')), "Brampton, Corvan");
    EXPECT_EQ(entry('B', 'F'), -1);
    for (size_t i = 0; i < image.nameIndex.size(); ++i) {
        if (image.nameIndex[i] == -1) continue;
        const std::string name = upper(groupName(image.nameIndex[i]));
        EXPECT_EQ(name[0], static_cast<char>('A' + i / 26));
        EXPECT_EQ(name[1], static_cast<char>('A' + i % 26));
    }
}

TEST(MkEditionBuild, RowIndexPointsAtANearestRow) {
    const BTabImage image = Build(SimpleEdition(120, 1, 9)).image;
    for (size_t row = 0; row < image.rowIndex.size(); row += 37) {
        const int chosen = image.places[static_cast<size_t>(image.rowIndex[row])].y;
        for (const PlaceRecord& p : image.places)
            EXPECT_LE(std::abs(chosen - static_cast<int>(row)),
                      std::abs(p.y - static_cast<int>(row)));
    }
}

TEST(MkEditionBuild, NeighbourBitsMatchTheCones) {
    const BTabImage image = Build(SimpleEdition(150, 1, 4)).image;
    for (const PlaceRecord& p : image.places) {
        bool north = false, south = false, east = false, west = false;
        for (size_t i = 0; i < image.places.size(); ++i) {
            const PlaceRecord& o = image.places[i];
            if (&o == &p) continue;
            const int dx = o.x - p.x, dy = o.y - p.y;
            const bool vertical = dy * dy >= dx * dx, horizontal = dx * dx >= dy * dy;
            const size_t self = static_cast<size_t>(&p - image.places.data());
            const int ewSelf = p.EastWestPos, ewOther = o.EastWestPos;
            if (vertical && i < self) north = true;
            if (vertical && i > self) south = true;
            if (horizontal && ewOther > ewSelf) east = true;
            if (horizontal && ewOther < ewSelf) west = true;
        }
        EXPECT_EQ((p.PlaceFlags2 & kPlaceHasNorth) != 0, north);
        EXPECT_EQ((p.PlaceFlags2 & kPlaceHasSouth) != 0, south);
        EXPECT_EQ((p.PlaceFlags2 & kPlaceHasEast) != 0, east);
        EXPECT_EQ((p.PlaceFlags2 & kPlaceHasWest) != 0, west);
    }
}

TEST(MkEditionBuild, TourAndLondonFlags) {
    EditionSource source = SimpleEdition(100, 1);
    source.londonBox = MapBox{0, 0, 3071, 4863};
    const BuildOutcome crowded = BuildTables(source);
    EXPECT_FALSE(crowded.ok);
    EXPECT_NE(crowded.error.find("more than 20 places inside the London box"), std::string::npos)
        << crowded.error;
    source.londonBox = MapBox{};
    const BuiltEdition plain = Build(source);
    const int north = static_cast<int>(
        std::find(plain.placeIndexOfSource.begin(), plain.placeIndexOfSource.end(), 0) -
        plain.placeIndexOfSource.begin());
    source.coastOrder = {{source.places[static_cast<size_t>(north)].name, 1},
                         {source.places[north == 0 ? 1 : 0].name, 2}};
    const BuiltEdition toured = Build(source);
    ASSERT_EQ(toured.tour.size(), 2u);
    EXPECT_EQ(toured.tour[0], 0);
    std::swap(source.coastOrder[0], source.coastOrder[1]);
    const BuildOutcome wrongStart = BuildTables(source);
    EXPECT_FALSE(wrongStart.ok);
    EXPECT_NE(wrongStart.error.find("coast.txt: line 2"), std::string::npos) << wrongStart.error;
}

// What mkedition writes, the program loads: the smallest edition it takes is the smallest the
// program takes, and one place or one view fewer is refused with the rule named.
TEST(MkEditionBuild, RefusesEditionsSmallerThanTheProgramLoads) {
    const EditionSource smallest = SimpleEdition(50, 2);
    const BuildOutcome fits = BuildTables(smallest);
    ASSERT_TRUE(fits.ok) << fits.error;
    EXPECT_TRUE(LoadImage(fits.edition.image));
    ReleaseContent();

    const BuildOutcome places49 = BuildTables(SimpleEdition(49, 3));
    EXPECT_FALSE(places49.ok);
    EXPECT_NE(places49.error.find("fewer than 50 places"), std::string::npos) << places49.error;

    EditionSource views99 = smallest;
    views99.places[7].views.pop_back();
    const BuildOutcome refused = BuildTables(views99);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("fewer than 100 views"), std::string::npos) << refused.error;
    EXPECT_FALSE(BuildTables(EditionSource{}).ok);
}

TEST(MkEditionBuild, BuildsAreDeterministic) {
    const EditionSource source = SimpleEdition(90, 2, 11);
    EXPECT_EQ(WriteBTab(Build(source).image), WriteBTab(Build(source).image));
}

TEST(MkEditionBuild, RefusalsNameTheSourceLine) {
    struct Case {
        const char* what;
        std::function<void(EditionSource&)> spoil;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"caption too long",
         [](EditionSource& s) {
             s.places[2].views[0].caption = std::string(200, 'c');
             s.places[2].views[0].line = 42;
         },
         "places.txt: line 42: caption too long"},
        {"name without letters",
         [](EditionSource& s) {
             s.places[3].name = "1st Street";
             s.places[3].line = 7;
         },
         "places.txt: line 7: a place name must start with two letters"},
        {"place twice",
         [](EditionSource& s) {
             s.places[4].name = s.places[5].name;
             s.places[4].line = 9;
             s.places[5].line = 9;
         },
         "line 9: place name used twice"},
        {"outside the map",
         [](EditionSource& s) {
             s.places[1].y = 5000;
             s.places[1].line = 3;
         },
         "line 3: place lies outside the map"},
        {"bad picture code",
         [](EditionSource& s) {
             s.places[1].views[0].picCode = "A/12";
             s.places[1].views[0].line = 5;
         },
         "line 5: picture code"},
        {"picture code twice",
         [](EditionSource& s) {
             s.places[1].views[0].picCode = "ZZ99";
             s.places[2].views[0].picCode = "ZZ99";
             s.places[2].views[0].line = 8;
             s.places[1].views[0].line = 8;
         },
         "line 8: picture code used twice"},
        {"no views",
         [](EditionSource& s) {
             s.places[6].views.clear();
             s.places[6].line = 11;
         },
         "line 11: place has no views"},
    };
    for (const Case& c : cases) {
        EditionSource source = SimpleEdition(50, 2);
        c.spoil(source);
        const BuildOutcome outcome = BuildTables(source);
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_NE(outcome.error.find(c.expected), std::string::npos)
            << c.what << ": " << outcome.error;
    }
    EditionSource fits = SimpleEdition(50, 2);
    SourceView& v = fits.places[0].views[0];
    v.caption = std::string(215 - fits.places[0].name.size() - v.title.size(), 'c');
    EXPECT_TRUE(BuildTables(fits).ok);
    v.caption.push_back('c');
    EXPECT_FALSE(BuildTables(fits).ok);
}

TEST(MkEditionParse, PlacesViewsAndTopics) {
    EditionSource source;
    std::string error;
    const char* text =
        "# a comment\n"
        "place Ashcombe, Corvan\n"
        "  at 2410 3950\n"
        "  show\n"
        "  view The harbour\n"
        "    scene harbour evening sea\n"
        "    year -55\n"
        "    topics coast beautiful schools\n"
        "    portrait\n"
        "    picture 1A01\n"
        "    caption Boats rest\n"
        "    + below the caf\xC3\xA9.\n";
    ASSERT_TRUE(ParsePlacesText(text, source, error)) << error;
    ASSERT_EQ(source.places.size(), 1u);
    const SourcePlace& p = source.places[0];
    EXPECT_EQ(p.name, "Ashcombe, Corvan");
    EXPECT_EQ(p.x, 2410);
    EXPECT_TRUE(p.inStandardShow);
    EXPECT_EQ(p.line, 2);
    ASSERT_EQ(p.views.size(), 1u);
    const SourceView& v = p.views[0];
    EXPECT_EQ(v.year, -55);
    EXPECT_EQ(v.topicMaskA, 0x40u);
    EXPECT_EQ(v.topicMaskB, 0x21u);
    EXPECT_TRUE(v.portrait);
    EXPECT_EQ(v.picCode, "1A01");
    EXPECT_EQ(v.caption, "Boats rest below the caf\xE9.");
    EXPECT_EQ(v.line, 5);
    EXPECT_EQ(v.scene.word, "harbour");
    EXPECT_EQ(v.scene.subject, SceneSubject::Harbour);
    EXPECT_EQ(v.scene.light.time, DayTime::Evening);
    EXPECT_TRUE(v.scene.sea);
}

// The 215 bytes are Latin-1 bytes of the stored text, whatever the UTF-8 source spends on them,
// and the refusal names the view's line even when the caption runs on over + lines.
TEST(MkEditionParse, CaptionLimitCountsStoredBytesAndNamesTheView) {
    auto build = [](const std::string& tail) {
        std::string accents;
        for (int i = 0; i < 9; ++i) accents += "\xC3\xA9";
        const std::string text =
            "place Ab, C\n  at 10 10\n  view T\n    year 1900\n    scene beach\n    caption " +
            accents + std::string(100, 'c') + "\n    + " + tail + "\n";
        EditionSource parsed;
        std::string error;
        EXPECT_TRUE(ParsePlacesText(text, parsed, error)) << error;
        EditionSource source = SimpleEdition(50, 2);  // an edition big enough to build
        source.places.push_back(parsed.places.at(0));
        return BuildTables(source);
    };
    // "Ab, C" + "T" + 9 + 100 + 1 + 99 caption bytes = 215
    const BuildOutcome fits = build(std::string(99, 'c'));
    EXPECT_TRUE(fits.ok) << fits.error;
    const BuildOutcome tooLong = build(std::string(100, 'c'));
    EXPECT_FALSE(tooLong.ok);
    EXPECT_NE(tooLong.error.find("places.txt: line 3: caption too long"), std::string::npos)
        << tooLong.error;
}

TEST(MkEditionParse, ErrorsNameTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"place Ab, C\n  at 1\n", "line 2: 'at' needs 2 numbers"},
        {"place Ab, C\n view T\n topics coast flying\n", "line 3: unknown topic 'flying'"},
        {"view T\n", "line 1: 'view' before the first place"},
        {"place Ab, C\n colour red\n", "line 2: unknown keyword 'colour' in a place"},
        {"place Ab, C\n view T\n  caption \xE2\x80\x94 dash\n",
         "line 3: a character outside Latin-1"},
        // Every painted view says what it shows, in words the painter knows.
        {"place Ab, C\n view T\n  caption C\n view U\n  scene bay\n",
         "line 2: view 'T' has no scene line"},
        {"place Ab, C\n view T\n  scene spaceship\n", "line 3: unknown scene subject 'spaceship'"},
        {"place Ab, C\n view T\n  scene castle dawn purple\n",
         "line 3: unknown scene detail 'purple'"},
        {"place Ab, C\n view T\n  scene\n", "line 3: a scene needs a subject"},
    };
    for (const auto& c : cases) {
        EditionSource source;
        std::string error;
        EXPECT_FALSE(ParsePlacesText(c.first, source, error)) << c.first;
        EXPECT_EQ(error, c.second);
    }
    EditionSource source;
    std::string error;
    EXPECT_TRUE(ParseEditionText("ident Demo\nrows 4864\ncolumns 3072\nlondon-box 1 2 3 4\n",
                                 source, error));
    EXPECT_EQ(source.londonBox.right, 3);
    EXPECT_FALSE(ParseEditionText("rows 4864 12\n", source, error));
    EXPECT_EQ(error, "line 1: 'rows' has more than 1 numbers");
}

}  // namespace
