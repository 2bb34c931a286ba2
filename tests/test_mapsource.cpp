// The map source: what map.txt and towns.txt may say and what they may not, and the geography
// built from them against the edition's places.
#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

#include "tests/support/editions.h"
#include "tests/support/islandmap.h"
#include "tools/mkedition/maps/geography.h"
#include "tools/mkedition/maps/mapparser.h"
#include "tools/mkedition/maps/noise.h"
#include "tools/mkedition/maps/shapes.h"

namespace {

MapSource parsed(const std::string& text, const std::string& towns = "") {
    MapSource source;
    std::string error;
    EXPECT_TRUE(ParseMapText(text, source, error)) << error;
    EXPECT_TRUE(ParseTownsText(towns, source, error)) << error;
    return source;
}

std::string mapError(const std::string& text) {
    MapSource source;
    std::string error;
    EXPECT_FALSE(ParseMapText(text, source, error)) << text;
    return error;
}

std::string geographyError(const std::string& text, const std::string& towns = "",
                           const EditionSource& edition = IslandEdition()) {
    const GeographyOutcome outcome = BuildGeography(parsed(text, towns), edition);
    EXPECT_FALSE(outcome.ok);
    return outcome.error;
}

TEST(MapText, ReadsEveryKindOfBlock) {
    const MapSource source = parsed(std::string(kIslandMap) + R"(
lake Mere
  400 400  420 400  420 420
road
  120 500
  via Inland Hamlet
)",
                                    kIslandTowns);
    ASSERT_EQ(source.lands.size(), 1u);
    const std::vector<OutlineStep>& steps = source.lands[0].steps;
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[2].shoreFrom, "Aport, Testshire");
    EXPECT_EQ(steps[2].shoreTo, "Cport, Testshire");
    EXPECT_EQ(steps[3].point, QPointF(700, 900));
    EXPECT_EQ(source.county.name, "Testshire");
    ASSERT_EQ(source.lakes.size(), 1u);
    ASSERT_EQ(source.rivers.size(), 1u);
    EXPECT_EQ(source.rivers[0].name, "Test Water");
    EXPECT_DOUBLE_EQ(source.rivers[0].mouthWidth, 2);
    EXPECT_EQ(source.rivers[0].points.size(), 4u);
    ASSERT_EQ(source.roads.size(), 1u);
    ASSERT_EQ(source.roads[0].size(), 3u);
    EXPECT_EQ(source.roads[0][1].town, "Inland");
    EXPECT_EQ(source.roads[0][2].town, "Hamlet");
    ASSERT_EQ(source.hills.size(), 1u);
    EXPECT_DOUBLE_EQ(source.hills[0].radius, 120);
    EXPECT_DOUBLE_EQ(source.hills[0].height, 400);
    ASSERT_EQ(source.labels.size(), 1u);
    EXPECT_EQ(source.labels[0].kind, LabelKind::Sea);
    EXPECT_EQ(source.labels[0].text, "East Sea");
    ASSERT_EQ(source.londonStreets.size(), 1u);
    EXPECT_EQ(source.londonStreets[0].points[1], QPointF(464, 612));
    ASSERT_EQ(source.londonParks.size(), 1u);
    ASSERT_EQ(source.towns.size(), 1u);
    EXPECT_EQ(source.towns[0].name, "Hamlet");
    EXPECT_EQ(source.towns[0].line, 2);
}

TEST(MapText, RefusesWhatItCannotDrawNamingTheLine) {
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"lnad A\n", "line 1: unknown keyword 'lnad'"},
        {"land A\n  1 2 3\n", "line 2: points come in x y pairs"},
        {"land A\n  1 2 x y\n", "line 2: 'x y' is not a point"},
        {"land A\n  1 2 3 4 1e9 6\n", "line 2: a point far outside the map"},
        {"  1 2 3 4\n", "line 1: points outside"},
        {"road\n  shore A .. B\n", "line 2: 'shore' outside an outline"},
        {"land A\n  1 2\n  shore A, B\n", "line 3: 'shore' needs"},
        {"land A\n  via Town\n", "line 2: 'via' outside a road"},
        {"road Town\n", "line 1: 'road' takes its stops"},
        {"hills 0 100\n  1 2\n", "line 1: '0' is out of range"},
        {"hills 50\n", "line 1: 'hills' needs 2 numbers"},
        {"hills 50 100 7\n", "line 1: 'hills' has more than 2 numbers"},
        {"label lake 1 2 Mere\n", "line 1: unknown label kind 'lake'"},
        {"label sea 1 2\n", "line 1: a label needs its text"},
        {"land A\n  1 2 3 4\nriver 1 R\n  1 1 2 2\n", "line 1: 'land' needs at least 3 points"},
        {"river 1 R\n  1 1\n", "line 1: 'river' needs at least 2 points"},
        {"land A\n  1 1 2 2 3 3\n", "no 'county' outline"},
        {"county A\n  1 1 2 2 3 3\n", "no 'land' outline"},
        {"county A\n  1 1 2 2 3 3\ncounty B\n  1 1 2 2 3 3\n", "line 3: a second 'county' outline"},
        {"land \xc3\xa9\xe2\x80\x94\n", "line 1: a character outside Latin-1"},
    };
    for (const auto& c : cases)
        EXPECT_NE(mapError(c.text).find(c.error), std::string::npos)
            << c.text << " -> " << mapError(c.text);
}

TEST(MapText, TownsNeedAPointAndAName) {
    MapSource source;
    std::string error;
    EXPECT_FALSE(ParseTownsText("12 34 Ok\n12 Name\n", source, error));
    EXPECT_NE(error.find("line 2:"), std::string::npos) << error;
    EXPECT_FALSE(ParseTownsText("\n12 34\n", source, error));
    EXPECT_NE(error.find("line 2: a town needs its name"), std::string::npos) << error;
}

TEST(MapFolder, WithoutAMapTheEditionHasNoMapsAndBadFilesAreNamed) {
    DataDirectory folder;
    MapParseOutcome none = ParseMapFolder(folder.path());
    EXPECT_TRUE(none.ok);
    EXPECT_FALSE(none.present);

    folder.write("map.txt", std::string(kIslandMap));
    folder.write("towns.txt", std::string("1 2 Fine\n3 Bad\n"));
    MapParseOutcome badTowns = ParseMapFolder(folder.path());
    EXPECT_FALSE(badTowns.ok);
    EXPECT_EQ(badTowns.error.rfind("towns.txt: line 2:", 0), 0u) << badTowns.error;

    folder.write("map.txt", std::string("land\n  x\n"));
    MapParseOutcome badMap = ParseMapFolder(folder.path());
    EXPECT_EQ(badMap.error.rfind("map.txt: line 2:", 0), 0u) << badMap.error;
}

TEST(Geography, CoastPlacesSitOnTheShoreWithTheSeaJustBeyondTheirDots) {
    const GeographyOutcome outcome = BuildGeography(parsed(kIslandMap), IslandEdition());
    ASSERT_TRUE(outcome.ok) << outcome.error;
    const Geography& g = outcome.geography;
    for (const QPointF at : {QPointF(800, 200), QPointF(800, 500), QPointF(800, 800)}) {
        EXPECT_TRUE(g.onLand(at));
        EXPECT_NEAR(DistanceToPath(at, g.lands[0], true), kShoreOffset, 0.5);
        EXPECT_FALSE(g.onLand(at + QPointF(kShoreOffset + 1, 0)))
            << "the sea lies east of the coast stops";
    }
    EXPECT_TRUE(g.inCounty(QPointF(450, 500)));
    EXPECT_FALSE(g.inCounty(QPointF(200, 500)));
    ASSERT_EQ(g.places.size(), 4u);
    EXPECT_EQ(g.places[0].label, "Aport");
}

TEST(Geography, RefusesOutlinesThatDisagreeWithTheCoastTour) {
    EXPECT_EQ(
        geographyError("land A\n  100 100 700 100\n  shore Aport, Testshire .. Dport, Testshire\n"
                       "  700 900\ncounty B\n  0 0 1000 0 1000 1000\n"),
        "map.txt: line 3: 'Dport, Testshire' is not a stop of the coast tour");
    EXPECT_EQ(
        geographyError("land A\n  100 100 700 100\n  shore Cport, Testshire .. Aport, Testshire\n"
                       "  700 900\ncounty B\n  0 0 1000 0 1000 1000\n"),
        "map.txt: line 3: the shore runs against the coast tour's order");
    EXPECT_EQ(
        geographyError("land A\n  100 900 700 900\n  shore Cport, Testshire .. Cport, Testshire\n"
                       "  700 100 100 100\ncounty B\n  0 0 1000 0 1000 1000\n"),
        "map.txt: line 1: an outline with a shore must run clockwise round its land");
    EditionSource strayStop = IslandEdition();
    strayStop.coastOrder[1].name = "Zport, Testshire";
    EXPECT_EQ(geographyError(kIslandMap, "", strayStop),
              "map.txt: line 3: the coast stop 'Zport, Testshire' is not a place");
}

TEST(Geography, RefusesPlacesAndTownsWhereTheMapCannotShowThem) {
    EditionSource edition = IslandEdition();
    edition.places[3].x = 980;
    EXPECT_EQ(geographyError(kIslandMap, "", edition),
              "places.txt: line 13: 'Inland, Testshire' is not on land on the map");
    edition.places[3].x = 200;
    EXPECT_EQ(
        geographyError(kIslandMap, "", edition),
        "places.txt: line 13: 'Inland, Testshire' lies outside the county's outline on the map");
    edition.places[3].x = 450;
    edition.coastOrder.push_back({"Inland, Testshire", 4});
    EXPECT_EQ(
        geographyError(std::string(kIslandMap) + "lake L\n  440 480 470 480 470 520 440 520\n", "",
                       edition),
        "places.txt: line 13: 'Inland, Testshire' is not on land on the map");
    EXPECT_EQ(
        geographyError(std::string(kIslandMap) + "lake L\n  456 480 480 480 480 520 456 520\n", "",
                       edition),
        "places.txt: line 13: 'Inland, Testshire' is too near the water for its dot on the map");
    EXPECT_EQ(
        geographyError(kIslandMap, "", edition),
        "places.txt: line 13: 'Inland, Testshire' is a coast stop but lies inland on the map");
    EXPECT_EQ(geographyError(kIslandMap, "500 500 Insider\n"),
              "towns.txt: line 1: 'Insider' lies inside the county on the map");
    EXPECT_EQ(geographyError(kIslandMap, "\n20 500 Drowned\n"),
              "towns.txt: line 2: 'Drowned' is not on land on the map");
}

TEST(Geography, RoadsRunThroughTheirTownsByName) {
    const std::string road = std::string(kIslandMap) + "road\n  via Hamlet Inland\n  600 600\n";
    const GeographyOutcome outcome =
        BuildGeography(parsed(road, "200 500 Hamlet\n"), IslandEdition());
    ASSERT_TRUE(outcome.ok) << outcome.error;
    ASSERT_EQ(outcome.geography.roads.size(), 1u);
    const QPolygonF& path = outcome.geography.roads[0];
    for (const QPointF stop : {QPointF(200, 500), QPointF(450, 500), QPointF(600, 600)})
        EXPECT_LT(DistanceToPath(stop, path, false), 0.01);

    EXPECT_EQ(geographyError(std::string(kIslandMap) + "road\n  via Hamlet\n  via Nowhere\n",
                             "200 500 Hamlet\n"),
              "map.txt: line 18: no town or place is called 'Nowhere'");
    EXPECT_EQ(geographyError(std::string(kIslandMap) + "road\n  via Hamlet Inland\n",
                             "200 500 Hamlet\n250 500 Hamlet\n"),
              "map.txt: line 17: 'Hamlet' names more than one town");
}

TEST(Geography, LondonPlacesAreNamedByTheirQuarter) {
    EditionSource edition = IslandEdition();
    edition.places[5].name = "London Government Quarter";
    const GeographyOutcome outcome = BuildGeography(parsed(kIslandMap), edition);
    ASSERT_TRUE(outcome.ok) << outcome.error;
    ASSERT_EQ(outcome.geography.londonPlaces.size(), 2u);
    EXPECT_EQ(outcome.geography.londonPlaces[0].label, "Northgate");
    EXPECT_EQ(outcome.geography.londonPlaces[1].label, "Government Quarter");
    EXPECT_EQ(outcome.geography.places.size(), 4u);
}

TEST(Shapes, SmoothPathsPassThroughTheirPointsAndRoughPathsKeepTheirPins) {
    const QPolygonF square({QPointF(0, 0), QPointF(100, 0), QPointF(100, 100), QPointF(0, 100)});
    std::vector<int> knots;
    const QPolygonF smooth = SmoothPath(square, true, 5, &knots);
    ASSERT_EQ(knots.size(), 4u);
    for (size_t i = 0; i < knots.size(); ++i)
        EXPECT_EQ(smooth[knots[i]], square[static_cast<int>(i)]);
    EXPECT_GT(SignedArea(smooth), 0) << "clockwise as the map shows it";
    const QPointF outward = RightNormal(smooth, (knots[1] + knots[2]) / 2, true);
    EXPECT_GT(outward.x(), 0.9) << "the right-hand side of a clockwise outline is outside";

    const QPolygonF rough = RoughenPath(smooth, true, Roughness{6, 30, 7}, {knots[2]}, 10);
    EXPECT_EQ(rough[knots[2]], smooth[knots[2]]);
    double moved = 0;
    for (int i = 0; i < smooth.size(); ++i)
        moved =
            std::max(moved, std::hypot(rough[i].x() - smooth[i].x(), rough[i].y() - smooth[i].y()));
    EXPECT_GT(moved, 1);
    EXPECT_LT(moved, 6 * 2.5);
    EXPECT_EQ(rough, RoughenPath(smooth, true, Roughness{6, 30, 7}, {knots[2]}, 10));
}

TEST(Noise, IsSmoothAndTheSameEveryTime) {
    EXPECT_EQ(Noise2(12.25, 7.5, 3), Noise2(12.25, 7.5, 3));
    EXPECT_NE(Noise2(12.25, 7.5, 3), Noise2(12.25, 7.5, 4));
    EXPECT_LT(std::fabs(Noise2(5.0, 5.0, 9) - Noise2(5.001, 5.0, 9)), 0.01);
    for (int i = 0; i < 200; ++i) {
        const double r = RidgedNoise2(i * 0.37, i * 0.11, 5, 4);
        EXPECT_GE(r, 0);
        EXPECT_LE(r, 1);
    }
}

}  // namespace
