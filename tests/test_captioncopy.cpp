// Copy Caption over the demo edition: heading, line feed and body, each whole however long.
#include <gtest/gtest.h>

#include <cstring>

#include "content/contentloader.h"
#include "content/datatables.h"
#include "screens/explore/explorecaption.h"
#include "tests/support/recordinghost.h"

namespace {

size_t boundedLength(const char* text, size_t limit) {
    const void* end = std::memchr(text, 0, limit);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - text) : limit;
}

TEST(CaptionCopy, TheLongestHeadingAndBodyOfTheDemoEditionComeWhole) {
    RecordingHost host;
    LoadContent(FERN_EDITION_DIR);
    ASSERT_TRUE(Content().loaded());
    int longestHeading = 0;
    int longestBody = 0;
    size_t headingLength = 0;
    size_t bodyLength = 0;
    for (int v = 0; v < Content().ViewCount; ++v) {
        const ViewRecord& view = Content().view(v);
        const size_t heading = boundedLength(view.Text, kViewTextSize);
        const size_t body =
            boundedLength(view.Text + view.CaptionStart, kViewTextSize - view.CaptionStart);
        if (heading > headingLength) headingLength = heading, longestHeading = v;
        if (body > bodyLength) bodyLength = body, longestBody = v;
    }
    for (int v : {longestHeading, longestBody}) {
        const ViewRecord& view = Content().view(v);
        const std::string heading(view.Text, boundedLength(view.Text, kViewTextSize));
        const char* body = view.Text + view.CaptionStart;
        const std::string expected =
            heading + "\n" +
            std::string(body, boundedLength(body, kViewTextSize - view.CaptionStart));
        EXPECT_EQ(CaptionCopyText(view).toStdString(), expected);
    }
    EXPECT_GT(headingLength + bodyLength, 0u);
    ReleaseContent();
}

}  // namespace
