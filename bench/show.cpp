// The slideshow window over the demo edition: a show of every kind runs once round its list at
// 2 s per image on an accelerated clock (--accel N divides every interval, default 8), with
// the picture worker at the priority the show gives it. Counted: the picture requests that
// found their picture still being opened and had to try again 200 ms later. The last line is
// "waits <n>"; the goal is 0.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/screenset.h"
#include "app/shellhost.h"
#include "app/startupstate.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/pictures.h"
#include "content/showlist.h"
#include "edition/editiontour.h"
#include "platform/midiplayer.h"
#include "screens/explore/explorestate.h"
#include "screens/show/showstate.h"
#include "screens/show/zmshow.h"

namespace {

constexpr int kRealInterval = 2000;
constexpr int kRetryMs = 200;
const char* const kKindNames[] = {"Beautiful Verdanis", "Round-Coast Trip", "Everywhere",
                                  "found set"};

struct Counts {
    int places = 0;
    int views = 0;
    int waits = 0;
};

// One show round its whole list, from its first place; a request that had to try again left its
// timer running with the retry interval.
Counts runShow(TZMShowWin& show, int kind) {
    BuildShowList(kind);
    const int places = Content().ShowCount;
    ShowWindowState().ShowPlace = Content().ShowHead;
    Counts counts;
    QEventLoop loop;
    auto retried = [&](QTimer* timer) {
        if (timer->isActive() && timer->interval() == kRetryMs) ++counts.waits;
    };
    const auto first = QObject::connect(show.FirstPicTimer, &QTimer::timeout, [&] {
        retried(show.FirstPicTimer);
        if (!show.FirstPicTimer->isActive()) ++counts.views;
    });
    const auto next = QObject::connect(show.NextPicTimer, &QTimer::timeout, [&] {
        retried(show.NextPicTimer);
        if (!show.NextPicTimer->isActive() || show.NextPicTimer->interval() != kRetryMs)
            ++counts.views;
    });
    const auto moved = QObject::connect(show.NewMapPlaceTimer, &QTimer::timeout, [&] {
        if (++counts.places >= places) loop.quit();
    });
    show.show();
    loop.exec();
    show.hide();
    for (const auto& connection : {first, next, moved}) QObject::disconnect(connection);
    counts.places = places;
    return counts;
}

}  // namespace

int main(int argc, char** argv) {
    int accel = 8;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--accel") == 0) accel = std::max(1, std::atoi(argv[i + 1]));
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ShellHost host;
    SetContentHost(&host);
    MidiPlayer::setAudioAllowed(false);
    const std::string root = FERN_EDITION_DIR "/";
    Startup().DataDir = root;
    Startup().ScreenWidth = 1024;
    Startup().ScreenHeight = 768;
    LoadContent(root);
    if (!Content().loaded()) {
        std::fprintf(stderr, "cannot load the demo edition from %s\n", root.c_str());
        return 1;
    }
    Content().Tour = EditionTourTable();
    SetPictureRoot(root);
    SetSlideshowVisibleQuery(SlideshowVisible);
    Explore().ShowInterval = kRealInterval / accel;
    // A view time equal to the retry time would hide the retries from the count.
    if (Explore().ShowInterval == kRetryMs) --Explore().ShowInterval;
    ShowWindowState().Options.MusicOn = false;

    QWidget area;
    area.resize(1024, 768);
    area.show();
    TZMShowWin show(&area);
    if (Startup().Quitting) return 1;

    std::printf("interval %d ms (2 s / %d)\n", Explore().ShowInterval, accel);
    int waits = 0;
    QElapsedTimer clock;
    clock.start();
    for (int kind = kShowStandard; kind <= kShowFoundSet; ++kind) {
        if (kind == kShowFoundSet && SelectYears(1500, 1900) <= 0) continue;
        const Counts counts = runShow(show, kind);
        std::printf("%-20s places %4d  views %4d  waits %d\n", kKindNames[kind], counts.places,
                    counts.views, counts.waits);
        waits += counts.waits;
    }
    std::printf("run %.1f s\n", clock.elapsed() / 1000.0);
    ReleasePictures();
    SetContentHost(nullptr);
    std::printf("waits %d\n", waits);
    return 0;
}
