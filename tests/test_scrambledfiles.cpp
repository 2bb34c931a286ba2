// mkedition's scrambled files read back by the program: bitmaps through the bitmap loader,
// photographs named in places.txt through the picture worker.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "content/bitmapscramble.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "content/zmopenthread.h"
#include "tests/support/editions.h"
#include "tests/support/photographs.h"
#include "tools/mkedition/bitmapwriter.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/outputfiles.h"
#include "tools/mkedition/photographs.h"
#include "tools/mkedition/sourceparser.h"

namespace {

QImage palettised(int width, int height) {
    QImage image(width, height, QImage::Format_Indexed8);
    QVector<QRgb> palette;
    for (int i = 0; i < 256; ++i) palette.push_back(qRgb(i, 255 - i, (i * 7) % 256));
    image.setColorTable(palette);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.scanLine(y)[x] = static_cast<uchar>(x * 3 + y * 5);
    }
    return image;
}

// 13 pixels: rows padded to 16 bytes in the file, and only the pixels scrambled.
TEST(ScrambledBitmap, WrittenThenLoadedGivesTheImageBack) {
    DataDirectory dir;
    const QImage tile = palettised(13, 9);
    const std::vector<uint8_t> file = WriteScrambledBitmap(tile, "118.bmp");
    dir.write("118.bmp", file);
    const QImage loaded = LoadScrambledBitmap(dir.path() + "118.bmp", "118.bmp");
    ASSERT_EQ(loaded.format(), QImage::Format_Indexed8);
    EXPECT_EQ(loaded.colorTable(), tile.colorTable());
    EXPECT_EQ(loaded, tile);

    QImage stored;
    ASSERT_TRUE(stored.loadFromData(file.data(), static_cast<int>(file.size()), "BMP"));
    EXPECT_NE(stored, tile) << "the pixels are stored scrambled";
    EXPECT_NE(LoadScrambledBitmap(dir.path() + "118.bmp", "mimi"), tile);
}

TEST(ScrambledBitmap, OtherFilesAreRefused) {
    DataDirectory dir;
    EXPECT_TRUE(LoadScrambledBitmap(dir.path() + "none.bmp", "none").isNull());

    QImage colour(16, 8, QImage::Format_RGB888);
    colour.fill(Qt::red);
    ASSERT_TRUE(colour.save(QString::fromStdString(dir.path() + "colour.bmp"), "BMP"));
    EXPECT_TRUE(LoadScrambledBitmap(dir.path() + "colour.bmp", "colo").isNull());

    std::vector<uint8_t> cut = WriteScrambledBitmap(palettised(64, 64), "cut.bmp");
    cut.resize(cut.size() / 2);
    dir.write("cut.bmp", cut);
    const QImage partial = LoadScrambledBitmap(dir.path() + "cut.bmp", "cut.bmp");
    EXPECT_TRUE(partial.isNull() || partial.size() == QSize(64, 64));

    EXPECT_TRUE(WriteScrambledBitmap(colour, "colo").empty());
}

class EditionPhotographs : public ::testing::Test {
  protected:
    EditionPhotographs() : source_(SimpleEdition(50, 2)) {
        source_.places[0].views[0].picCode = "1234";
        source_.places[0].views[0].photo = "photos/landscape.jpg";
        source_.places[0].views[1].picCode = "AB12";
        source_.places[0].views[1].portrait = true;
        source_.places[0].views[1].photo = "photos/upright.jpg";
        QDir().mkpath(QString::fromStdString(sourceDir_.path() + "photos"));
        landscape_ = EncodeJpeg(SyntheticPhotograph(kLandscapeWidth, kLandscapeHeight, 5), 80);
        sourceDir_.write("photos/landscape.jpg", landscape_);
        upright_ = EncodeJpeg(SyntheticPhotograph(kPortraitWidth, kPortraitHeight, 6), 80);
        sourceDir_.write("photos/upright.jpg", upright_);
    }

    bool write(std::string& error) {
        return WritePhotographs(Build(source_), sourceDir_.path(), outDir_.path(), error);
    }

    // Reads the view's file back as the program does.
    QImage readBack(const std::string& relative, const std::string& bareName, int width,
                    int height) {
        QImage bitmap(width, height, QImage::Format_RGB888);
        const std::atomic<bool> cancel{false};
        const int status = LoadPictureFile(
            PictureJob{outDir_.path() + relative, Keystream::seededFrom(bareName),
                       PixelRows{bitmap.bits(), bitmap.bytesPerLine(), width, height}},
            cancel);
        return status == kPictureLoaded ? bitmap : QImage();
    }

    EditionSource source_;
    DataDirectory sourceDir_;
    DataDirectory outDir_;
    std::vector<uint8_t> landscape_;
    std::vector<uint8_t> upright_;
};

TEST(EditionPhotograph, PhotoKeywordNamesTheFile) {
    EditionSource parsed;
    std::string error;
    ASSERT_TRUE(
        ParsePlacesText("place Ashcombe, Corvan\n at 10 50\n view Harbour\n"
                        "  photo photos/harbour.jpg\n",
                        parsed, error))
        << error;
    EXPECT_EQ(parsed.places[0].views[0].photo, "photos/harbour.jpg");
}

TEST_F(EditionPhotographs, WrittenScrambledAtThePicturePath) {
    std::string error;
    ASSERT_TRUE(write(error)) << error;
    EXPECT_EQ(PictureFileNameOfCode("1234"), "1\\12\\P034.JPG");
    QImage plain;
    ASSERT_TRUE(DecodeJpeg(landscape_, plain));
    EXPECT_EQ(readBack("1/12/P034.JPG", "P034.JPG", kLandscapeWidth, kLandscapeHeight), plain);
    ASSERT_TRUE(DecodeJpeg(upright_, plain));
    EXPECT_EQ(readBack("A/AB/P012.JPG", "P012.JPG", kPortraitWidth, kPortraitHeight), plain);

    std::vector<uint8_t> stored;
    ASSERT_TRUE(ReadFileBytes(outDir_.path() + "1/12/P034.JPG", stored));
    EXPECT_NE(stored, landscape_);
    EXPECT_EQ(stored.size(), landscape_.size());
}

TEST_F(EditionPhotographs, RefusesWhatTheProgramCouldNotShow) {
    std::string error;
    source_.places[0].views[0].photo = "photos/upright.jpg";  // a landscape view
    EXPECT_FALSE(write(error));
    EXPECT_NE(error.find("is 400 x 600, the view needs 768 x 512"), std::string::npos) << error;

    source_.places[0].views[0].photo = "photos/missing.jpg";
    EXPECT_FALSE(write(error));
    EXPECT_NE(error.find("cannot read photograph photos/missing.jpg"), std::string::npos) << error;

    sourceDir_.write("photos/text.jpg", std::string("not a photograph"));
    source_.places[0].views[0].photo = "photos/text.jpg";
    EXPECT_FALSE(write(error));
    EXPECT_NE(error.find("places.txt: line 1: photos/text.jpg is not a JPEG image"),
              std::string::npos)
        << error;
}

}  // namespace
