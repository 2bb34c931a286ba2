// The endurance run behind scripts/soak: the whole program on a private Xvfb display, driven by
// its handlers round and round (a slideshow of each kind, a walk through every place and view,
// searches) for the given minutes. Resident memory is sampled every minute and printed as it
// goes. It fails when memory grew more than 2 MiB from the end of the warm-up (the first five
// minutes, or half of a shorter run) to the end, or when the program no longer answers a ping
// at the end.

#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

struct Soak {
    int minutes = 0;
    std::vector<double> samples;  // one a minute, the first at the start
    QTimer sampler;
    int rounds = 0;
    bool passed = false;
};

void sample(Soak& soak) {
    soak.samples.push_back(ResidentMiB());
    std::printf("minute %3zu  rss %6.2f MiB\n", soak.samples.size() - 1, soak.samples.back());
    std::fflush(stdout);
}

void oneRound(ProgramTour& program) {
    Explore().ShowInterval = 2000 / kAccel;
    for (int kind = 0; kind < ProgramTour::kShowKinds && !Startup().Quitting; ++kind)
        program.runSlideshow(kind, kMinuteMs / 2 / kAccel);
    program.visitEveryPlace();
    program.showMap();
    program.backToControlScreen();
    for (const char* word : kSearchWords) program.search(word);
}

void judge(Soak& soak, bool answers) {
    const int warmUp = std::max(1, std::min(5, soak.minutes / 2));
    const size_t baseline = std::min(static_cast<size_t>(warmUp), soak.samples.size() - 1);
    const double growth = soak.samples.back() - soak.samples[baseline];
    std::printf("rounds %d\n", soak.rounds);
    std::printf("growth %.2f MiB after minute %zu (allowed %.1f)\n", growth, baseline,
                kAllowedGrowthMiB);
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
    sample(soak);
    QObject::connect(&soak.sampler, &QTimer::timeout, [&soak] { sample(soak); });
    soak.sampler.start(kMinuteMs);
    while (static_cast<int>(soak.samples.size()) <= soak.minutes && !Startup().Quitting) {
        oneRound(program);
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
    ProgramTour program;
    if (!program.ready()) {
        std::fprintf(stderr, "cannot start Xvfb or make a settings folder\n");
        return 1;
    }
    program.run(argc, argv, [&soak](ProgramTour& p) { run(p, soak); });
    return soak.passed ? 0 : 1;
}
