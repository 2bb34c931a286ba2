// The local slideshow: the place's views in turn, ShowInterval each, round and round.
#include <QPushButton>
#include <QTimer>

#include "content/pictures.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/zmexplor.h"

namespace {

constexpr int kMaxSlideRounds = 1000;
constexpr int kLoaderRetry = 500;

bool loaderIdle() { return Pictures().LoadingView.load() == -1; }

}  // namespace

bool TZMExplore::slideshowRunning() const { return ShowTimer->isActive(); }

void TZMExplore::SShowButtonClick() {
    removeFocus();
    if (slideshowRunning()) {
        stopSlideshow();
        return;
    }
    if (ViewsHere == 0) return;
    if (SlideStartView < 1 || SlideStartView > ViewsHere) SlideStartView = 1;
    ShowView(SlideStartView);
    SlideRounds = 1;
    ShowTimer->start(Explore().ShowInterval);
    if (SlideGlyphIdle) swapSlideGlyph();
}

void TZMExplore::stopSlideshow() {
    ShowTimer->stop();
    SlideStartView = SlideRounds == 1 ? CurrentView : 1;
    if (!SlideGlyphIdle) swapSlideGlyph();
}

void TZMExplore::startSlideshowOnArrival(int interval) {
    SlideStartView = 1;
    SlideRounds = 0;
    CurrentView = 0;
    ShowTimer->start(interval);
    if (SlideGlyphIdle) swapSlideGlyph();
}

void TZMExplore::ShowTimerTimer() {
    if (loaderIdle() && ViewsHere > 0) {
        ShowView(CurrentView < ViewsHere ? CurrentView + 1 : 1);
        if (CurrentView == SlideStartView && SlideRounds < kMaxSlideRounds) ++SlideRounds;
    }
    ShowTimer->start(Explore().ShowInterval);
}

void TZMExplore::ToShowTimerTimer() {
    if (!loaderIdle()) {
        ToShowTimer->start(kLoaderRetry);
        return;
    }
    ToShowTimer->stop();
    SShowButtonClick();
}

void TZMExplore::swapSlideGlyph() {
    SShowButton->setIcon((SlideGlyphIdle ? GlyphDummyS : GlyphDummyN)->icon());
    SlideGlyphIdle = !SlideGlyphIdle;
}
