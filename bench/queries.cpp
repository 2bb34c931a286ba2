// How much of the place table the nearest-place and compass scans look at. For each edition:
// the mean number of places examined per NearestPlace (random points over the map) and per
// compass query (every place, four directions), beside the number a full scan examines, and
// the time per query. Editions: the built one (whatever build/edition holds), a random one of
// the demo edition's size (159 places, 345 views) and a random one of 32000 places.
// The last line is "ratio <examined / full scan>" for NearestPlace on the 32000-place edition.
//
// The counts come from the scan templates the program runs (content/placescans.h), with a
// counter in place of the program's empty examine hook.

#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "content/compass.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/nearestplace.h"
#include "content/placescans.h"
#include "tools/mkedition/btabimage.h"
#include "tools/mkedition/tablebuilder.h"

namespace {

constexpr int kPoints = 200000;
constexpr Compass kDirections[] = {Compass::North, Compass::South, Compass::West, Compass::East};
constexpr Compass kWestEast[] = {Compass::West, Compass::East};
constexpr Compass kNorthSouth[] = {Compass::North, Compass::South};

struct Counter {
    long* count;
    void operator()() const { ++*count; }
};

// Places spread evenly over the map, names "Ab 17, Benchshire", views shared out so that the
// edition has `views` views in all.
EditionSource randomEdition(int places, int views, uint32_t seed) {
    EditionSource source;
    source.ident = "Benchmark edition";
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> xs(0, source.columnCount - 1);
    std::uniform_int_distribution<int> ys(40, 4839);
    for (int p = 0; p < places; ++p) {
        SourcePlace place;
        place.name =
            std::string{static_cast<char>('A' + p % 26), static_cast<char>('a' + p / 26 % 26)} +
            " " + std::to_string(p) + ", Benchshire";
        place.x = xs(random);
        place.y = ys(random);
        place.line = p + 1;
        const int count = views / places + (p < views % places ? 1 : 0);
        for (int v = 0; v < count; ++v) {
            SourceView view;
            view.title = "View " + std::to_string(v + 1);
            view.caption = "A view.";
            view.year = 1800;
            place.views.push_back(view);
        }
        source.places.push_back(place);
    }
    return source;
}

bool loadEdition(const EditionSource& source) {
    const BuildOutcome built = BuildTables(source);
    if (!built.ok) {
        std::fprintf(stderr, "cannot build the edition: %s\n", built.error.c_str());
        return false;
    }
    QTemporaryDir dir;
    const std::vector<uint8_t> bytes = WriteBTab(built.edition.image);
    std::ofstream(dir.path().toStdString() + "/BTab.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    LoadContent(dir.path().toStdString() + "/");
    return Content().loaded();
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct Figures {
    double examined;  // mean places examined per query
    double full;      // places a full scan examines
    double nanoseconds;
};

Figures nearestPlaceFigures(uint32_t seed) {
    const ContentStore& c = Content();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> xs(0, c.ColumnCount - 1);
    std::uniform_int_distribution<int> ys(40, 4839);
    std::vector<std::pair<int, int>> points(kPoints);
    for (auto& pt : points) pt = {xs(random), ys(random)};

    long examined = 0;
    for (const auto& [x, y] : points)
        placescan::NearestPlace(c, x, y, kAnyDistance, Counter{&examined});

    long sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const auto& [x, y] : points) sink += NearestPlace(x, y, kAnyDistance);
    const double elapsed = seconds(std::chrono::steady_clock::now() - start);
    if (sink == -1) std::puts("");  // keeps the timed loop
    return {static_cast<double>(examined) / kPoints, static_cast<double>(c.PlaceCount),
            elapsed * 1e9 / kPoints};
}

template <size_t n>
Figures compassFigures(const Compass (&directions)[n]) {
    const ContentStore& c = Content();
    long examined = 0;
    long queries = 0;
    for (int p = 0; p < c.PlaceCount; ++p) {
        for (Compass d : directions) {
            placescan::CompassNeighbour(c, d, p, false, Counter{&examined});
            ++queries;
        }
    }
    long sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int p = 0; p < c.PlaceCount; ++p) {
        for (Compass d : directions) {
            switch (d) {
                case Compass::North:
                    sink += PlaceToNorth(p, false);
                    break;
                case Compass::South:
                    sink += PlaceToSouth(p, false);
                    break;
                case Compass::West:
                    sink += PlaceToWest(p, false);
                    break;
                case Compass::East:
                    sink += PlaceToEast(p, false);
                    break;
            }
        }
    }
    const double elapsed = seconds(std::chrono::steady_clock::now() - start);
    if (sink == -1) std::puts("");
    return {static_cast<double>(examined) / static_cast<double>(queries),
            static_cast<double>(c.PlaceCount - 1), elapsed * 1e9 / static_cast<double>(queries)};
}

void printRow(const char* query, const Figures& f) {
    std::printf("  %-22s %10.1f %10.0f %10.4f %10.0f\n", query, f.examined, f.full,
                f.examined / f.full, f.nanoseconds);
}

// Prints the figures of the loaded edition; returns the NearestPlace ratio.
double report(const std::string& title) {
    const ContentStore& c = Content();
    std::printf("%s: %d places, %d views\n", title.c_str(), c.PlaceCount, c.ViewCount);
    std::printf("  %-22s %10s %10s %10s %10s\n", "query", "examined", "full scan", "ratio",
                "ns/query");
    const Figures nearest = nearestPlaceFigures(7);
    printRow("NearestPlace", nearest);
    printRow("PlaceTo (4 directions)", compassFigures(kDirections));
    printRow("  North and South", compassFigures(kNorthSouth));
    printRow("  West and East", compassFigures(kWestEast));
    return nearest.examined / nearest.full;
}

}  // namespace

int main() {
#ifdef FERN_EDITION_DIR
    if (std::ifstream(FERN_EDITION_DIR "/BTab.dat")) {
        LoadContent(FERN_EDITION_DIR "/");
        if (Content().loaded()) report("built edition (" FERN_EDITION_DIR ")");
        ReleaseContent();
    }
#endif
    if (!loadEdition(randomEdition(159, 345, 1))) return 1;
    report("random edition of the demo edition's size");
    ReleaseContent();
    if (!loadEdition(randomEdition(32000, 32000, 2))) return 1;
    const double ratio = report("random edition of 32000 places");
    ReleaseContent();
    std::printf("ratio %.4f\n", ratio);
    return 0;
}
