// Peak resident memory of the program on a private Xvfb display at 1024 x 768. The whole
// program runs as it does for the user and is driven by its own handlers: the title card is
// clicked, every page of the control screen shown, every place visited with each of its views,
// the map shown, and a slideshow of each kind run for a minute of its clock (--accel N divides
// the slideshow's intervals and the minute, default 4). Printed after each stage: resident
// memory, the part of it that is anonymous (heap, Qt's buffers) and the part mapped from files
// (code, fonts, data); the last line is "peak-mib <VmHWM>". The goal is at most 60. Xvfb has
// no sound device, so no music is played unless --sound is given: FluidSynth's file driver then
// stands in for a sound card, and the jingle and the slideshows' music really play.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/startupstate.h"
#include "bench/support/programtour.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "platform/fluidengine.h"
#include "screens/explore/explorestate.h"
#include "screens/home/minimapcanvas.h"
#include "screens/home/zmhome.h"
#include "screens/map/londonpictures.h"
#include "screens/map/zmmap.h"

namespace {

constexpr int kShowMinuteMs = 60000;

void report(const char* stage) {
    const double rss = ResidentMiB(), anonymous = AnonymousMiB();
    const struct mallinfo2 heap = mallinfo2();
    const double mib = 1024.0 * 1024.0;
    std::printf(
        "%-22s rss %5.1f MiB  anonymous %5.1f (malloc'd %5.1f, free in heap %5.1f)  files %5.1f  "
        "peak %5.1f\n",
        stage, rss, anonymous, (heap.uordblks + heap.hblkhd) / mib, heap.fordblks / mib,
        rss - anonymous, PeakResidentMiB());
    std::fflush(stdout);
}

double mib(qint64 bytes) { return bytes / (1024.0 * 1024.0); }

// What the program's own images hold, as far as it can say.
void reportImages(const ProgramTour& program) {
    auto* map = qobject_cast<TMapWin*>(Windows().MapWin.data());
    const MiniMapCanvas& mini = program.home->miniMapCanvas();
    qint64 pictures = 0;
    for (const QImage& buffer : Pictures().PictureBuffers) pictures += buffer.sizeInBytes();
    std::printf("  map tiles %.1f MiB (%d of 114), map canvas %.1f, London pictures %.1f\n",
                map ? mib(map->tiles().bytesHeld()) : 0.0, map ? map->tiles().loadedCount() : 0,
                map ? mib(map->canvas().sizeInBytes()) : 0.0,
                map ? mib(map->londonPictures().lonImage().sizeInBytes() +
                          map->londonPictures().miniLonImage2().sizeInBytes())
                    : 0.0);
    std::printf("  mini map canvas %.1f MiB, picture store %.1f MiB, sound font %s\n",
                mib(mini.image().sizeInBytes()), mib(pictures),
                FluidEngine::soundFontLoaded() ? "loaded" : "not loaded");
}

void tour(ProgramTour& program, int accel) {
    if (!program.findWindows()) {
        std::fprintf(stderr, "the program's windows were not made\n");
        Shutdown();
        return;
    }
    report("title");
    program.clickThroughTitle();
    report("control screen");
    program.showEveryPage();
    report("every page");
    const int views = program.visitEveryPlace();
    std::printf("places %d, views %d\n", Content().PlaceCount, views);
    report("every place and view");
    program.showMap();
    report("the map");
    reportImages(program);
    program.backToControlScreen();
    Explore().ShowInterval = 2000 / accel;
    for (int kind = 0; kind < ProgramTour::kShowKinds && !Startup().Quitting; ++kind) {
        program.runSlideshow(kind, kShowMinuteMs / accel);
        report(("slideshow " + std::to_string(kind + 1)).c_str());
    }
    reportImages(program);
    std::printf("peak-mib %.1f\n", PeakResidentMiB());
    std::fflush(stdout);
    Shutdown();
}

}  // namespace

int main(int argc, char** argv) {
    int accel = 4;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--accel") == 0) accel = std::max(1, std::atoi(argv[i + 1]));
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--sound") == 0) FluidEngine::setAudioDrivers({"file"});
    ProgramTour program;
    if (!program.ready()) {
        std::fprintf(stderr, "cannot start Xvfb or make a settings folder\n");
        return 1;
    }
    return program.run(argc, argv, [accel](ProgramTour& p) { tour(p, accel); });
}
