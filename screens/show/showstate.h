// The slideshow's state: where the show stands, what the Slideshow page chose for it, and
// the measured pace of scrolling titles. Shared by the Slideshow page and the show window.
#pragma once

#include "screens/home/showoptions.h"

struct ShowState {
    int ShowPlace = -1;  // the place the show is at; the start place before it runs
    int ShowView = -1;   // the next view to show, -1 when the place has no more
    int LastShownView = -1;
    int ShowMapPlace = -1;  // the place last shown on the map; Stop explores there
    bool ShowStopped = true;
    bool ShowMusicOn = false;
    int ProductTextStep = 0;
    int TicksPerScroll = -1;  // 14 ms ticks of the first full title scroll, -1 until measured
    ShowOptions Options;      // the page's choices, read at each start
};

ShowState& ShowWindowState();
void ResetShowState();
