// The picture store: two buffers, decodes counted, cancelling, and the Retry/Cancel question.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <chrono>
#include <csignal>
#include <thread>

#include "content/datatables.h"
#include "content/picturepaths.h"
#include "content/pictures.h"
#include "tests/support/editions.h"
#include "tests/support/photographs.h"
#include "tests/support/recordinghost.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/photographs.h"

namespace {

using namespace std::chrono_literals;

constexpr int kPhotographed = 4;  // views 0..3 have photographs; view 1 is portrait

// Polls an atomic condition the test cannot be told about; fails the test after 10 s.
template <typename Condition>
bool eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// A picture file that is a named pipe: the worker blocks reading it until `until` holds, so a
// load is certainly still running when the test acts on it.
class BlockedPicture {
  public:
    BlockedPicture(const std::string& path, std::vector<uint8_t> bytes, std::function<bool()> until)
        : path_(path) {
        EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
        // A cancelled reader may close its end before the bytes are written.
        std::signal(SIGPIPE, SIG_IGN);
        writer_ = std::thread([this, bytes = std::move(bytes), until = std::move(until)] {
            int fd = -1;
            eventually([&] { return (fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK)) >= 0; });
            if (fd < 0) return;
            eventually(until);
            fcntl(fd, F_SETFL, 0);
            [[maybe_unused]] const ssize_t written = write(fd, bytes.data(), bytes.size());
            close(fd);
        });
    }
    ~BlockedPicture() {
        writer_.join();
        unlink(path_.c_str());
    }

  private:
    std::string path_;
    std::thread writer_;
};

class PictureStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EditionSource source = SimpleEdition(50, 2);
        QDir().mkpath(QString::fromStdString(sourceDir_.path() + "photos"));
        for (int p = 0; p < kPhotographed / 2; ++p) {
            for (int v = 0; v < 2; ++v) {
                const int n = 2 * p + v;
                const bool portrait = n == 1;
                const std::string file = "photos/" + std::to_string(n) + ".jpg";
                plain_.push_back(EncodeJpeg(
                    SyntheticPhotograph(portrait ? kPortraitWidth : kLandscapeWidth,
                                        portrait ? kPortraitHeight : kLandscapeHeight, n),
                    80));
                sourceDir_.write(file, plain_.back());
                source.places[static_cast<size_t>(p)].views[static_cast<size_t>(v)].photo = file;
                source.places[static_cast<size_t>(p)].views[static_cast<size_t>(v)].portrait =
                    portrait;
            }
        }
        const BuiltEdition built = Build(source);
        std::string error;
        ASSERT_TRUE(WritePhotographs(built, sourceDir_.path(), dataDir_.path(), error)) << error;
        for (const ViewPhoto& photo : built.photos) viewOfPhoto_.push_back(photo.view);
        ASSERT_TRUE(LoadImage(built.image));
        SetContentHost(&host_);  // LoadImage used a host of its own
        SetPictureRoot(dataDir_.path());
    }

    void TearDown() override {
        ReleasePictures();
        ReleaseContent();
        SetSlideshowVisibleQuery(nullptr);
    }

    int view(int photographed) const { return viewOfPhoto_[static_cast<size_t>(photographed)]; }

    std::string pathOf(int photographed) const {
        return NativePicturePath(dataDir_.path(), PictureFileName(view(photographed)));
    }

    std::vector<uint8_t> scrambled(int photographed) const {
        return ScramblePhotograph(plain_[static_cast<size_t>(photographed)],
                                  BarePictureName(PictureFileName(view(photographed))));
    }

    void writeFile(int photographed, const std::vector<uint8_t>& bytes) const {
        std::remove(pathOf(photographed).c_str());
        FILE* file = std::fopen(pathOf(photographed).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    QImage expected(int photographed) const {
        QImage image;
        EXPECT_TRUE(DecodeJpeg(plain_[static_cast<size_t>(photographed)], image));
        return image;
    }

    static int decodes() { return Pictures().WorkersStarted; }

    RecordingHost host_;
    DataDirectory sourceDir_;
    DataDirectory dataDir_;
    std::vector<std::vector<uint8_t>> plain_;
    std::vector<int> viewOfPhoto_;
};

TEST_F(PictureStoreTest, ViewsAlreadyInABufferStartNoDecode) {
    const int before = decodes();
    const QImage* first = GetPicture(view(0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(*first, expected(0));
    EXPECT_EQ(first->format(), QImage::Format_RGB888);
    EXPECT_EQ(decodes(), before + 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is restored";

    StartPictureLoad(view(2));
    EXPECT_EQ(decodes(), before + 2);
    EXPECT_EQ(GetPicture(view(0)), first);  // displayed: no decode
    StartPictureLoad(view(2));              // preloaded: no decode
    EXPECT_EQ(decodes(), before + 2);

    const QImage* second = GetPicture(view(2));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(*second, expected(2));
    StartPictureLoad(view(0));  // still in the other buffer
    EXPECT_EQ(decodes(), before + 2);
    EXPECT_EQ(Pictures().DisplayedBuffer, 1);

    // The next load goes into the buffer not displayed.
    const QImage* upright = GetPicture(view(1));
    ASSERT_NE(upright, nullptr);
    EXPECT_EQ(upright, first);
    EXPECT_EQ(upright->size(), QSize(kPortraitWidth, kPortraitHeight));
    EXPECT_EQ(*upright, expected(1));
    EXPECT_EQ(decodes(), before + 3);
    EXPECT_TRUE(host_.questions.empty());
}

TEST_F(PictureStoreTest, CancelledPreloadLeavesItsSlotEmptyAndDecodesAgain) {
    ASSERT_NE(GetPicture(view(0)), nullptr);
    PictureState& s = Pictures();
    {
        std::remove(pathOf(2).c_str());
        BlockedPicture blocked(pathOf(2), scrambled(2), [&s] { return s.CancelLoad.load(); });
        StartPictureLoad(view(2));
        EXPECT_EQ(s.LoadingView.load(), view(2));
        CancelPictureLoad(false);
        CancelPictureLoad(false);  // must not empty the displayed buffer's slot
        CancelPictureLoad(true);
        EXPECT_EQ(s.LoadingView.load(), -1);
        EXPECT_EQ(s.BufferViews[0], view(0));
        EXPECT_EQ(s.BufferViews[1], -1);
    }
    writeFile(2, scrambled(2));
    const int before = decodes();
    const QImage* picture = GetPicture(view(2));
    EXPECT_EQ(decodes(), before + 1);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(*picture, expected(2));
    EXPECT_EQ(*GetPicture(view(0)), expected(0));
    EXPECT_TRUE(host_.questions.empty());
}

// Callers should cancel first; one that does not still gets a single worker on the bitmaps.
TEST_F(PictureStoreTest, StartingAnotherViewAbandonsTheRunningLoad) {
    StartPictureLoad(view(0));
    StartPictureLoad(view(2));
    StartPictureLoad(view(3));
    const QImage* picture = GetPicture(view(3));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(*picture, expected(3));
    EXPECT_EQ(*GetPicture(view(0)), expected(0));
    EXPECT_TRUE(host_.questions.empty());
}

TEST_F(PictureStoreTest, MissingFileAsksAndRetryShowsThePicture) {
    std::remove(pathOf(3).c_str());
    StartPictureLoad(view(3));
    ASSERT_TRUE(eventually([] { return Pictures().LoadStatus.load() != kPictureLoaded; }));
    writeFile(3, scrambled(3));
    host_.cancelAnswers = {false};  // Retry
    Qt::CursorShape whileWaiting = Qt::ArrowCursor;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&whileWaiting] {
            if (const QCursor* cursor = QGuiApplication::overrideCursor())
                whileWaiting = cursor->shape();
        },
        Qt::QueuedConnection);

    const QImage* picture = GetPicture(view(3));
    ASSERT_EQ(host_.questions, std::vector<std::string>{kFileNotFoundQuestion});
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(*picture, expected(3));
    EXPECT_EQ(whileWaiting, Qt::WaitCursor);
    EXPECT_EQ(host_.shutdowns, 0);
}

TEST_F(PictureStoreTest, CancelShutsDown) {
    std::remove(pathOf(2).c_str());
    host_.cancelAnswers = {true};
    EXPECT_EQ(GetPicture(view(2)), nullptr);
    EXPECT_EQ(host_.questions, std::vector<std::string>{kFileNotFoundQuestion});
    EXPECT_EQ(host_.shutdowns, 1);
    EXPECT_EQ(host_.exitCodes, std::vector<int>{0});
    EXPECT_EQ(Pictures().LoadingView.load(), -1);
    EXPECT_NE(Pictures().BufferViews[0], view(2));
    EXPECT_NE(Pictures().BufferViews[1], view(2));
}

// The question is modal, but handlers still run under it: one may move the store on to
// another view before the user answers.
TEST_F(PictureStoreTest, CancelShutsDownEvenWhenTheLoadMovedOnDuringTheQuestion) {
    std::remove(pathOf(2).c_str());
    StartPictureLoad(view(2));
    host_.whileAsking = [this] {
        CancelPictureLoad(true);
        StartPictureLoad(view(0));
    };
    host_.cancelAnswers = {true};
    ASSERT_TRUE(eventually([this] {
        QCoreApplication::processEvents();
        return !host_.questions.empty();
    }));
    EXPECT_EQ(host_.questions, std::vector<std::string>{kFileNotFoundQuestion});
    EXPECT_EQ(host_.shutdowns, 1);
}

TEST_F(PictureStoreTest, ViewsOutsideTheViewTableAreRefused) {
    const int before = decodes();
    for (const int bad : {-1, -2, Content().ViewCount, Content().ViewCount + 1000}) {
        StartPictureLoad(bad);
        EXPECT_EQ(GetPicture(bad), nullptr) << bad;
    }
    EXPECT_EQ(decodes(), before);
    EXPECT_EQ(Pictures().LoadingView.load(), -1);
    EXPECT_EQ(Pictures().BufferViews[0], -1);
    EXPECT_EQ(Pictures().BufferViews[1], -1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(host_.exitCodes.empty());

    // A refused view leaves the store as it was.
    const QImage* picture = GetPicture(view(0));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(GetPicture(-1), nullptr);
    EXPECT_EQ(GetPicture(view(0)), picture);
    EXPECT_EQ(decodes(), before + 1);
}

TEST_F(PictureStoreTest, UnreadableFilesAskToReplaceTheCd) {
    writeFile(0, ScramblePhotograph(std::vector<uint8_t>(5000, 0x42), "P0"));
    writeFile(2, scrambled(1));  // a portrait photograph for a landscape view
    for (int photographed : {0, 2}) {
        host_.questions.clear();
        host_.cancelAnswers = {false, true};  // Retry, then Cancel
        EXPECT_EQ(GetPicture(view(photographed)), nullptr);
        EXPECT_EQ(host_.questions, std::vector<std::string>(2, kFileNotReadQuestion));
        host_.isQuitting = false;
    }
}

TEST_F(PictureStoreTest, FileCutShortStillShowsAPicture) {
    std::vector<uint8_t> cut = scrambled(0);
    cut.resize(cut.size() / 2);
    writeFile(0, cut);
    const QImage* picture = GetPicture(view(0));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->copy(0, 0, kLandscapeWidth, 32),
              expected(0).copy(0, 0, kLandscapeWidth, 32));
    EXPECT_TRUE(host_.questions.empty());
}

TEST_F(PictureStoreTest, ReleaseFreesTheBitmapsAndLoadingStartsAfresh) {
    ASSERT_NE(GetPicture(view(0)), nullptr);
    StartPictureLoad(view(2));
    ReleasePictures();
    const PictureState& s = Pictures();
    EXPECT_TRUE(s.PictureBuffers[0].isNull());
    EXPECT_TRUE(s.PictureBuffers[1].isNull());
    EXPECT_EQ(s.BufferViews[0], -1);
    EXPECT_EQ(s.BufferViews[1], -1);
    EXPECT_EQ(s.LoadingView.load(), -1);
    const int before = decodes();
    ASSERT_NE(GetPicture(view(0)), nullptr);
    EXPECT_EQ(decodes(), before + 1);
}

TEST_F(PictureStoreTest, WorkerRunsWhileTheSlideshowQueryIsAsked) {
    int asked = 0;
    SetSlideshowVisibleQuery([&asked] {
        ++asked;
        return true;
    });
    const QImage* picture = GetPicture(view(0));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(*picture, expected(0));
    EXPECT_EQ(asked, 1);
}

}  // namespace
