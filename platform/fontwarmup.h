// Gets the fonts ready on a thread of their own while the title window is made: Qt's font
// list (and with it fontconfig's configuration) is read once per process, and the first text
// the program lays out would otherwise wait for it. Made once the application object and its
// font substitutions are, not before: read beside the display connection it slowed that
// connection more than it gained. The destructor waits for the thread; it goes before the
// application object.
#pragma once

#include <thread>

class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

  private:
    std::thread lister_;
};
