#include "tests/support/mapfixture.h"

#include <QRect>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/startupstate.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "tests/support/editions.h"
#include "tests/support/maptiles.h"
#include "tests/support/minimaps.h"

namespace {

constexpr int kFoundYear = 1200;

struct Suite {
    DataDirectory data;
    BuiltEdition built;
};

std::unique_ptr<Suite>& suite() {
    static std::unique_ptr<Suite> instance;
    return instance;
}

const QRect kEmptyArea(0, 40, 601, 661);  // the corner kept clear of places

EditionSource mapEdition() {
    EditionSource source = SimpleEdition(MapTest::kPlainPlaces, 2, 11);
    source.londonBox = MapBox{2342, 3870, 2405, 3915};
    for (SourcePlace& p : source.places) {
        // Keep the corner empty and central London to its own places; stay off the map's edge.
        if (kEmptyArea.contains(p.x, p.y)) p.x += 700;
        if (source.londonBox.contains(p.x, p.y)) p.y += 100;
        p.x = std::clamp(p.x, 20, source.columnCount - 20);
        p.y = std::clamp(p.y, 60, source.rowCount - 60);
    }
    const QPoint london[] = {{2352, 3880}, {2372, 3893}, {2396, 3906}};
    for (int i = 0; i < 3; ++i) {
        SourcePlace p = source.places[static_cast<size_t>(i)];
        p.name = std::string("London ") + static_cast<char>('A' + i) + "quarter, Testshire";
        p.x = london[i].x();
        p.y = london[i].y();
        p.line = MapTest::kPlainPlaces + i + 1;
        source.places.push_back(p);
    }
    for (size_t s = 0; s < source.places.size(); ++s) {
        if (!MapTest::inFoundSet(static_cast<int>(s))) continue;
        for (SourceView& v : source.places[s].views) v.year = kFoundYear;
    }
    return source;
}

}  // namespace

void MapTest::SetUpTestSuite() {
    suite() = std::make_unique<Suite>();
    Suite& s = *suite();
    s.built = Build(mapEdition());
    s.data.writeTable(s.built.image);
    WriteMiniMaps(s.data);
    std::vector<QPoint> dots;
    for (const PlaceRecord& p : s.built.image.places) dots.emplace_back(p.x, p.y);
    ASSERT_TRUE(WriteMapTiles(s.data.path(), dots));
}

void MapTest::TearDownTestSuite() { suite().reset(); }

const std::string& MapTest::dataDir() {
    static std::string path;
    path = suite()->data.path();
    return path;
}

void MapTest::SetUp() {
    ScreenTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    Startup().DataDir = dataDir();
    LoadContent(Startup().DataDir);
    ASSERT_TRUE(Content().loaded());
    ASSERT_EQ(Content().LondonPlaceCount, 3);
}

int MapTest::place(int source) const {
    return suite()->built.placeIndexOfSource[static_cast<size_t>(source)];
}

QPoint MapTest::position(int source) const {
    const PlaceRecord& p = Content().place(place(source));
    return QPoint(p.x, p.y);
}

bool MapTest::inFoundSet(int source) {
    return source == kLondonA || (source < kPlainPlaces && source % 4 == 0);
}

void MapTest::SelectFoundSet() const { ASSERT_GT(SelectYears(kFoundYear - 1, kFoundYear), 0); }
