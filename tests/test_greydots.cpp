// The places greyed in found-set mode: those RowIndex leads to, compared with a scan of every
// place, for rectangles anywhere on the map and beyond its edges.
#include <gtest/gtest.h>

#include <random>

#include "content/datatables.h"
#include "content/foundset.h"
#include "screens/map/greydots.h"
#include "tests/support/queryfixture.h"

namespace {

std::vector<int> everyPlaceScan(const QRect& r) {
    std::vector<int> places;
    const ContentStore& c = Content();
    for (int p = 0; p < c.PlaceCount; ++p) {
        const PlaceRecord& place = c.place(p);
        if (place.y < r.top() - 3 || place.y > r.bottom() + 5) continue;
        if (place.x <= r.left() - 5 || place.x >= r.right() + 5) continue;
        if (IsInFoundSet(p) || (place.PlaceFlags2 & kPlaceOnLondonInset)) continue;
        places.push_back(p);
    }
    return places;
}

class GreyDotsTest : public QueryTest {
  protected:
    void SetUp() override {
        EditionSource source = SimpleEdition(400, 1, 5);
        source.londonBox = MapBox{2342, 3870, 2405, 3915};
        for (int i = 0; i < 6; ++i) {  // some places share rows, some are in London
            source.places[static_cast<size_t>(i)].y = 1000;
            source.places[static_cast<size_t>(i + 10)].x = 2350 + 8 * i;
            source.places[static_cast<size_t>(i + 10)].y = 3880 + 5 * i;
        }
        ASSERT_NO_FATAL_FAILURE(load(source));
        ASSERT_GT(SelectYears(1500, 1750), 0);
    }
};

TEST_F(GreyDotsTest, SameAsScanningEveryPlace) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> xs(-100, 3100);
    std::uniform_int_distribution<int> ys(-100, 4900);
    std::uniform_int_distribution<int> sizes(1, 900);
    size_t greyed = 0;
    for (int i = 0; i < 3000; ++i) {
        const QRect r(xs(random), ys(random), sizes(random), sizes(random));
        const std::vector<int> expected = everyPlaceScan(r);
        ASSERT_EQ(PlacesToGrey(r), expected)
            << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
        greyed += expected.size();
    }
    EXPECT_GT(greyed, 3000u);
}

TEST_F(GreyDotsTest, EdgesOfTheMapAndBeyond) {
    for (const QRect r : {QRect(0, 0, 3072, 4864), QRect(0, 995, 3072, 1), QRect(0, 0, 50, 50),
                          QRect(0, 4860, 3072, 300), QRect(0, 9000, 100, 100),
                          QRect(-500, -500, 100, 100), QRect(2342, 3870, 64, 46)}) {
        EXPECT_EQ(PlacesToGrey(r), everyPlaceScan(r)) << r.x() << "," << r.y();
    }
    // Neither London nor found places are ever greyed.
    for (int p : PlacesToGrey(QRect(0, 0, 3072, 4864))) {
        EXPECT_FALSE(IsInFoundSet(p));
        EXPECT_FALSE(Content().place(p).PlaceFlags2 & kPlaceOnLondonInset);
    }
}

}  // namespace
