// Arriving at and leaving a place, showing its views and the map, the tab column.
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorecaption.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/steppanel.h"
#include "screens/explore/zmexplor.h"

namespace {

constexpr int kEyeFirstDelay = 320;
constexpr int kEyeRepeat = 80;
constexpr int kLoaderRetry = 500;

bool onLondonInset(int place) {
    return (Content().place(place).PlaceFlags2 & kPlaceOnLondonInset) != 0;
}

}  // namespace

int TZMExplore::viewIndex(int n) const {
    return Explore().ExploreInSet ? SetViews[static_cast<size_t>(n - 1)] : firstView_ + n - 1;
}

void TZMExplore::ArriveAt(int place) {
    const ContentStore& c = Content();
    firstView_ = c.firstViewOf(place);
    const int end = c.viewEndOf(place);
    SetViews.clear();
    if (Explore().ExploreInSet) {
        for (int v = firstView_; v < end; ++v)
            if (c.view(v).hasFoundMark()) SetViews.push_back(v);
        ViewsHere = static_cast<int>(SetViews.size());
    } else {
        ViewsHere = end - firstView_;
    }
    // Views beyond the last tab cannot be reached.
    ViewsHere = std::min(ViewsHere, kMaxViewTabs);
    if (Explore().ExploreInSet && SetViews.size() > kMaxViewTabs) SetViews.resize(kMaxViewTabs);

    emit mapMoveRequested(place);
    CurrentView = 0;
    StepPanel->UpdateStepButtons(place);
    Tabs = TabWindow{1, layout_.tabSlots, ViewsHere};
    placeTabs();
    const bool scrolls = ViewsHere > layout_.tabSlots;
    EyeUpButton->setEnabled(scrolls);
    EyeDownButton->setEnabled(scrolls);
    LanPicture->hide();
    PortPicture->hide();
    LanCap->hide();
    PortCap->hide();
    emit mapShowRequested();

    if (ViewsHere == 0) return;
    const int interval = Explore().ShowInterval;
    const int mode = Explore().ArrivalMode;
    if (mode == kArriveShowFirstView || mode == kArriveStartSlideshow) {
        prefetchAfter(viewIndex(1), interval / 3);
        if (mode == kArriveShowFirstView)
            ToViewTimer->start(interval);
        else
            startSlideshowOnArrival(interval);
    } else {
        prefetchAfter(viewIndex(1), interval);
    }
}

void TZMExplore::LeavePlace(bool push, int nextPlace) {
    ExploreState& e = Explore();
    if (push && e.CurrentPlace >= 0) StepPanel->PushHistory(e.CurrentPlace);
    if (e.CurrentPlace >= 0 && onLondonInset(e.CurrentPlace)) {
        e.CameFromLondon = true;
        if (!onLondonInset(nextPlace) && Windows().ZMLondon) Windows().ZMLondon->hide();
    } else {
        e.CameFromLondon = false;
    }
    if (e.ArrivalMode != kArrivePeekDuringSlideshow && e.ArrivalMode != kArrivePeekDuringView)
        e.ArrivalMode = slideshowRunning() ? kArriveStartSlideshow : kArriveShowMap;
    if (slideshowRunning()) stopSlideshow();
    SlideStartView = 1;
    if (CurrentView > 0) markTab(CurrentView, false);
    CurrentView = 0;
    ToViewTimer->stop();
    ToShowTimer->stop();
    ToCacheTimer->stop();
    if (Pictures().LoadingView.load() != -1) CancelPictureLoad(false);
}

void TZMExplore::ShowView(int n) {
    if (n < 1 || n > ViewsHere || n == CurrentView) return;
    const int v = viewIndex(n);
    ToViewTimer->stop();
    ToShowTimer->stop();
    ToCacheTimer->stop();
    const int loading = Pictures().LoadingView.load();
    if (loading != -1 && loading != v) CancelPictureLoad(true);

    const QImage* picture = GetPicture(v);
    if (!picture || Startup().Quitting) return;

    if (CurrentView > 0)
        markTab(CurrentView, false);
    else
        emit mapHideRequested();
    removeFocus();
    markTab(n, true);
    CurrentView = n;
    Tabs.keepInView(n);
    placeTabs();

    const bool landscape = picture->width() >= picture->height();
    ImageControl* area = landscape ? LanPicture : PortPicture;
    QTextEdit* caption = landscape ? LanCap : PortCap;
    (landscape ? PortPicture : LanPicture)->hide();
    LanCap->hide();
    PortCap->hide();
    LanCap->setEnabled(landscape);
    PortCap->setEnabled(!landscape);
    area->setImage(picture);
    area->show();
    area->update();
    FillCaption(caption, CaptionOf(Content().view(v), landscape));
    caption->show();
    ShownView = v;

    StartPictureLoad(n == ViewsHere ? viewIndex(1) : viewIndex(n + 1));
}

void TZMExplore::ShowMap() {
    if (slideshowRunning()) stopSlideshow();
    if (CurrentView > 0) markTab(CurrentView, false);
    CurrentView = 0;
    LanPicture->hide();
    PortPicture->hide();
    LanCap->hide();
    PortCap->hide();
    emit mapShowRequested();
}

void TZMExplore::NextPButtonClick() {
    removeFocus();
    if (slideshowRunning())
        ShowTimerTimer();
    else if (CurrentView < ViewsHere)
        ShowView(CurrentView + 1);
    else
        ShowMap();
}

void TZMExplore::TabBtnClick(int tab) {
    removeFocus();
    if (tab != CurrentView) ShowView(tab);
}

void TZMExplore::MapButtonClick() {
    if (CurrentView > 0) ShowMap();
}

void TZMExplore::StepTo(int place) {
    LeavePlace(true, place);
    Explore().CurrentPlace = place;
    ArriveAt(place);
}

// Every tab in the window at its place, the others hidden; the marked tab overlaps the stripe.
void TZMExplore::placeTabs() {
    for (int i = 1; i <= kMaxViewTabs; ++i) {
        QPushButton* tab = TabButtons[static_cast<size_t>(i - 1)];
        const bool shown = Tabs.visible(i);
        tab->setVisible(shown);
        tab->setEnabled(shown);
        if (shown) tab->move(0, TabTop(layout_, i, Tabs.first));
    }
    Stripe->raise();
    if (CurrentView > 0) TabButtons[static_cast<size_t>(CurrentView - 1)]->raise();
}

void TZMExplore::markTab(int n, bool marked) {
    QPushButton* tab = TabButtons[static_cast<size_t>(n - 1)];
    tab->resize(layout_.tabWidth + (marked ? 2 : 0), layout_.tabHeight);
    tab->setStyleSheet(marked ? QStringLiteral("color: blue;") : QStringLiteral("color: black;"));
    if (marked) tab->raise();
    Stripe->update();
}

void TZMExplore::ScrollTabsDown() {
    Tabs.scrollDown();
    placeTabs();
}

void TZMExplore::ScrollTabsUp() {
    Tabs.scrollUp();
    placeTabs();
}

void TZMExplore::EyeUpButtonMouseDown() {
    ScrollTabsUp();
    UpTimer->start(kEyeFirstDelay);
}

void TZMExplore::EyeDownButtonMouseDown() {
    ScrollTabsDown();
    DownTimer->start(kEyeFirstDelay);
}

void TZMExplore::EyeButtonMouseUp() {
    UpTimer->stop();
    DownTimer->stop();
}

void TZMExplore::UpTimerTimer() {
    ScrollTabsUp();
    UpTimer->setInterval(kEyeRepeat);
}

void TZMExplore::DownTimerTimer() {
    ScrollTabsDown();
    DownTimer->setInterval(kEyeRepeat);
}

void TZMExplore::ToViewTimerTimer() {
    if (Pictures().LoadingView.load() != -1) {
        ToViewTimer->start(kLoaderRetry);
        return;
    }
    ToViewTimer->stop();
    NextPButtonClick();
}

void TZMExplore::prefetchAfter(int view, int milliseconds) {
    prefetchView_ = view;
    ToCacheTimer->start(milliseconds);
}

void TZMExplore::ToCacheTimerTimer() {
    ToCacheTimer->stop();
    if (prefetchView_ >= 0) StartPictureLoad(prefetchView_);
}
