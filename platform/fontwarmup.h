// Reads the font configuration on a thread of its own while the application object connects
// to the display: the first text the program draws otherwise waits some 6 ms for it. Wait
// before the first use of a font; the destructor waits too.
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
    std::thread reader_;
};
