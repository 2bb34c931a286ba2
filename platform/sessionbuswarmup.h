// Opens the session bus on a thread of its own while the title window is made. The desktop's
// accessibility bridge opens it as the first window is shown, and the show waits for it:
// connecting (or, with no bus, the library's attempt to start one) takes several
// milliseconds. Made after the application object; it joins its thread before that goes.
#pragma once

#include <thread>

class SessionBusWarmUp {
  public:
    SessionBusWarmUp();
    ~SessionBusWarmUp();
    SessionBusWarmUp(const SessionBusWarmUp&) = delete;
    SessionBusWarmUp& operator=(const SessionBusWarmUp&) = delete;

    bool started() const { return opener_.joinable(); }

  private:
    std::thread opener_;
};
