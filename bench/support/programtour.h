// The whole program for the benchmarks that run it as the user does: a private display and
// settings folder, the program's own run, and a tour driven by its handlers from inside the
// event loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

class XvfbDisplay;
class TZMStartWin;
class TZMHomeWin;
class TZMExplore;
class TZMShowWin;

// Resident memory in MiB from /proc/self: now, its peak (VmHWM), and the part that is not
// mapped from files (heap and other anonymous memory).
double ResidentMiB();
double PeakResidentMiB();
double AnonymousMiB();

// Keeps the event loop going for at least ms milliseconds.
void Settle(int ms = 0);

class ProgramTour {
  public:
    // Starts Xvfb at 1024 x 768 and points the program at a fresh settings folder.
    ProgramTour();
    ~ProgramTour();
    bool ready() const;

    // Runs the program (title, control screen, every window) and calls drive inside its event
    // loop; drive ends the run with Shutdown(). Returns the program's exit code.
    int run(int argc, char** argv, const std::function<void(ProgramTour&)>& drive);

    // False when a window is missing.
    bool findWindows();
    void clickThroughTitle();
    void showEveryPage();
    // Every place in turn, with each of its views. Returns the number of views shown.
    int visitEveryPlace();
    void showMap();
    void backToControlScreen();
    // A slideshow of kind 0..3 (the last one over the years 1500 to 1900) for ms milliseconds.
    void runSlideshow(int kind, int ms);
    // The Search page with one word; returns the number of places found.
    int search(const std::string& word);
    // True when the stage window answers a _NET_WM_PING within timeoutMs.
    bool stageAnswers(int timeoutMs);

    static constexpr int kShowKinds = 4;

    TZMStartWin* start = nullptr;
    TZMHomeWin* home = nullptr;
    TZMExplore* explore = nullptr;
    TZMShowWin* show = nullptr;

  private:
    std::unique_ptr<XvfbDisplay> display_;
    std::string folder_;
};
