#include "screens/home/exploreinset.h"

bool DecideExploreInSet(HomePage page, const HomePagesState& pages, bool hasFoundSet,
                        int foundGeneration) {
    switch (page) {
        case HomePage::Search:
            return hasFoundSet && pages.LastSearchCount > 0;
        case HomePage::Timeline:
            return hasFoundSet && foundGeneration == pages.TimelineGeneration;
        case HomePage::Tour:
            return hasFoundSet && foundGeneration == pages.TourGeneration;
        case HomePage::GoTo:
        case HomePage::Slideshow:
            break;
    }
    return false;
}
