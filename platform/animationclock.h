// The animation clock: a precise periodic tick that runs one step routine on the GUI thread.
// One clock at a time; starting it while it runs does nothing. A GUI thread that falls behind
// gets the next tick when it is free again, never a backlog of them.
#pragma once

#include <functional>

class AnimationClock {
  public:
    // False (and nothing changes) when the clock already runs.
    static bool start(int periodMs, std::function<void()> step);
    static void stop();
    static bool running();
};
