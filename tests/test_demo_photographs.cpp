// The demo edition's photographs as the program meets them: one for every view, scrambled,
// decoding through the picture store at the size its view announces.
#include <gtest/gtest.h>

#include <QImage>

#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "tests/support/recordinghost.h"

namespace {

TEST(DemoPhotographs, EveryViewHasAPictureOfItsSize) {
    RecordingHost host;
    LoadContent(FERN_EDITION_DIR);
    ASSERT_TRUE(Content().loaded());
    SetPictureRoot(FERN_EDITION_DIR);
    QImage first;
    for (int v = 0; v < Content().ViewCount; ++v) {
        const QImage* picture = GetPicture(v);
        ASSERT_NE(picture, nullptr) << PictureFileName(v);
        const bool portrait = Content().view(v).isPortrait();
        EXPECT_EQ(picture->size(), portrait ? QSize(400, 600) : QSize(768, 512)) << v;
        if (v == 0) {
            first = picture->copy();
        } else if (v == 1) {
            EXPECT_NE(*picture, first);  // two views, two pictures
        }
    }
    EXPECT_TRUE(host.questions.empty());  // no file missing, none unreadable
    ReleasePictures();
    ReleaseContent();
}

}  // namespace
