// The slideshow's start: the show-list place the show window begins at.
#pragma once

struct ShowState {
    int ShowPlace = -1;
};

ShowState& ShowWindowState();
void ResetShowState();
