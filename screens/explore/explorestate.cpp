#include "screens/explore/explorestate.h"

ExploreState& Explore() {
    static ExploreState state;
    return state;
}

void ResetExploreState() { Explore() = ExploreState(); }
