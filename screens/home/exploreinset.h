// Whether a click on the mini map explores within the found set: only when the page the user
// is on built the current found set (and, for Search, found something).
#pragma once

enum class HomePage { GoTo = 0, Search = 1, Timeline = 2, Tour = 3, Slideshow = 4 };

// What the pages recorded when they last built the found set.
struct HomePagesState {
    int LastSearchCount = 0;
    int TimelineGeneration = -1;
    int TourGeneration = -1;
};

bool DecideExploreInSet(HomePage page, const HomePagesState& pages, bool hasFoundSet,
                        int foundGeneration);
