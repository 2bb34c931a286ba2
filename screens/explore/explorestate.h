// Where the user stands: shared by the control screen, the explore screen, the detailed map and
// the slideshow.
#pragma once

// ArrivalMode values: what arriving at a place does.
constexpr int kArriveFromElsewhere = 0;  // set by the screens that bring the explore screen up
constexpr int kArriveShowMap = 1;
constexpr int kArriveShowFirstView = 2;
constexpr int kArriveStartSlideshow = 3;
constexpr int kArrivePeekDuringSlideshow = 4;
constexpr int kArrivePeekDuringView = 5;

struct ExploreState {
    int ArrivalMode = kArriveFromElsewhere;
    int CurrentPlace = -1;
    bool ExploreInSet = false;
    int ShowInterval = 6000;  // milliseconds a view stays in a slideshow
    bool LondonWanted = false;
    bool CameFromLondon = false;
};

ExploreState& Explore();
void ResetExploreState();
