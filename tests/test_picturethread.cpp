// A picture made on a thread and handed over when taken.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/picturethread.h"

namespace {

QImage filled(QColor colour) {
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(PictureOnThread, HandsOverWhatTheThreadMadeOnce) {
    PictureOnThread job;
    EXPECT_FALSE(job.pending());
    EXPECT_TRUE(job.take().isNull()) << "nothing started";

    job.start([] { return filled(Qt::red); });
    EXPECT_TRUE(job.pending());
    const QImage made = job.take();
    EXPECT_EQ(made, filled(Qt::red));
    EXPECT_FALSE(job.pending());
    EXPECT_TRUE(job.take().isNull()) << "taken already";

    // Started again before the first was taken: the later job's picture is the one handed over.
    job.start([] { return filled(Qt::green); });
    job.start([] { return filled(Qt::blue); });
    EXPECT_EQ(job.take(), filled(Qt::blue));

    PictureOnThread dropped;  // never taken: joined when it goes
    dropped.start([] { return filled(Qt::gray); });
}

}  // namespace
