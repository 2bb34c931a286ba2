// The detailed map window at 800 x 600 and 1024 x 768, with the demo edition's table and tiles
// painted plain with its place dots: the time to paint the whole client area from loaded tiles,
// the time to scroll by a quarter of the view (the canvas moves, the strip it uncovers is
// painted), the found-set greying, and the memory the loaded tiles hold in normal and low-memory
// mode. The last line is "tile-memory-mb <MB held by all loaded tiles>" (MB = 1,000,000 bytes).

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/shellhost.h"
#include "app/startupstate.h"
#include "bench/timing.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "screens/explore/explorestate.h"
#include "screens/map/zmmap.h"
#include "tests/support/maptiles.h"

namespace {

constexpr int kRounds = 200;
constexpr double kMegabyte = 1e6;

double megabytes(int64_t bytes) { return static_cast<double>(bytes) / kMegabyte; }

std::unique_ptr<TMapWin> openMap(QSize screen, bool lowMemory) {
    Startup().ScreenWidth = screen.width();
    Startup().ScreenHeight = screen.height();
    Startup().LowMemory = lowMemory;
    auto map = std::make_unique<TMapWin>();
    map->InitMapWindow();
    return map;
}

// Full paints at every place of the edition in turn.
double fullPaintMs(TMapWin& map) {
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        map.MoveMapToPlace(i % Content().PlaceCount);
        const QRect client(QPoint(0, 0), map.clientSize());
        times.push_back(milliseconds([&] { map.FormPaint(client); }));
    }
    return median(times);
}

// A quarter of the view right and back, down and back, from the middle of the map.
double quarterScrollMs(TMapWin& map) {
    map.HorzScrollBar->setValue(1024);
    map.VertScrollBar->setValue(2048);
    const int dh = map.clientSize().width() / 4;
    const int dv = map.clientSize().height() / 4;
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        const int sign = i % 2 == 0 ? 1 : -1;
        times.push_back(milliseconds([&] {
            if (i % 4 < 2)
                map.HorzScrollBar->setValue(map.H() + sign * dh);
            else
                map.VertScrollBar->setValue(map.V() + sign * dv);
        }));
    }
    return median(times);
}

// The most the tiles hold while the view visits every place.
int64_t mostHeldWhileMoving(TMapWin& map) {
    int64_t most = map.tiles().bytesHeld();
    for (int p = 0; p < Content().PlaceCount; ++p) {
        map.MoveMapToPlace(p);
        most = std::max(most, map.tiles().bytesHeld());
    }
    return most;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ShellHost host;
    SetContentHost(&host);

    QTemporaryDir dir;
    const std::string root = dir.path().toStdString() + "/";
    if (!QFile::copy(QStringLiteral(FERN_EDITION_DIR "/BTab.dat"),
                     dir.filePath(QStringLiteral("BTab.dat")))) {
        std::fprintf(stderr, "no demo edition table in %s\n", FERN_EDITION_DIR);
        return 1;
    }
    LoadContent(root);
    if (!Content().loaded()) return 1;
    std::vector<QPoint> dots;
    for (int p = 0; p < Content().PlaceCount; ++p)
        dots.emplace_back(Content().place(p).x, Content().place(p).y);
    if (!WriteMapTiles(root, dots)) return 1;
    Startup().DataDir = root;

    std::printf("edition: %d places; %d rounds each\n", Content().PlaceCount, kRounds);
    int64_t allTiles = 0;
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
        Explore().ExploreInSet = false;
        double startMs = 0;
        std::unique_ptr<TMapWin> map;
        startMs = milliseconds([&] { map = openMap(screen, false); });
        if (Startup().Quitting || map->tiles().loadedCount() != 114) return 1;
        allTiles = map->tiles().bytesHeld();
        const QSize client = map->clientSize();
        std::printf("%d x %d (client %d x %d): set-up with all tiles %.1f ms\n", screen.width(),
                    screen.height(), client.width(), client.height(), startMs);
        std::printf("  paint the whole client area: median %.3f ms\n", fullPaintMs(*map));
        std::printf("  scroll a quarter view: median %.3f ms\n", quarterScrollMs(*map));
        SelectYears(1700, 1800);
        Explore().ExploreInSet = true;
        std::printf("  paint in found-set mode (%d places greyable): median %.3f ms\n",
                    Content().PlaceCount, fullPaintMs(*map));
        Explore().ExploreInSet = false;
        map.reset();

        std::unique_ptr<TMapWin> small = openMap(screen, true);
        const int64_t atStart = small->tiles().bytesHeld();
        const int64_t most = mostHeldWhileMoving(*small);
        std::printf("  low-memory mode: tiles %.2f MB at start, at most %.2f MB while moving\n",
                    megabytes(atStart), megabytes(most));
        std::printf(
            "  low-memory scroll a quarter view (tiles loaded as they come): median %.3f ms\n",
            quarterScrollMs(*small));
    }
    std::printf("normal mode: all 114 tiles %.2f MB (8 bits a pixel)\n", megabytes(allTiles));
    std::printf("tile-memory-mb %.2f\n", megabytes(allTiles));
    SetContentHost(nullptr);
    return 0;
}
