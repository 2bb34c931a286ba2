// The photograph painter: the same request gives the same pixels and bytes, every subject
// paints at both sizes, topics choose the subject, and no two pictures look alike.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/scenes/scenepainter.h"
#include "tools/mkedition/topics.h"

namespace {

SceneRequest Request(const std::string& words, int year, uint32_t seed, bool portrait = false) {
    TopicBits bits;
    size_t start = 0;
    while (start < words.size()) {
        const size_t end = std::min(words.find(' ', start), words.size());
        EXPECT_TRUE(LookUpTopic(words.substr(start, end - start), bits)) << words;
        start = end + 1;
    }
    return SceneRequest{portrait, bits.maskA, bits.maskB, year, seed};
}

// A request for a subject; the coast and country subjects depend on the seed as well, so
// seeds are tried until one gives the subject.
SceneRequest RequestFor(SceneSubject subject) {
    struct Topic {
        SceneSubject subject;
        const char* words;
        int year;
    };
    static const Topic kTopics[] = {
        {SceneSubject::Cliffs, "coast", 1900},
        {SceneSubject::Harbour, "coast", 1900},
        {SceneSubject::Lighthouse, "coast", 1900},
        {SceneSubject::Castle, "castles", 1300},
        {SceneSubject::Church, "worship", 1400},
        {SceneSubject::Garden, "gardens", 1750},
        {SceneSubject::Maze, "mazes", 1700},
        {SceneSubject::Industry, "industry", 1880},
        {SceneSubject::Market, "shops", 1900},
        {SceneSubject::Railway, "transport", 1930},
        {SceneSubject::University, "schools", 1600},
        {SceneSubject::Theatre, "theatres", 1890},
        {SceneSubject::Zoo, "zoos", 1950},
        {SceneSubject::Monument, "monuments", 1820},
        {SceneSubject::StandingStones, "monuments", -2000},
        {SceneSubject::StatelyHome, "stately-homes", 1760},
        {SceneSubject::Landscape, "landscape", 1900},
        {SceneSubject::TownStreet, "historic-towns", 1600},
        {SceneSubject::RiverBridge, "beautiful", 1800},
    };
    for (const Topic& topic : kTopics) {
        if (topic.subject != subject) continue;
        for (uint32_t seed = 1; seed < 5000; seed += 97) {
            const SceneRequest request = Request(topic.words, topic.year, seed);
            if (ChooseSubject(request) == subject) return request;
        }
    }
    ADD_FAILURE() << "no request paints subject " << static_cast<int>(subject);
    return {};
}

const std::vector<SceneSubject>& AllSubjects() {
    static const std::vector<SceneSubject> subjects = {
        SceneSubject::Cliffs,      SceneSubject::Harbour,    SceneSubject::Lighthouse,
        SceneSubject::Castle,      SceneSubject::Church,     SceneSubject::Garden,
        SceneSubject::Maze,        SceneSubject::Industry,   SceneSubject::Market,
        SceneSubject::Railway,     SceneSubject::University, SceneSubject::Theatre,
        SceneSubject::Zoo,         SceneSubject::Monument,   SceneSubject::StandingStones,
        SceneSubject::StatelyHome, SceneSubject::Landscape,  SceneSubject::TownStreet,
        SceneSubject::RiverBridge};
    return subjects;
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
    for (SceneSubject subject :
         {SceneSubject::Harbour, SceneSubject::Church, SceneSubject::RiverBridge}) {
        SceneRequest request = RequestFor(subject);
        request.portrait = subject == SceneSubject::Church;
        const QImage first = PaintScene(request), second = PaintScene(request);
        EXPECT_EQ(first, second) << static_cast<int>(subject);
        const std::vector<uint8_t> firstJpeg = EncodeJpeg(first), secondJpeg = EncodeJpeg(second);
        ASSERT_FALSE(firstJpeg.empty());
        EXPECT_EQ(firstJpeg, secondJpeg);
    }
}

TEST(ScenePainter, PicturesHaveTheirOrientationsSize) {
    EXPECT_EQ(SceneSize(false), QSize(768, 512));
    EXPECT_EQ(SceneSize(true), QSize(400, 600));
    SceneRequest request = RequestFor(SceneSubject::Castle);
    EXPECT_EQ(PaintScene(request).size(), QSize(768, 512));
    request.portrait = true;
    EXPECT_EQ(PaintScene(request).size(), QSize(400, 600));
}

TEST(ScenePainter, EverySubjectPaintsAPictureAtBothSizes) {
    for (SceneSubject subject : AllSubjects()) {
        for (bool portrait : {false, true}) {
            SceneRequest request = RequestFor(subject);
            request.portrait = portrait;
            const QImage picture = PaintScene(request);
            EXPECT_EQ(picture.size(), SceneSize(portrait));
            // A picture, not a blank or a wash: light and dark parts of some extent.
            EXPECT_GT(GreySpread(picture), 12.0)
                << static_cast<int>(subject) << (portrait ? " portrait" : "");
        }
    }
}

TEST(ScenePainter, DifferentSeedsGiveDifferentPictures) {
    SceneRequest one = RequestFor(SceneSubject::Castle), two = one;
    two.seed = one.seed + 1;
    EXPECT_GT(MeanDifference(PaintScene(one), PaintScene(two)), 8.0);
}

TEST(ScenePainter, TopicsChooseTheSubject) {
    struct Case {
        const char* words;
        int year;
        SceneSubject subject;
    };
    const Case cases[] = {
        {"castles coast", 1300, SceneSubject::Castle},
        {"military", 1700, SceneSubject::Castle},
        {"zoos castles", 1900, SceneSubject::Zoo},
        {"theatres shops", 1900, SceneSubject::Theatre},
        {"worship", 1200, SceneSubject::Church},
        {"old-universities", 1500, SceneSubject::University},
        {"industry transport", 1880, SceneSubject::Industry},
        {"transport coast", 1900, SceneSubject::Harbour},
        {"old-transport", 1870, SceneSubject::Railway},
        {"shops", 1900, SceneSubject::Market},
        {"royal", 1800, SceneSubject::StatelyHome},
        {"mazes gardens", 1700, SceneSubject::Maze},
        {"gardens", 1700, SceneSubject::Garden},
        {"monuments", 1800, SceneSubject::Monument},
        {"monuments", 300, SceneSubject::StandingStones},
        {"coast", -1500, SceneSubject::StandingStones},
        {"museums", 1900, SceneSubject::TownStreet},
        {"historic-towns coast", 1600, SceneSubject::Cliffs},
    };
    for (const Case& c : cases) {
        SceneRequest request = Request(c.words, c.year, 0);
        // Seed 0 gives the first coast form, the cliffs.
        EXPECT_EQ(ChooseSubject(request), c.subject) << c.words;
    }
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
    const QImage picture = PaintScene(RequestFor(SceneSubject::Market));
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

// Sixty pictures of mixed topics, sizes and seeds: every pair differs clearly, judged on
// small thumbnails so that grain alone cannot make two alike pictures differ.
TEST(ScenePainter, NoTwoPicturesAlike) {
    const char* topics[] = {"coast",     "castles",        "worship",   "gardens",
                            "industry",  "shops",          "transport", "schools",
                            "theatres",  "zoos",           "monuments", "stately-homes",
                            "landscape", "historic-towns", "beautiful"};
    std::vector<QImage> landscapes, portraits;
    for (uint32_t i = 0; i < 60; ++i) {
        const bool portrait = i % 5 == 4;
        const SceneRequest request =
            Request(topics[i % 15], 1850, SceneSeed("Place", std::to_string(i)), portrait);
        const QImage thumbnail =
            PaintScene(request).scaled(portrait ? QSize(20, 30) : QSize(48, 32),
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        (portrait ? portraits : landscapes).push_back(thumbnail);
    }
    double closest = 255;
    for (const std::vector<QImage>* group : {&landscapes, &portraits})
        for (size_t a = 0; a < group->size(); ++a)
            for (size_t b = a + 1; b < group->size(); ++b)
                closest = std::min(closest, MeanDifference((*group)[a], (*group)[b]));
    EXPECT_GT(closest, 10.0);
}

}  // namespace
