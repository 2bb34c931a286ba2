// The title's logo kept between starts: read back when whole, painted and written again when
// missing, damaged or of another size.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/fontsetup.h"
#include "screens/common/shellart.h"
#include "screens/title/logocache.h"

namespace {

class LogoCacheTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        qputenv("XDG_CACHE_HOME", folder.path().toUtf8());
        InstallFontSubstitutions();
    }
    void TearDown() override { qunsetenv("XDG_CACHE_HOME"); }

    static void overwrite(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    const QSize size{362, 201};
};

TEST_F(LogoCacheTest, PaintsOnceThenReadsBack) {
    const LogoCache cache(size);
    ASSERT_TRUE(cache.filePath().startsWith(folder.path()));
    const QImage painted = PaintLogo(size);
    EXPECT_EQ(cache.logo(), painted);
    ASSERT_TRUE(QFile::exists(cache.filePath()));

    // What is read back is the file: a picture put in its place comes back.
    QImage stand(size, QImage::Format_RGB32);
    stand.fill(Qt::darkCyan);
    ASSERT_TRUE(stand.save(cache.filePath(), "png"));
    EXPECT_EQ(cache.logo(), stand);
}

TEST_F(LogoCacheTest, DamagedOrMisfitFilesArePaintedAgain) {
    const LogoCache cache(size);
    const QImage painted = PaintLogo(size);
    ASSERT_EQ(cache.logo(), painted);

    QFile file(cache.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    overwrite(cache.filePath(), whole.left(whole.size() / 2));  // cut short
    EXPECT_EQ(cache.logo(), painted);
    overwrite(cache.filePath(), QByteArray(4096, 'x'));  // not a picture
    EXPECT_EQ(cache.logo(), painted);
    QImage(QSize(40, 20), QImage::Format_RGB32).save(cache.filePath(), "png");  // another size
    EXPECT_EQ(cache.logo(), painted);
    EXPECT_EQ(QImage(cache.filePath()).size(), size) << "written again";
}

TEST_F(LogoCacheTest, AnotherSizeReplacesTheFileBefore) {
    const LogoCache first(size);
    first.logo();
    const LogoCache second(QSize(463, 257));
    EXPECT_EQ(second.logo().size(), QSize(463, 257));
    EXPECT_FALSE(QFile::exists(first.filePath()));
    EXPECT_TRUE(QFile::exists(second.filePath()));
}

}  // namespace
