#include "screens/explore/localslideshow.h"

#include <QPushButton>
#include <QTimer>

#include "content/pictures.h"
#include "screens/explore/buttonart.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/zmexplor.h"

namespace {

constexpr int kMaxSlideRounds = 1000;
constexpr int kLoaderRetry = 500;

bool loaderIdle() { return Pictures().LoadingView.load() == -1; }

}  // namespace

LocalSlideshow::LocalSlideshow(TZMExplore& screen) : QObject(&screen), screen_(screen) {
    GlyphDummyS = new QPushButton(QStringLiteral("\u25A0"), &screen);
    GlyphDummyN = new QPushButton(QStringLiteral("\u25B7\u25B7"), &screen);
    for (QPushButton* dummy : {GlyphDummyS, GlyphDummyN}) {
        dummy->setEnabled(false);
        dummy->hide();
    }
    SShowButton = new QPushButton(GlyphDummyN->text(), &screen);
    SShowButton->setToolTip(QStringLiteral("Start/stop local slideshow (F5)"));
    SShowButton->setFocusPolicy(Qt::NoFocus);
    ShowTimer = new QTimer(this);
    ToShowTimer = new QTimer(this);
    connect(SShowButton, &QPushButton::clicked, this, &LocalSlideshow::SShowButtonClick);
    connect(ShowTimer, &QTimer::timeout, this, &LocalSlideshow::ShowTimerTimer);
    connect(ToShowTimer, &QTimer::timeout, this, &LocalSlideshow::ToShowTimerTimer);
}

void LocalSlideshow::Arrange(const QRect& button) {
    SShowButton->setGeometry(button);
    PutPicture(GlyphDummyS, SlideshowIcon(true, button.size()));
    PutPicture(GlyphDummyN, SlideshowIcon(false, button.size()));
    PutPicture(SShowButton, (SlideGlyphIdle ? GlyphDummyN : GlyphDummyS)->icon());
}

bool LocalSlideshow::Running() const { return ShowTimer->isActive(); }

void LocalSlideshow::SShowButtonClick() {
    if (QWidget* focused = screen_.focusWidget()) focused->clearFocus();
    if (Running()) {
        Stop();
        return;
    }
    if (screen_.ViewsHere == 0) return;
    if (SlideStartView < 1 || SlideStartView > screen_.ViewsHere) SlideStartView = 1;
    screen_.ShowView(SlideStartView);
    SlideRounds = 1;
    ShowTimer->start(Explore().ShowInterval);
    if (SlideGlyphIdle) swapGlyph();
}

void LocalSlideshow::Stop() {
    ShowTimer->stop();
    SlideStartView = SlideRounds == 1 ? screen_.CurrentView : 1;
    if (!SlideGlyphIdle) swapGlyph();
}

void LocalSlideshow::StartOnArrival(int interval) {
    SlideStartView = 1;
    SlideRounds = 0;
    ShowTimer->start(interval);
    if (SlideGlyphIdle) swapGlyph();
}

void LocalSlideshow::StartFrom(int view) { SlideStartView = view; }

void LocalSlideshow::ShowTimerTimer() {
    const int views = screen_.ViewsHere;
    if (loaderIdle() && views > 0) {
        const int current = screen_.CurrentView;
        screen_.ShowView(current < views ? current + 1 : 1);
        if (screen_.CurrentView == SlideStartView && SlideRounds < kMaxSlideRounds) ++SlideRounds;
    }
    ShowTimer->start(Explore().ShowInterval);
}

void LocalSlideshow::ToShowTimerTimer() {
    if (!loaderIdle()) {
        ToShowTimer->start(kLoaderRetry);
        return;
    }
    ToShowTimer->stop();
    SShowButtonClick();
}

void LocalSlideshow::swapGlyph() {
    SShowButton->setIcon((SlideGlyphIdle ? GlyphDummyS : GlyphDummyN)->icon());
    SlideGlyphIdle = !SlideGlyphIdle;
}
