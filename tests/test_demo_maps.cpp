// The maps of the demo edition as the build leaves them: the tiles and mini maps read back
// through the program's loader, every covered place's dot where the map window's flash fill
// starts (and nowhere else), and the London inset's markers under the inset's fill points.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "content/bitmapscramble.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/londonpictures.h"
#include "content/maptiles.h"
#include "content/minimapseeds.h"
#include "content/records.h"
#include "tests/support/recordinghost.h"
#include "tools/mkedition/maps/mapfiles.h"
#include "tools/mkedition/maps/placedots.h"

namespace {

// The detailed map the program expects: 6 x 19 tiles.
constexpr int kTileColumns = 6;
constexpr int kTileRows = 19;

// The flash fill recolours the dot yellow to near black (0x00100000 as blue-green-red) and
// back, matching each channel within the tolerance.
constexpr QRgb kFlashDark = qRgb(0x00, 0x00, 0x10);
constexpr int kFillTolerance = 15;

bool fillMatches(QRgb pixel, QRgb colour) {
    return std::abs(qRed(pixel) - qRed(colour)) <= kFillTolerance &&
           std::abs(qGreen(pixel) - qGreen(colour)) <= kFillTolerance &&
           std::abs(qBlue(pixel) - qBlue(colour)) <= kFillTolerance;
}

bool isDotColour(QRgb pixel) { return fillMatches(pixel, maptiles::kPlaceDotColour); }

bool looksLikeSea(QRgb c) { return qBlue(c) > qRed(c) + 25 && qBlue(c) >= qGreen(c); }

std::string tilePath(int column, int row) {
    return std::string(FERN_EDITION_DIR) + maptiles::kFolder + "/" +
           maptiles::TileName(column, row);
}

class DemoMaps : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        host_ = std::make_unique<RecordingHost>();
        LoadContent(FERN_EDITION_DIR);
        map_ = QImage(kTileColumns * maptiles::kTileWidth, kTileRows * maptiles::kTileHeight,
                      QImage::Format_RGB32);
        map_.fill(Qt::black);
        for (int c = 0; c < kTileColumns; ++c) {
            for (int r = 0; r < kTileRows; ++r) {
                const QImage tile = LoadScrambledBitmap(tilePath(c, r), maptiles::TileName(c, r));
                tiles_.emplace_back(tile.format(), tile.size());
                if (tile.size() != QSize(maptiles::kTileWidth, maptiles::kTileHeight)) continue;
                const QImage rgb = tile.convertToFormat(QImage::Format_RGB32);
                for (int y = 0; y < rgb.height(); ++y) {
                    std::copy_n(
                        reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), rgb.width(),
                        reinterpret_cast<QRgb*>(map_.scanLine(r * maptiles::kTileHeight + y)) +
                            c * maptiles::kTileWidth);
                }
            }
        }
    }
    static void TearDownTestSuite() {
        ReleaseContent();
        host_.reset();
        map_ = QImage();
        tiles_.clear();
    }
    void SetUp() override { ASSERT_TRUE(Content().loaded()); }

    static bool isLondonPlace(int p) {
        return (Content().place(p).PlaceFlags2 & kPlaceOnLondonInset) != 0;
    }
    static int dotRadius(int p) {
        return isLondonPlace(p) ? kLondonDotPixelRadius : kPlaceDotPixelRadius;
    }
    static QPoint at(int p) { return QPoint(Content().place(p).x, Content().place(p).y); }

    static std::unique_ptr<RecordingHost> host_;
    static QImage map_;
    static std::vector<std::pair<QImage::Format, QSize>> tiles_;
};

std::unique_ptr<RecordingHost> DemoMaps::host_;
QImage DemoMaps::map_;
std::vector<std::pair<QImage::Format, QSize>> DemoMaps::tiles_;

TEST_F(DemoMaps, EveryTileUnscramblesToAPalettisedTileOfTheRightSize) {
    ASSERT_EQ(tiles_.size(), static_cast<size_t>(kTileColumns * kTileRows));
    for (const auto& [format, size] : tiles_) {
        EXPECT_EQ(format, QImage::Format_Indexed8);
        EXPECT_EQ(size, QSize(maptiles::kTileWidth, maptiles::kTileHeight));
    }
}

TEST_F(DemoMaps, EveryPlaceDotIsSolidYellowAndRingedAgainstTheFlashFill) {
    for (int p = 0; p < Content().PlaceCount; ++p) {
        for (const QPoint& offset : DotDisc(dotRadius(p))) {
            EXPECT_EQ(map_.pixel(at(p) + offset), maptiles::kPlaceDotColour)
                << "place " << p << " at " << at(p).x() << "," << at(p).y() << " offset "
                << offset.x() << "," << offset.y();
        }
        for (const QPoint& offset : DotRing(dotRadius(p))) {
            const QRgb ring = map_.pixel(at(p) + offset);
            EXPECT_FALSE(isDotColour(ring) || fillMatches(ring, kFlashDark))
                << "the flash fill of place " << p << " would leak at offset " << offset.x() << ","
                << offset.y();
        }
    }
}

TEST_F(DemoMaps, NothingButTheDotsIsYellow) {
    std::set<std::pair<int, int>> dots;
    for (int p = 0; p < Content().PlaceCount; ++p) {
        for (const QPoint& offset : DotDisc(dotRadius(p)))
            dots.emplace((at(p) + offset).x(), (at(p) + offset).y());
    }
    int strays = 0;
    for (int y = 0; y < map_.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(map_.constScanLine(y));
        for (int x = 0; x < map_.width(); ++x) {
            if (isDotColour(line[x]) && !dots.count({x, y})) ++strays;
        }
    }
    EXPECT_EQ(strays, 0);
}

// The program puts a place at x * W / 6400, (y - 40) * H / 4800 on a mini map W * 384 / 800
// wide and H high: at 800 x 600 on the small map, at 1600 x 1200 on the large one.
TEST_F(DemoMaps, MiniMapsUnscrambleAndShowEveryPlaceOnLand) {
    const struct {
        const char* file;
        const char* seed;
        QSize size;
        int screenWidth;
    } minis[] = {
        {kSmallMiniMapFile, kSmallMiniMapSeed, QSize(kSmallMiniMapWidth, kSmallMiniMapHeight), 800},
        {kLargeMiniMapFile, kLargeMiniMapSeed, QSize(kLargeMiniMapWidth, kLargeMiniMapHeight),
         1600}};
    for (const auto& mini : minis) {
        const QImage map =
            LoadScrambledBitmap(std::string(FERN_EDITION_DIR) + mini.file, mini.seed);
        ASSERT_EQ(map.format(), QImage::Format_Indexed8) << mini.file;
        ASSERT_EQ(map.size(), mini.size) << mini.file;
        ASSERT_EQ(mini.size.width(), mini.screenWidth * 384 / 800);
        const int screenHeight = mini.size.height();
        EXPECT_TRUE(looksLikeSea(map.pixel(0, 0))) << mini.file;
        for (int p = 0; p < Content().PlaceCount; ++p) {
            const int px = Content().place(p).x * mini.screenWidth / 6400;
            const int py = (Content().place(p).y - 40) * screenHeight / 4800;
            // A coast place may sit on a pixel the shore shares with the sea; one of its
            // neighbours is land.
            bool land = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint n(px + dx, py + dy);
                    land = land || (map.rect().contains(n) && !looksLikeSea(map.pixel(n)));
                }
            }
            EXPECT_TRUE(land) << mini.file << ": place " << p;
        }
    }
}

// The inset shows map position (x, y) at u = 6x - 14052, v = 6y - 23220.
TEST_F(DemoMaps, EveryLondonMarkerIsAClosedGreyAreaUnderItsFillPoints) {
    QImage inset(QString::fromLatin1(kLondonPictureFolder) + kLonImageFile);
    ASSERT_EQ(inset.size(), QSize(384, 276));
    inset = inset.convertToFormat(QImage::Format_RGB32);
    ASSERT_GT(Content().LondonPlaceCount, 0);
    const int markerLimit = 30 * 30;
    for (int i = 0; i < Content().LondonPlaceCount; ++i) {
        const QPoint place = at(Content().LondonPlaces[i]);
        const QPoint centre(6 * place.x() - 14052, 6 * place.y() - 23220);
        ASSERT_EQ(inset.pixel(centre), kLondonMarkerGrey) << "London place " << i;
        // A surface fill of the grey from the centre: it must stay small, cover the other
        // four points, and leave them yellow.
        std::vector<QPoint> todo{centre};
        int filled = 0;
        while (!todo.empty() && filled <= markerLimit) {
            const QPoint p = todo.back();
            todo.pop_back();
            if (!inset.rect().contains(p) || inset.pixel(p) != kLondonMarkerGrey) continue;
            inset.setPixel(p, maptiles::kPlaceDotColour);
            ++filled;
            todo.insert(todo.end(),
                        {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
        }
        EXPECT_LE(filled, markerLimit) << "the fill leaks out of London place " << i << "'s marker";
        for (const auto& point : kLondonFillPoints)
            EXPECT_EQ(inset.pixel(centre + QPoint(point[0], point[1])), maptiles::kPlaceDotColour)
                << "London place " << i;
    }
    // Filled, the markers hold all the yellow; no grey is left.
    int yellow = 0;
    int grey = 0;
    for (int y = 0; y < inset.height(); ++y) {
        for (int x = 0; x < inset.width(); ++x) {
            yellow += (inset.pixel(x, y) | 0xFF000000) == maptiles::kPlaceDotColour;
            grey += (inset.pixel(x, y) | 0xFF000000) == kLondonMarkerGrey;
        }
    }
    EXPECT_EQ(grey, 0);
    EXPECT_GT(yellow, 0);
}

TEST_F(DemoMaps, TheSmallLondonPictureIsTheLondonBoxOfTheTiles) {
    const QImage mini = QImage(QString::fromLatin1(kLondonPictureFolder) + kMiniLonImageFile)
                            .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(mini.size(), QSize(64, 46));
    EXPECT_EQ(mini, map_.copy(2342, 3870, 64, 46));
}

}  // namespace
