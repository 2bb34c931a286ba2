// Drawing the maps: the palette, the dots, where names go, and the files mkedition writes from
// a small island edition, byte for byte the same every time.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <algorithm>
#include <map>
#include <set>

#include "content/bitmapscramble.h"
#include "content/londonpictures.h"
#include "content/maptiles.h"
#include "tests/support/editions.h"
#include "tests/support/islandmap.h"
#include "tools/mkedition/maps/labelplacer.h"
#include "tools/mkedition/maps/mapfiles.h"
#include "tools/mkedition/maps/mapstyle.h"
#include "tools/mkedition/maps/palette.h"
#include "tools/mkedition/maps/placedots.h"
#include "tools/mkedition/outputfiles.h"

namespace {

constexpr int kFillTolerance = 15;

TEST(MapPalette, KeepsTheDotColourForTheDotsAlone) {
    const MapPalette palette;
    const QVector<QRgb>& colours = palette.colours();
    ASSERT_LE(colours.size(), 256);
    EXPECT_EQ(colours[palette.placeDotIndex()], maptiles::kPlaceDotColour);
    for (int i = 0; i < colours.size(); ++i) {
        if (i == palette.placeDotIndex()) continue;
        const QRgb c = colours[i];
        const QRgb dot = maptiles::kPlaceDotColour;
        EXPECT_TRUE(std::abs(qRed(c) - qRed(dot)) > kFillTolerance ||
                    std::abs(qGreen(c) - qGreen(dot)) > kFillTolerance ||
                    std::abs(qBlue(c) - qBlue(dot)) > kFillTolerance)
            << "entry " << i << " would pass for the dot";
    }
    EXPECT_NE(palette.nearest(maptiles::kPlaceDotColour), palette.placeDotIndex());
    EXPECT_NE(palette.nearest(qRgb(255, 250, 120)), palette.placeDotIndex());
}

TEST(MapPalette, HoldsEveryInkOfTheStyleExactly) {
    using namespace mapstyle;
    const MapPalette palette;
    for (QRgb ink :
         {kCoastLine,        kRiver,    kGreyedRiver,      kLake,           kCountyBorder,
          kRoadCasing,       kRoadFill, kGreyedRoadCasing, kGreyedRoadFill, kPlaceInk,
          kGreyedInk,        kHalo,     kWaterInk,         kUplandInk,      kDistrictInk,
          kPlaceDotRing,     kTownDot,  kTownDotRing,      kCityGround,     kCityStreet,
          kCityStreetCasing, kCityPark, kCityFrame}) {
        ASSERT_TRUE(palette.colours().contains(ink | 0xFF000000u)) << std::hex << ink;
        EXPECT_EQ(palette.colours()[palette.nearest(ink)], ink | 0xFF000000u) << std::hex << ink;
    }
}

TEST(MapPalette, QuantisingKeepsLinesPlainAndDithersTheGround) {
    const MapPalette palette;
    QImage ground(8, 8, QImage::Format_RGB32);
    ground.fill(qRgb(200, 220, 170));
    QImage overlay(8, 8, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    overlay.setPixel(3, 3, mapstyle::kPlaceInk);
    const QImage out = Quantise(ground, overlay, palette);
    ASSERT_EQ(out.format(), QImage::Format_Indexed8);
    EXPECT_EQ(out.pixel(3, 3), mapstyle::kPlaceInk | 0xFF000000u);
    std::set<QRgb> groundColours;
    for (int y = 4; y < 8; ++y) {
        for (int x = 4; x < 8; ++x) groundColours.insert(out.pixel(x, y));
    }
    EXPECT_GT(groundColours.size(), 1u) << "a shade between two entries is dithered";
}

TEST(PlaceDots, AreSolidDiscsOnThePlaceWithAClosedRing) {
    for (int radius : {kPlaceDotPixelRadius, kLondonDotPixelRadius}) {
        const std::vector<QPoint> disc = DotDisc(radius);
        const std::vector<QPoint> ring = DotRing(radius);
        std::set<std::pair<int, int>> inDisc;
        for (const QPoint& p : disc) inDisc.emplace(p.x(), p.y());
        std::set<std::pair<int, int>> inRing;
        for (const QPoint& p : ring) inRing.emplace(p.x(), p.y());
        EXPECT_TRUE(inDisc.count({0, 0}));
        const auto [minX, maxX] = std::minmax_element(
            disc.begin(), disc.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
        EXPECT_EQ(maxX->x() - minX->x() + 1, 2 * radius)
            << "the disc is " << 2 * radius << " pixels across";
        for (const QPoint& p : disc) {
            EXPECT_TRUE(inDisc.count({-1 - p.x(), p.y()}) && inDisc.count({p.x(), -1 - p.y()}))
                << "symmetric";
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const std::pair<int, int> n{p.x() + dx, p.y() + dy};
                    EXPECT_TRUE(inDisc.count(n) || inRing.count(n))
                        << "the ring closes round the disc";
                }
            }
        }
        for (const auto& r : inRing) EXPECT_FALSE(inDisc.count(r));
    }
    QImage image(20, 20, QImage::Format_Indexed8);
    image.setColorCount(3);
    image.fill(0);
    StampDot(image, QPoint(10, 10), kPlaceDotPixelRadius, 1, 2);
    int dot = 0;
    int ring = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            dot += image.pixelIndex(x, y) == 1;
            ring += image.pixelIndex(x, y) == 2;
        }
    }
    EXPECT_EQ(dot, static_cast<int>(DotDisc(kPlaceDotPixelRadius).size()));
    EXPECT_EQ(ring, static_cast<int>(DotRing(kPlaceDotPixelRadius).size()));
}

const QSizeF kName(60, 12);

TEST(LabelPlacer, PutsANameRightOfItsDotFirst) {
    LabelPlacer placer(QRectF(0, 0, 500, 500), [](const QRectF&) { return 0.0; });
    placer.keepFree(QPointF(100, 100), 5);
    const std::optional<PlacedLabel> placed =
        placer.place(LabelRequest{QPointF(100, 100), 5, kName});
    ASSERT_TRUE(placed);
    EXPECT_GT(placed->box.left(), 105);
    EXPECT_LT(placed->box.left(), 110);
    EXPECT_DOUBLE_EQ(placed->box.center().y(), 100);
    EXPECT_FALSE(placed->needsLeader);
}

TEST(LabelPlacer, CrowdedNamesKeepClearOfDotsAndOfEachOther) {
    // A stretch of coast: a dot every 30 pixels, names twice as wide.
    const QRectF bounds(0, 0, 500, 300);
    LabelPlacer placer(bounds, [](const QRectF&) { return 0.0; });
    std::vector<QPointF> dots;
    for (int i = 0; i < 10; ++i) dots.emplace_back(100 + i * 30, 150 + (i % 2) * 4);
    for (const QPointF& dot : dots) placer.keepFree(dot, 5);
    std::vector<QRectF> boxes;
    bool leader = false;
    for (const QPointF& dot : dots) {
        const std::optional<PlacedLabel> placed = placer.place(LabelRequest{dot, 5, kName});
        ASSERT_TRUE(placed);
        leader = leader || placed->needsLeader;
        boxes.push_back(placed->box);
    }
    EXPECT_TRUE(leader) << "so crowded that some names move out";
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(bounds.contains(boxes[i]));
        for (size_t j = i + 1; j < boxes.size(); ++j) EXPECT_FALSE(boxes[i].intersects(boxes[j]));
        for (const QPointF& dot : dots)
            EXPECT_FALSE(boxes[i].intersects(QRectF(dot - QPointF(5, 5), QSizeF(10, 10))));
    }
}

TEST(LabelPlacer, GivesUpWhenThereIsNoRoom) {
    LabelPlacer placer(QRectF(0, 0, 50, 100), [](const QRectF&) { return 0.0; });
    EXPECT_EQ(placer.freeCandidates(LabelRequest{QPointF(50, 50), 5, kName}), 0)
        << "no candidate fits the bounds";
    LabelPlacer open(QRectF(0, 0, 300, 300), [](const QRectF&) { return 0.0; });
    open.keepFree(QRectF(0, 0, 300, 300));
    EXPECT_FALSE(open.place(LabelRequest{QPointF(150, 150), 5, kName}));
}

TEST(LabelPlacer, TheExtraCostSteersTheChoice) {
    LabelPlacer placer(QRectF(0, 0, 500, 500),
                       [](const QRectF& box) { return box.left() > 100 ? 10.0 : 0.0; });
    const std::optional<PlacedLabel> placed =
        placer.place(LabelRequest{QPointF(100, 100), 5, kName});
    ASSERT_TRUE(placed);
    EXPECT_LT(placed->box.right(), 100) << "left of the dot, where it costs nothing";
}

// Every file under a folder, by path relative to it.
std::map<std::string, std::vector<uint8_t>> filesUnder(const std::string& folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    QDirIterator it(QString::fromStdString(folder), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const std::string path = it.next().toStdString();
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(ReadFileBytes(path, bytes));
        files[path.substr(folder.size())] = bytes;
    }
    return files;
}

class IslandMaps : public ::testing::Test {
  protected:
    IslandMaps() {
        source_.write("map.txt", std::string(kIslandMap));
        source_.write("towns.txt", std::string(kIslandTowns));
    }
    bool build(const DataDirectory& out, std::string& error) {
        return WriteEditionMaps(IslandEdition(), source_.path(), out.path() + "data",
                                out.path() + "pictures", error);
    }
    DataDirectory source_;
};

TEST_F(IslandMaps, TheSameSourceBuildsTheSameBytes) {
    DataDirectory first;
    DataDirectory second;
    std::string error;
    ASSERT_TRUE(build(first, error)) << error;
    ASSERT_TRUE(build(second, error)) << error;
    const auto a = filesUnder(first.path());
    const auto b = filesUnder(second.path());
    // 2 x 4 tiles of the 1024 x 1024 map, two mini maps, two London pictures.
    EXPECT_EQ(a.size(), 12u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between two builds";
    }
}

TEST_F(IslandMaps, TilesUnscrambleWithTheirNamesAndMiniMapsWithTheirSeeds) {
    DataDirectory out;
    std::string error;
    ASSERT_TRUE(build(out, error)) << error;
    const std::string data = out.path() + "data/";
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 4; ++r) {
            const std::string name = maptiles::TileName(c, r);
            const QImage tile = LoadScrambledBitmap(data + maptiles::kFolder + "/" + name, name);
            EXPECT_EQ(tile.size(), QSize(512, 256)) << name;
        }
    }
    const QImage tile = LoadScrambledBitmap(data + maptiles::kFolder + "/101.bmp", "101.bmp");
    // Aport (800, 200) lies in tile 100, Inland (450, 500) in tile 001.
    const QImage first = LoadScrambledBitmap(data + maptiles::kFolder + "/001.bmp", "001.bmp");
    EXPECT_EQ(first.pixel(450, 500 - 256), maptiles::kPlaceDotColour);
    EXPECT_NE(
        LoadScrambledBitmap(data + maptiles::kFolder + "/001.bmp", "000.bmp").pixel(450, 500 - 256),
        maptiles::kPlaceDotColour);
    EXPECT_EQ(LoadScrambledBitmap(data + "mimimi.bmp", "Fern").size(), QSize(384, 600));
    EXPECT_EQ(LoadScrambledBitmap(data + "mimi.bmp", "Vale").size(), QSize(768, 1200));
    EXPECT_EQ(QImage(QString::fromStdString(out.path() + "pictures/" + kLonImageFile)).size(),
              QSize(384, 276));
    EXPECT_EQ(QImage(QString::fromStdString(out.path() + "pictures/" + kMiniLonImageFile)).size(),
              QSize(64, 46));
    EXPECT_FALSE(tile.isNull());
}

TEST_F(IslandMaps, APlaceWithNoRoomForItsNameIsRefused) {
    EditionSource crowded = IslandEdition();
    // Dots a little more than a dot apart, in a block: the inner ones' names cannot go anywhere.
    for (int i = 0; i < 49; ++i) {
        SourcePlace place;
        place.name = "Crowd " + std::to_string(i) + ", Testshire";
        place.x = 500 + (i % 7) * 12;
        place.y = 300 + (i / 7) * 12;
        place.line = 100 + i;
        crowded.places.push_back(place);
    }
    DataDirectory out;
    std::string error;
    EXPECT_FALSE(WriteEditionMaps(crowded, source_.path(), out.path() + "data", "", error));
    EXPECT_EQ(error.rfind(source_.path() + "/places.txt: line 1", 0), 0u) << error;
    EXPECT_NE(error.find("no room for the name 'Crowd "), std::string::npos) << error;
}

TEST_F(IslandMaps, ErrorsNameTheSourceFileAndAnEditionWithoutAMapHasNone) {
    DataDirectory out;
    std::string error;
    source_.write("map.txt", std::string("land A\n  1 1 2 2\n"));
    EXPECT_FALSE(build(out, error));
    EXPECT_EQ(error, source_.path() + "/map.txt: line 1: 'land' needs at least 3 points");

    source_.write("map.txt", std::string(kIslandMap));
    EditionSource huge = IslandEdition();
    huge.columnCount = 10 * 512 + 1;
    EXPECT_FALSE(WriteEditionMaps(huge, source_.path(), out.path() + "data", "", error));
    EXPECT_EQ(error, source_.path() + "/edition.txt: the map is too large for the tile names");

    DataDirectory bare;
    EXPECT_TRUE(WriteEditionMaps(IslandEdition(), bare.path(), out.path() + "data",
                                 out.path() + "pictures", error));
    EXPECT_FALSE(QDir(QString::fromStdString(out.path() + "data")).exists());
}

}  // namespace
