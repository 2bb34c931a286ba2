// The built demo edition and the tour table generated with it agree: the coast tour selects
// every stop, so applying the tour order reports no mis-match and closes one ring.
#include <gtest/gtest.h>

#include "content/compass.h"
#include "content/contentloader.h"
#include "content/foundset.h"
#include "edition/editiontour.h"
#include "tests/support/queryfixture.h"

namespace {

constexpr uint32_t kCoastTopic = 0x40;  // TopicMaskA of the Tour page's "Coast" panel

class EditionTourTest : public QueryTest {};

TEST_F(EditionTourTest, CoastTourMatchesTheBuiltEdition) {
    LoadContent(std::string(FERN_EDITION_DIR) + "/");
    ASSERT_TRUE(host.errors.empty()) << host.errors.front();
    ASSERT_TRUE(Content().loaded());
    Content().Tour = EditionTourTable();
    const TourTable& tour = Content().Tour;
    ASSERT_GT(tour.count, 0);
    ASSERT_LE(tour.count, kTourCapacity);
    EXPECT_EQ(tour.places[0], 0);

    ASSERT_GE(SelectTopics(kCoastTopic, 0), tour.count);
    ApplyTourOrder();
    EXPECT_TRUE(host.errors.empty()) << host.errors.front();
    EXPECT_TRUE(Content().TourOrderActive);

    // Clockwise from the first stop visits every stop in table order and comes back.
    int place = tour.places[0];
    for (int i = 1; i <= tour.count; ++i) {
        place = NextTourPlace(place);
        ASSERT_EQ(place, tour.places[i % tour.count]) << "stop " << i;
    }
    for (int i = tour.count - 1; i >= 0; --i) {
        place = PreviousTourPlace(place);
        ASSERT_EQ(place, tour.places[i]) << "stop " << i;
    }
}

}  // namespace
