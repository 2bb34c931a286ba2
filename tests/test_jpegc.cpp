// Decoding scrambled photographs: exact pixels, damaged files, and never a write outside the
// bitmap (the target is an exactly sized buffer, so AddressSanitizer sees any overrun).
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <random>

#include "content/photosource.h"
#include "content/pictures.h"
#include "content/zmopenthread.h"
#include "tests/support/editions.h"
#include "tests/support/photographs.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/photographs.h"

namespace {

const char kBareName[] = "P012.JPG";

struct ExactTarget {
    ExactTarget(int width, int height)
        : pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 0xEE),
          rows{pixels.data(), 3 * width, width, height} {}
    // The bytes as an image, for comparing with a plain decode.
    QImage image() const {
        return QImage(pixels.data(), rows.width, rows.height, rows.stride, QImage::Format_RGB888);
    }
    std::vector<uint8_t> pixels;
    PixelRows rows;
};

class JpegcTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        landscape_ = new std::vector<uint8_t>(
            EncodeJpeg(SyntheticPhotograph(kLandscapeWidth, kLandscapeHeight, 1), 85));
    }
    static void TearDownTestSuite() { delete landscape_; }

    // Writes bytes scrambled under the bare name, and decodes them into an exact target.
    int decodeScrambled(const std::vector<uint8_t>& plainBytes, ExactTarget& target,
                        bool cancelled = false) {
        dir_.write(kBareName, ScramblePhotograph(plainBytes, kBareName));
        const std::atomic<bool> cancel{cancelled};
        return LoadPictureFile(
            PictureJob{dir_.path() + kBareName, Keystream::seededFrom(kBareName), target.rows},
            cancel);
    }

    static QImage plainDecode(const std::vector<uint8_t>& jpeg) {
        QImage image;
        EXPECT_TRUE(DecodeJpeg(jpeg, image));
        return image;
    }

    static std::vector<uint8_t>* landscape_;
    DataDirectory dir_;
};

std::vector<uint8_t>* JpegcTest::landscape_ = nullptr;

TEST_F(JpegcTest, ScrambledPhotographDecodesToThePlainPixels) {
    ExactTarget target(kLandscapeWidth, kLandscapeHeight);
    ASSERT_EQ(decodeScrambled(*landscape_, target), kPictureLoaded);
    EXPECT_EQ(target.image(), plainDecode(*landscape_));

    const std::vector<uint8_t> portrait =
        EncodeJpeg(SyntheticPhotograph(kPortraitWidth, kPortraitHeight, 2), 90);
    ExactTarget upright(kPortraitWidth, kPortraitHeight);
    ASSERT_EQ(decodeScrambled(portrait, upright), kPictureLoaded);
    EXPECT_EQ(upright.image(), plainDecode(portrait));
}

// A large marker segment the decoder skips spans several blocks.
TEST_F(JpegcTest, SkippedSegmentsSpanningBlocksDecode) {
    std::vector<uint8_t> jpeg = *landscape_;
    const size_t length = 3 * kPhotoBlockSize * kPhotoBlocksPerRead / 2;
    std::vector<uint8_t> segment = {0xFF, 0xEF, 0xFF, 0xFF};  // APP15, largest length
    segment.resize(2 + 0xFFFF, 0x5A);
    std::vector<uint8_t> withSegments(jpeg.begin(), jpeg.begin() + 2);
    for (size_t added = 0; added < length; added += segment.size())
        withSegments.insert(withSegments.end(), segment.begin(), segment.end());
    withSegments.insert(withSegments.end(), jpeg.begin() + 2, jpeg.end());
    ExactTarget target(kLandscapeWidth, kLandscapeHeight);
    ASSERT_EQ(decodeScrambled(withSegments, target), kPictureLoaded);
    EXPECT_EQ(target.image(), plainDecode(*landscape_));
}

TEST_F(JpegcTest, FileCutShortStillEndsWithAnImage) {
    const QImage plain = plainDecode(*landscape_);
    for (size_t keep : {landscape_->size() / 2, landscape_->size() - 1, size_t{700}}) {
        ExactTarget target(kLandscapeWidth, kLandscapeHeight);
        const std::vector<uint8_t> cut(landscape_->begin(),
                                       landscape_->begin() + static_cast<std::ptrdiff_t>(keep));
        ASSERT_EQ(decodeScrambled(cut, target), kPictureLoaded) << keep;
        if (keep == landscape_->size() / 2) {
            // The rows before the cut are the photograph's own.
            EXPECT_EQ(target.image().copy(0, 0, kLandscapeWidth, 64),
                      plain.copy(0, 0, kLandscapeWidth, 64));
        }
    }
}

TEST_F(JpegcTest, EmptyMissingAndGarbageFilesGiveTheirStatus) {
    ExactTarget target(kLandscapeWidth, kLandscapeHeight);
    EXPECT_EQ(decodeScrambled({}, target), kPictureHeaderFailed);

    std::mt19937 random(4);
    std::vector<uint8_t> garbage(20000);
    for (uint8_t& b : garbage) b = static_cast<uint8_t>(random());
    EXPECT_EQ(decodeScrambled(garbage, target), kPictureHeaderFailed);

    const std::atomic<bool> cancel{false};
    EXPECT_EQ(LoadPictureFile(
                  PictureJob{dir_.path() + "P099.JPG", Keystream::seededFrom("P099"), target.rows},
                  cancel),
              kPictureNotOpened);
}

TEST_F(JpegcTest, ReadErrorIsAFailureNotAnEnd) {
    ExactTarget target(kLandscapeWidth, kLandscapeHeight);
    const std::atomic<bool> cancel{false};
    // A directory opens for reading on Linux, and every read of it fails.
    EXPECT_EQ(LoadPictureFile(PictureJob{dir_.path(), Keystream::seededFrom("P012"), target.rows},
                              cancel),
              kPictureHeaderFailed);
}

TEST_F(JpegcTest, PhotographOfAnotherSizeIsRefusedUntouched) {
    const std::vector<uint8_t> portrait =
        EncodeJpeg(SyntheticPhotograph(kPortraitWidth, kPortraitHeight, 3), 85);
    ExactTarget target(kLandscapeWidth, kLandscapeHeight);
    EXPECT_EQ(decodeScrambled(portrait, target), kPictureHeaderFailed);
    ExactTarget small(kPortraitWidth, kPortraitHeight);
    EXPECT_EQ(decodeScrambled(*landscape_, small), kPictureHeaderFailed);
    EXPECT_EQ(small.pixels, std::vector<uint8_t>(small.pixels.size(), 0xEE));
}

TEST_F(JpegcTest, CancelledBeforeStartWritesNothing) {
    ExactTarget target(kLandscapeWidth, kLandscapeHeight);
    decodeScrambled(*landscape_, target, true);
    EXPECT_EQ(target.pixels, std::vector<uint8_t>(target.pixels.size(), 0xEE));
}

// Damaged photographs of the right size: any status, but no crash, hang or overrun.
TEST_F(JpegcTest, CorruptedFilesEndCleanly) {
    std::mt19937 random(8);
    ExactTarget target(kLandscapeWidth, kLandscapeHeight);
    for (int i = 0; i < 60; ++i) {
        std::vector<uint8_t> damaged = *landscape_;
        const int hits = 1 + i % 8;
        for (int h = 0; h < hits; ++h) {
            // Mostly the headers, where damage is most varied.
            const size_t limit = h % 2 ? damaged.size() : std::min<size_t>(damaged.size(), 700);
            damaged[random() % limit] = static_cast<uint8_t>(random());
        }
        const int status = decodeScrambled(damaged, target);
        EXPECT_GE(status, kPictureLoaded);
        EXPECT_LE(status, kPictureFinishFailed);
    }
}

TEST(PictureWorkerPriority, LowestOnlyWhileTheSlideshowIsVisible) {
    EXPECT_EQ(PictureWorkerPriority(nullptr), WorkerPriority::Normal);
    EXPECT_EQ(PictureWorkerPriority([] { return false; }), WorkerPriority::Normal);
    EXPECT_EQ(PictureWorkerPriority([] { return true; }), WorkerPriority::Lowest);
}

}  // namespace
