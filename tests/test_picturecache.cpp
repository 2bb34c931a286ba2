// Pictures kept between starts: read back when whole, made and written again when missing,
// damaged, of another size or key; a picture that could not be made is not kept.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/picturecache.h"

namespace {

class PictureCacheTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        qputenv("XDG_CACHE_HOME", folder.path().toUtf8());
    }
    void TearDown() override { qunsetenv("XDG_CACHE_HOME"); }

    // A picture with something in every row, counting how often it is made.
    QImage make(QSize of) {
        ++made;
        QImage image(of, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < of.height(); ++y)
            for (int x = 0; x < of.width(); ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, 90));
        return image;
    }
    std::function<QImage()> maker(QSize of) {
        return [this, of] { return make(of); };
    }
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void overwrite(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList files() const {
        return QDir(folder.path() + QStringLiteral("/vantora-fernvales")).entryList(QDir::Files);
    }

    QTemporaryDir folder;
    const QSize size{362, 201};
    int made = 0;
};

TEST_F(PictureCacheTest, MakesOnceThenReadsBack) {
    const PictureCache cache(QStringLiteral("logo"), size, QString());
    ASSERT_TRUE(cache.filePath().startsWith(folder.path()));
    const QImage expected = make(size).convertToFormat(QImage::Format_RGB32);
    made = 0;
    EXPECT_EQ(cache.picture(maker(size)), expected);
    EXPECT_EQ(made, 1);
    const QImage read = cache.picture(maker(size));
    EXPECT_EQ(made, 1) << "read back, not made";
    EXPECT_EQ(read, expected);
    EXPECT_EQ(read.format(), QImage::Format_RGB32);

    // What is read back is the file: its last pixel changed comes back changed.
    QByteArray bytes = readAll(cache.filePath());
    bytes[bytes.size() - 2] = char(bytes[bytes.size() - 2] ^ 0xff);
    overwrite(cache.filePath(), bytes);
    const QImage changed = cache.picture(maker(size));
    EXPECT_NE(changed.pixel(size.width() - 1, size.height() - 1),
              expected.pixel(size.width() - 1, size.height() - 1));
    EXPECT_EQ(changed.pixel(0, 0), expected.pixel(0, 0));
}

TEST_F(PictureCacheTest, DamagedFilesAreMadeAndWrittenAgain) {
    const PictureCache cache(QStringLiteral("logo"), size, QString());
    const QImage expected = cache.picture(maker(size));
    const QByteArray whole = readAll(cache.filePath());
    QByteArray magic = whole;
    magic.replace(0, 4, "XXXX");
    QByteArray otherSize = whole;
    otherSize[8] = char(otherSize[8] + 1);  // the width
    for (const QByteArray& damaged : {whole.left(whole.size() / 2), whole + "x",
                                      QByteArray(4096, 'x'), QByteArray(), magic, otherSize}) {
        made = 0;
        overwrite(cache.filePath(), damaged);
        EXPECT_EQ(cache.picture(maker(size)), expected) << damaged.size();
        EXPECT_EQ(made, 1);
        EXPECT_EQ(readAll(cache.filePath()), whole) << "written again";
    }
}

TEST_F(PictureCacheTest, OnlyAPlainFileIsOpened) {
    const PictureCache cache(QStringLiteral("logo"), size, QString());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(cache.filePath()).path()));
    // A pipe in the file's place would keep the reading waiting for a writer that never comes.
    ASSERT_EQ(::mkfifo(QFile::encodeName(cache.filePath()).constData(), 0600), 0);
    EXPECT_EQ(cache.picture(maker(size)).size(), size);
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(QFileInfo(cache.filePath()).isFile()) << "written again in its place";
}

TEST_F(PictureCacheTest, AnotherSizeOrKeyReplacesTheFileBefore) {
    const PictureCache first(QStringLiteral("map"), size, QStringLiteral("one"));
    first.picture(maker(size));
    const PictureCache otherKey(QStringLiteral("map"), size, QStringLiteral("two"));
    ASSERT_NE(otherKey.filePath(), first.filePath());
    made = 0;
    otherKey.picture(maker(size));
    EXPECT_EQ(made, 1);
    EXPECT_EQ(files(), QStringList{QFileInfo(otherKey.filePath()).fileName()});

    const PictureCache otherSize(QStringLiteral("map"), QSize(463, 257), QStringLiteral("two"));
    EXPECT_EQ(otherSize.picture(maker(QSize(463, 257))).size(), QSize(463, 257));
    EXPECT_EQ(files(), QStringList{QFileInfo(otherSize.filePath()).fileName()});

    // Another name's files are left alone.
    const PictureCache logo(QStringLiteral("logo"), size, QString());
    logo.picture(maker(size));
    EXPECT_EQ(files().size(), 2);
}

TEST_F(PictureCacheTest, WhatCouldNotBeMadeIsNotKept) {
    const PictureCache cache(QStringLiteral("map"), size, QString());
    EXPECT_TRUE(cache.picture([] { return QImage(); }).isNull());
    EXPECT_EQ(cache.picture(maker(QSize(40, 20))).size(), QSize(40, 20));
    EXPECT_FALSE(QFile::exists(cache.filePath()));
    EXPECT_EQ(cache.picture(maker(size)).size(), size);
    EXPECT_TRUE(QFile::exists(cache.filePath()));
}

TEST_F(PictureCacheTest, WithNowhereToWriteItTheMakerIsAskedEachTime) {
    qputenv("XDG_CACHE_HOME", "/proc/no-such-folder");
    const PictureCache cache(QStringLiteral("logo"), size, QString());
    cache.picture(maker(size));
    cache.picture(maker(size));
    EXPECT_EQ(made, 2);
}

}  // namespace
