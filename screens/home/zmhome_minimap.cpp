// The control screen's mini map: clicks, the logo button, marking and flashing places.
#include <QCheckBox>
#include <QTimer>

#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/home/homelayout.h"
#include "screens/home/showpage.h"
#include "screens/home/zmhome.h"

namespace {

// Where the logo button lands when no place has been visited yet.
constexpr int kStartX = 1476;
constexpr int kStartY = 2510;

// The found set in place order, or the show list from its head up to its tail (a tour show
// list is a ring). Bounded by the place count, whatever the links say.
template <typename Visit>
void forEachListedPlace(bool showList, Visit visit) {
    const ContentStore& c = Content();
    if (!c.loaded()) return;
    int place = showList ? c.ShowHead : c.FoundHead;
    for (int steps = 0; place >= 0 && place < c.PlaceCount && steps < c.PlaceCount; ++steps) {
        visit(place);
        if (showList && place == c.ShowTail) break;
        place = showList ? c.ShowLinks[place].ShowNext : c.FoundLinks[place].FoundNext;
    }
}

bool listIsEmpty(bool showList) {
    return showList ? Content().ShowHead == -1 : Content().FoundHead == -1;
}

int nearest(int x, int y, bool inFoundSet) {
    const int found = inFoundSet ? NearestFoundPlace(x, y, -1) : -1;
    return found != -1 ? found : NearestPlace(x, y, -1);
}

}  // namespace

void TZMHomeWin::MiniMapMouseDown(QPoint at) {
    MapClickX = at.x();
    MapClickY = at.y();
}

void TZMHomeWin::MiniMapClick() {
    if (Startup().Quitting || !Content().loaded()) return;
    ExploreState& e = Explore();
    e.ExploreInSet =
        DecideExploreInSet(activePage(), Pages, HasFoundSet(), Content().FoundGeneration);
    if (e.CurrentPlace == -1) e.ArrivalMode = kArriveFromElsewhere;
    const QPoint map =
        MiniMapToMap(MapClickX, MapClickY, Startup().ScreenWidth, Startup().ScreenHeight);

    if (activePage() == HomePage::Slideshow) {
        ShowSheet->PrepareShowAt(map);
        emit slideshowRequested();
        hide();
        return;
    }
    e.CurrentPlace = nearest(map.x(), map.y(), e.ExploreInSet);
    handOverToExplore();
}

void TZMHomeWin::IconImageClick() {
    if (Startup().Quitting || !Content().loaded()) return;
    ExploreState& e = Explore();
    if (e.CurrentPlace == -1) {
        e.CurrentPlace = nearest(kStartX, kStartY, e.ExploreInSet);
        e.ArrivalMode = kArriveFromElsewhere;
    } else if (e.ExploreInSet) {
        const PlaceRecord& here = Content().place(e.CurrentPlace);
        e.CurrentPlace = nearest(here.x, here.y, true);
    }
    handOverToExplore();
}

// The explore screen takes over from here once it exists; until then the chosen place is
// only recorded.
void TZMHomeWin::handOverToExplore() {
    if (!Windows().showExplore) return;
    Windows().showExplore();
    hide();
}

void TZMHomeWin::MarkCheckBoxClick() {
    RestoreMiniMap();
    if (MarkCheckBox->checkState() == Qt::Checked) {
        canvas_.markAllPlaces();
        MiniMap->update();
    }
}

void TZMHomeWin::DrawPlaceDot(int place, int diameter, QRgb colour) {
    canvas_.drawPlaceDot(place, diameter, colour);
    MiniMap->update();
}

void TZMHomeWin::StartFlash(bool showList) {
    if (listIsEmpty(showList)) return;
    FlashPhase = true;
    FlashShowList = showList;
    MMFlashTimer->start(700);
}

void TZMHomeWin::StopFlash() { MMFlashTimer->stop(); }

void TZMHomeWin::RestoreMiniMap() {
    StopFlash();
    canvas_.restore();
    MiniMap->update();
}

void TZMHomeWin::MMFlashTimerTimer() {
    if (Startup().Quitting) return;
    const QRgb colour = FlashPhase ? kDotYellow : kDotGreen;
    if (listIsEmpty(FlashShowList)) return;
    FlashPhase = !FlashPhase;
    const int diameter = canvas_.dotDiameter();
    forEachListedPlace(FlashShowList,
                       [&](int place) { canvas_.drawPlaceDot(place, diameter, colour); });
    MiniMap->update();
    MMFlashTimer->start(700);
}
