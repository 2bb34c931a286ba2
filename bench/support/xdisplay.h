// A private Xvfb display for the benchmarks that measure the program as the user sees it.
#pragma once

#include <string>

class XvfbDisplay {
  public:
    // Starts Xvfb on the first free display number from 90 at width x height x 24.
    XvfbDisplay(int width, int height);
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool ok() const { return pid_ > 0; }
    // ":90" and the like, for DISPLAY.
    const std::string& name() const { return name_; }

  private:
    int pid_ = -1;
    std::string name_;
};
