// The photograph painter: the same request gives the same pixels and bytes, every subject
// paints at both sizes, the scene's words reach the picture, and no two pictures look alike.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/scenes/scenepainter.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

SceneRequest Request(const std::string& words, int year, uint32_t seed, bool portrait = false) {
    SceneRequest request{portrait, {}, year, seed};
    std::string error;
    EXPECT_TRUE(ParseSceneWords(words, request.scene, error)) << error;
    return request;
}

// One subject word for each painter, the first the vocabulary has for it.
std::vector<std::string> OneWordPerPainter() {
    std::vector<std::string> words;
    std::vector<SceneSubject> seen;
    for (const std::string& word : SceneSubjectWords()) {
        const SceneSubject subject = Request(word, 1850, 1).scene.subject;
        if (std::find(seen.begin(), seen.end(), subject) != seen.end()) continue;
        seen.push_back(subject);
        words.push_back(word);
    }
    return words;
}

// Mean absolute difference per channel between two pictures of one size, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32),
                 y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            total += std::abs(qRed(p[col]) - qRed(q[col])) +
                     std::abs(qGreen(p[col]) - qGreen(q[col])) +
                     std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return total / (3.0 * x.width() * x.height());
}

// How much the picture varies: the spread of its grey levels.
double GreySpread(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0, squares = 0;
    const double count = double(grey.width()) * grey.height();
    for (int row = 0; row < grey.height(); ++row)
        for (int col = 0; col < grey.width(); ++col) {
            const double v = grey.constScanLine(row)[col];
            sum += v;
            squares += v * v;
        }
    return std::sqrt(squares / count - (sum / count) * (sum / count));
}

TEST(ScenePainter, SameRequestGivesSamePixelsAndSameJpegBytes) {
    for (const char* words : {"harbour", "church", "bridge evening"}) {
        const SceneRequest request = Request(words, 1850, 77, words[0] == 'c');
        const QImage first = PaintScene(request), second = PaintScene(request);
        EXPECT_EQ(first, second) << words;
        const std::vector<uint8_t> firstJpeg = EncodeJpeg(first), secondJpeg = EncodeJpeg(second);
        ASSERT_FALSE(firstJpeg.empty());
        EXPECT_EQ(firstJpeg, secondJpeg);
    }
}

TEST(ScenePainter, PicturesHaveTheirOrientationsSize) {
    EXPECT_EQ(SceneSize(false), QSize(768, 512));
    EXPECT_EQ(SceneSize(true), QSize(400, 600));
    SceneRequest request = Request("castle", 1300, 5);
    EXPECT_EQ(PaintScene(request).size(), QSize(768, 512));
    request.portrait = true;
    EXPECT_EQ(PaintScene(request).size(), QSize(400, 600));
}

TEST(ScenePainter, EverySubjectPaintsAPictureAtBothSizes) {
    for (const std::string& word : OneWordPerPainter()) {
        for (bool portrait : {false, true}) {
            const QImage picture = PaintScene(Request(word, 1850, 11, portrait));
            EXPECT_EQ(picture.size(), SceneSize(portrait));
            // A picture, not a blank or a wash: light and dark parts of some extent.
            EXPECT_GT(GreySpread(picture), 12.0) << word << (portrait ? " portrait" : "");
        }
    }
}

TEST(ScenePainter, DifferentSeedsGiveDifferentPictures) {
    SceneRequest one = Request("castle", 1300, 5), two = one;
    two.seed = one.seed + 1;
    EXPECT_GT(MeanDifference(PaintScene(one), PaintScene(two)), 8.0);
}

// The open beach changes its surroundings from view to view: of several views of it, the
// thumbnails differ as much as different subjects do, and the sea is not always on one side.
TEST(ScenePainter, OpenBeachesVaryFromViewToView) {
    std::vector<QImage> thumbnails;
    int seaOnRight = 0;
    for (uint32_t i = 0; i < 8; ++i) {
        const QImage picture =
            PaintScene(Request("beach", 1900, SceneSeed("Strand", std::to_string(i))))
                .scaled(48, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The sea is bluer than the sand: compare the thirds of the lower half.
        double blueness[2] = {0, 0};
        for (int row = 16; row < 32; ++row)
            for (int col = 0; col < 16; ++col)
                for (int third : {0, 1}) {
                    const QColor c = picture.pixelColor(third ? 47 - col : col, row);
                    blueness[third] += c.blue() - c.red();
                }
        seaOnRight += blueness[1] > blueness[0];
        thumbnails.push_back(picture);
    }
    EXPECT_GT(seaOnRight, 0);
    EXPECT_LT(seaOnRight, 8);
    for (size_t a = 0; a < thumbnails.size(); ++a)
        for (size_t b = a + 1; b < thumbnails.size(); ++b)
            EXPECT_GT(MeanDifference(thumbnails[a], thumbnails[b]), 6.0) << a << " and " << b;
}

TEST(SceneWords, SubjectWordChoosesPainterAndFormDetailsTheLight) {
    const SceneRequest abbey = Request("abbey-ruin dusk winter", 1200, 1);
    EXPECT_EQ(abbey.scene.subject, SceneSubject::Church);
    EXPECT_EQ(abbey.scene.form, kAbbeyRuin);
    EXPECT_EQ(abbey.scene.light.time, DayTime::Dusk);
    EXPECT_EQ(abbey.scene.light.season, Season::Winter);
    EXPECT_FALSE(abbey.scene.light.weather.has_value());
    const SceneRequest cliffs = Request("cliffs-from-beach mist", 1900, 1);
    EXPECT_EQ(cliffs.scene.subject, SceneSubject::Cliffs);
    EXPECT_EQ(cliffs.scene.form, kCliffsFromBeach);
    EXPECT_EQ(cliffs.scene.light.weather, Weather::Mist);
    EXPECT_EQ(DescribeScene(cliffs.scene), "cliffs-from-beach: cliffs from the beach below; mist");
    // Every word of the vocabulary is known to the parser under its own name.
    for (const std::string& word : SceneSubjectWords())
        EXPECT_EQ(Request(word, 1900, 1).scene.word, word);
}

double MeanGrey(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int row = 0; row < grey.height(); ++row)
        for (int col = 0; col < grey.width(); ++col) sum += grey.constScanLine(row)[col];
    return sum / (double(grey.width()) * grey.height());
}

// The light the scene asks for is the light painted, whatever the seed would have drawn.
TEST(ScenePainter, SceneLightOverridesTheSeed) {
    for (uint32_t seed : {3u, 40u, 500u}) {
        const double night = MeanGrey(PaintScene(Request("harbour night", 1900, seed)));
        const double noon = MeanGrey(PaintScene(Request("harbour midday clear", 1900, seed)));
        EXPECT_LT(night, noon * 0.5) << seed;
    }
    const double snow = MeanGrey(PaintScene(Request("fields snow midday", 1900, 9)));
    const double summer = MeanGrey(PaintScene(Request("fields summer midday", 1900, 9)));
    EXPECT_GT(snow, summer + 20);
}

// Words that share a painter ask for different forms of it, and get them: with the same seed
// the pictures differ as much as two subjects do.
namespace {

void ExpectFormsDiffer(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    for (const auto& [one, other] : pairs) {
        const SceneRequest a = Request(one, 1850, 21), b = Request(other, 1850, 21);
        EXPECT_EQ(a.scene.subject, b.scene.subject) << one << " " << other;
        const QSize thumb(48, 32);
        EXPECT_GT(MeanDifference(
                      PaintScene(a).scaled(thumb, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                      PaintScene(b).scaled(thumb, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
                  10.0)
            << one << " and " << other << " look alike";
    }
}

}  // namespace

TEST(ScenePainter, SubjectWordsSharingAPainterPaintTheirOwnForms) {
    ExpectFormsDiffer({{"hall", "crypt"},
                       {"gallery", "forge"},
                       {"beach", "cove"},
                       {"seals", "sheep"},
                       {"swans", "wolves"},
                       {"lake", "marsh"},
                       {"inn", "hotel"},
                       {"clock-tower", "mast"},
                       {"church", "abbey-ruin"},
                       {"quarry", "clay-pits"},
                       {"dunes", "shingle"},
                       {"cross", "market-cross"},
                       {"lock", "flood-barrier"},
                       {"river-stairs", "swing-bridge"},
                       {"warehouses", "lock"},
                       {"dockyard", "boatyard"},
                       {"warship", "sailing-barges"},
                       {"windmill", "watermill"},
                       {"oast-houses", "kiln"},
                       {"hangar", "airship"},
                       {"underground-station", "crypt"},
                       {"parliament", "changing-guard"}});
}

// The forms the wild country's painters share differ.
TEST(ScenePainter, WildCountryFormsDiffer) {
    ExpectFormsDiffer({{"waterfall", "gully"},
                       {"terraces", "hill-figure"},
                       {"roman-road", "peat-banks"},
                       {"cairns", "army-camp"},
                       {"roman-road", "cairns"}});
}

// Every subject word reaches a painter of its own, not a stand-in drawn by the nearest painter
// of something else.
TEST(SceneWords, SubjectsReachTheirOwnPainters) {
    using S = SceneSubject;
    const std::pair<const char*, SceneSubject> words[] = {{"wet-wood", S::WetWood},
                                                          {"waterfall", S::Ravine},
                                                          {"gully", S::Ravine},
                                                          {"watercress-beds", S::Watercress},
                                                          {"terraces", S::Hillside},
                                                          {"hill-figure", S::Hillside},
                                                          {"roman-road", S::MoorWorks},
                                                          {"peat-banks", S::MoorWorks},
                                                          {"cairns", S::MoorWorks},
                                                          {"army-camp", S::MoorWorks},
                                                          {"great-tree", S::GreatTree},
                                                          {"tropical-garden", S::TropicalGarden},
                                                          {"river-stairs", S::Waterway},
                                                          {"lock", S::Waterway},
                                                          {"swing-bridge", S::Waterway},
                                                          {"flood-barrier", S::Waterway},
                                                          {"warehouses", S::Waterway},
                                                          {"dockyard", S::Shipyard},
                                                          {"warship", S::Shipyard},
                                                          {"boatyard", S::Shipyard},
                                                          {"sailing-barges", S::Shipyard},
                                                          {"windmill", S::Mills},
                                                          {"watermill", S::Mills},
                                                          {"oast-houses", S::Kilns},
                                                          {"kiln", S::Kilns},
                                                          {"hangar", S::Airships},
                                                          {"airship", S::Airships},
                                                          {"cliff-railway", S::CliffRailway},
                                                          {"parliament", S::Parliament},
                                                          {"changing-guard", S::Parliament},
                                                          {"seafront", S::Seafront},
                                                          {"school", S::School},
                                                          {"market-hall", S::MarketHall},
                                                          {"barn", S::Barn},
                                                          {"village-green", S::VillageGreen},
                                                          {"town-gate", S::TownGate},
                                                          {"gaol", S::Gaol},
                                                          {"net-lofts", S::NetLofts},
                                                          {"holiday-camp", S::HolidayCamp},
                                                          {"festival-tents", S::FestivalTents},
                                                          {"bandstand", S::Bandstand},
                                                          {"stadium", S::Stadium},
                                                          {"cricket-ground", S::CricketGround},
                                                          {"racecourse", S::Racecourse},
                                                          {"observatory", S::Observatory},
                                                          {"temple", S::Temple},
                                                          {"arch", S::TriumphalArch},
                                                          {"beacon", S::Beacon},
                                                          {"city-view", S::CityView}};
    for (const auto& [word, subject] : words) {
        const SceneRequest request = Request(word, 1900, 1);
        EXPECT_EQ(request.scene.subject, subject) << word;
        EXPECT_NE(std::string(PainterName(subject)), "?") << word;
    }
}

// The share of pixels brighter than a grey level in a band of rows (fractions of the height).
double BrightShare(const QImage& image, double top, double bottom, int level) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    int bright = 0, count = 0;
    for (int row = int(top * grey.height()); row < int(bottom * grey.height()); ++row)
        for (int col = 0; col < grey.width(); ++col, ++count)
            bright += grey.constScanLine(row)[col] > level;
    return double(bright) / std::max(1, count);
}

// After dark the parliament is floodlit: its range glows gold over the river under a sky with
// hardly a light in it.
TEST(ScenePainter, ParliamentAtNightIsFloodlitAgainstADarkSky) {
    for (uint32_t seed : {2u, 30u, 400u}) {
        const QImage night = PaintScene(Request("parliament night", 1999, seed));
        EXPECT_LT(BrightShare(night, 0.0, 0.2, 110), 0.03) << seed;
        EXPECT_GT(BrightShare(night, 0.3, 0.55, 110), 0.15) << seed;
        const QImage day = PaintScene(Request("parliament midday clear", 1999, seed));
        EXPECT_GT(BrightShare(day, 0.0, 0.2, 110), 0.3) << seed;
    }
}

// The painter names are a table beside the subject list: every subject has its own name, so the
// scenes list cannot name one painter for another's pictures.
TEST(SceneWords, EverySubjectHasAPainterNameOfItsOwn) {
    std::vector<std::string> names;
    for (int s = 0; s <= static_cast<int>(SceneSubject::CityView); ++s) {
        const std::string name = PainterName(static_cast<SceneSubject>(s));
        EXPECT_NE(name, "?") << s;
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << name;
        names.push_back(name);
    }
    EXPECT_EQ(std::string(PainterName(
                  static_cast<SceneSubject>(static_cast<int>(SceneSubject::CityView) + 1))),
              "?");
}

TEST(ScenePainter, SeedsDifferByPlaceAndTitle) {
    EXPECT_NE(SceneSeed("Ashcombe, Corvan", "The harbour"),
              SceneSeed("Ashcombe, Corvan", "The quay"));
    EXPECT_NE(SceneSeed("Ashcombe, Corvan", "View 1"), SceneSeed("Bramley, Corvan", "View 1"));
    // The name and title are kept apart: moving a letter across the boundary is a new view.
    EXPECT_NE(SceneSeed("AB", "C"), SceneSeed("A", "BC"));
    EXPECT_EQ(SceneSeed("Ashcombe, Corvan", "View 1"), SceneSeed("Ashcombe, Corvan", "View 1"));
}

TEST(JpegEncoder, WritesAJpegCloseToThePicture) {
    const QImage picture = PaintScene(Request("market", 1900, 3));
    const std::vector<uint8_t> jpeg = EncodeJpeg(picture);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);
    const QImage decoded = QImage::fromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPEG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), picture.size());
    EXPECT_LT(MeanDifference(decoded, picture), 5.0);
    // A lower quality gives fewer bytes: the setting reaches the encoder.
    EXPECT_LT(EncodeJpeg(picture, 40).size(), jpeg.size());
}

// Sixty pictures of mixed subjects, sizes and seeds: every pair differs clearly, judged on
// small thumbnails so that grain alone cannot make two alike pictures differ.
TEST(ScenePainter, NoTwoPicturesAlike) {
    const std::vector<std::string> words = OneWordPerPainter();
    std::vector<QImage> landscapes, portraits;
    std::vector<std::string> landscapeWords, portraitWords;
    for (uint32_t i = 0; i < 60; ++i) {
        const bool portrait = i % 5 == 4;
        const SceneRequest request =
            Request(words[i % words.size()], 1850, SceneSeed("Place", std::to_string(i)), portrait);
        const QImage thumbnail =
            PaintScene(request).scaled(portrait ? QSize(20, 30) : QSize(48, 32),
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        (portrait ? portraits : landscapes).push_back(thumbnail);
        (portrait ? portraitWords : landscapeWords)
            .push_back(words[i % words.size()] + " " + std::to_string(i));
    }
    double closest = 255;
    std::string pair;
    for (const auto& [group, names] :
         {std::make_pair(&landscapes, &landscapeWords), std::make_pair(&portraits, &portraitWords)})
        for (size_t a = 0; a < group->size(); ++a)
            for (size_t b = a + 1; b < group->size(); ++b) {
                const double difference = MeanDifference((*group)[a], (*group)[b]);
                if (difference < closest) {
                    closest = difference;
                    pair = (*names)[a] + " and " + (*names)[b];
                }
            }
    EXPECT_GT(closest, 10.0) << pair;
}

}  // namespace
