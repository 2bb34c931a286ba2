// The map peek: Ctrl or Shift held on a view shows the map; releasing it brings the view or the
// slideshow back, or, after a move, the new place's first view or slideshow.
#include <QTimer>

#include "content/datatables.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/zmexplor.h"

namespace {

bool peekPending() {
    const int mode = Explore().ArrivalMode;
    return mode == kArrivePeekDuringSlideshow || mode == kArrivePeekDuringView;
}

}  // namespace

void TZMExplore::savePeek() {
    ExploreState& e = Explore();
    e.ArrivalMode = slideshowRunning() ? kArrivePeekDuringSlideshow : kArrivePeekDuringView;
    PeekView = CurrentView;
    PeekPlace = e.CurrentPlace;
    PeekInSet = e.ExploreInSet;
    PeekGeneration = Content().FoundGeneration;
}

bool TZMExplore::peekStillHolds() const {
    const ExploreState& e = Explore();
    return PeekPlace == e.CurrentPlace && PeekInSet == e.ExploreInSet &&
           PeekGeneration == Content().FoundGeneration;
}

void TZMExplore::StartPeek() {
    if (CurrentView == 0 || peekPending()) return;
    savePeek();
    ShowMap();
}

void TZMExplore::EndPeek() {
    if (!peekPending()) return;
    ExploreState& e = Explore();
    const bool duringSlideshow = e.ArrivalMode == kArrivePeekDuringSlideshow;
    if (peekStillHolds()) {
        if (duringSlideshow) {
            SlideStartView = PeekView;
            SShowButtonClick();
            e.ArrivalMode = kArriveStartSlideshow;
        } else {
            ShowView(PeekView);
            e.ArrivalMode = kArriveShowFirstView;
        }
    } else if (CurrentView == 0) {
        if (duringSlideshow) {
            e.ArrivalMode = kArriveStartSlideshow;
            ToShowTimerTimer();
        } else {
            e.ArrivalMode = kArriveShowFirstView;
            ToViewTimerTimer();
        }
    } else {
        e.ArrivalMode = kArriveShowFirstView;
    }
}
