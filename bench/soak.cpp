// The endurance run behind scripts/soak: the whole program on a private Xvfb display, driven by
// its handlers round and round (a slideshow of each kind, a walk through every place and view,
// searches) for the given minutes. Resident memory is sampled every minute and printed as it
// goes; a sample waits for the step under way to end, so that every sample is taken at the
// control screen rather than at whatever moment of a slideshow the minute falls. It fails when
// memory grew more than 2 MiB from the end of the warm-up (the first five minutes, or half of a
// shorter run) to the end, or when the program no longer answers a ping at the end.

#include <malloc.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/shutdown.h"
#include "app/startupstate.h"
#include "bench/support/programtour.h"
#include "screens/explore/explorestate.h"

namespace {

constexpr int kMinuteMs = 60000;
constexpr int kAccel = 4;
constexpr double kAllowedGrowthMiB = 2.0;
const char* const kSearchWords[] = {"church", "castle", "river", "bridge", "harbour", "mill"};

struct Sample {
    int minute;
    double rssMiB;
};

struct Soak {
    int minutes = 0;
    QElapsedTimer clock;
    std::vector<Sample> samples;  // about one a minute, the first at the start
    QTimer sampler;
    bool sampleDue = false;
    bool steps = false;
    int rounds = 0;
    bool passed = false;
};

int elapsedMinutes(const Soak& soak) {
    return static_cast<int>((soak.clock.elapsed() + kMinuteMs / 2) / kMinuteMs);
}

void sample(Soak& soak) {
    soak.samples.push_back(Sample{elapsedMinutes(soak), ResidentMiB()});
    std::printf("minute %3d  rss %6.2f MiB\n", soak.samples.back().minute,
                soak.samples.back().rssMiB);
    std::fflush(stdout);
}

// With --steps, what each step leaves behind, to find which one grows.
void afterStep(Soak& soak, const char* step) {
    if (soak.steps) {
        const struct mallinfo2 heap = mallinfo2();
        std::printf("  %-12s rss %6.2f MiB  malloc'd %6.2f MiB\n", step, ResidentMiB(),
                    (heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0));
    }
    if (!soak.sampleDue) return;
    soak.sampleDue = false;
    sample(soak);
}

void oneRound(ProgramTour& program, Soak& soak) {
    Explore().ShowInterval = 2000 / kAccel;
    for (int kind = 0; kind < ProgramTour::kShowKinds && !Startup().Quitting; ++kind) {
        program.runSlideshow(kind, kMinuteMs / 2 / kAccel);
        afterStep(soak, "slideshow");
    }
    program.visitEveryPlace();
    program.showMap();
    program.backToControlScreen();
    afterStep(soak, "walk");
    for (const char* word : kSearchWords) program.search(word);
    afterStep(soak, "searches");
}

void judge(Soak& soak, bool answers) {
    sample(soak);
    const int warmUp = std::max(1, std::min(5, soak.minutes / 2));
    const auto baseline = std::find_if(soak.samples.begin(), soak.samples.end(),
                                       [warmUp](const Sample& s) { return s.minute >= warmUp; });
    const double growth = soak.samples.back().rssMiB - baseline->rssMiB;
    std::printf("rounds %d\n", soak.rounds);
    std::printf("growth %.2f MiB from minute %d to %d (allowed %.1f)\n", growth, baseline->minute,
                soak.samples.back().minute, kAllowedGrowthMiB);
    std::printf("answers %s\n", answers ? "yes" : "no");
    soak.passed = growth <= kAllowedGrowthMiB && answers;
    std::printf("soak %s\n", soak.passed ? "passed" : "failed");
    std::fflush(stdout);
}

void run(ProgramTour& program, Soak& soak) {
    if (!program.findWindows()) {
        std::fprintf(stderr, "the program's windows were not made\n");
        Shutdown();
        return;
    }
    program.clickThroughTitle();
    soak.clock.start();
    sample(soak);
    QObject::connect(&soak.sampler, &QTimer::timeout, [&soak] { soak.sampleDue = true; });
    soak.sampler.start(kMinuteMs);
    while (soak.clock.elapsed() < int64_t{soak.minutes} * kMinuteMs && !Startup().Quitting) {
        oneRound(program, soak);
        ++soak.rounds;
    }
    soak.sampler.stop();
    judge(soak, !Startup().Quitting && program.stageAnswers(5000));
    Shutdown();
}

}  // namespace

int main(int argc, char** argv) {
    Soak soak;
    soak.minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    soak.steps = argc > 2 && std::strcmp(argv[2], "--steps") == 0;
    ProgramTour program;
    if (!program.ready()) {
        std::fprintf(stderr, "cannot start Xvfb or make a settings folder\n");
        return 1;
    }
    program.run(argc, argv, [&soak](ProgramTour& p) { run(p, soak); });
    return soak.passed ? 0 : 1;
}
