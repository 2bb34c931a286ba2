// The step panel: North, South, East, West, Back, round the coast tour, and found-set mode.
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

#include "app/shellwindows.h"
#include "content/compass.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "screens/explore/buttonart.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/zmexplor.h"

namespace {

QPushButton* stepButton(QWidget* panel, const QString& text, const char* hint, const QRect& at) {
    auto* button = new QPushButton(text, panel);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(at);
    return button;
}

int nearestFoundPlaceTo(int place) {
    const PlaceRecord& here = Content().place(place);
    return NearestFoundPlace(here.x, here.y, kAnyDistance);
}

}  // namespace

void TZMExplore::createStepPanel() {
    const StepPanelLayout& s = layout_.steps;
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(s.panel);
    StepPanel = frame;
    NorthButton =
        stepButton(frame, QStringLiteral("N"), "Step North (Cursor Up key)", s.northButton);
    SouthButton =
        stepButton(frame, QStringLiteral("S"), "Step South (Cursor Down key)", s.southButton);
    EastButton =
        stepButton(frame, QStringLiteral("E"), "Step East (Cursor Right key)", s.eastButton);
    WestButton =
        stepButton(frame, QStringLiteral("W"), "Step West (Cursor Left key)", s.westButton);
    BackButton = stepButton(frame, QStringLiteral("Back"), "Step back (Delete key)", s.backButton);
    ClockButton = stepButton(frame, QStringLiteral("\u21BB"),
                             "Step clockwise around coast (Cursor Right key)", s.clockButton);
    AClockButton = stepButton(frame, QStringLiteral("\u21BA"),
                              "Step anti-clockwise around coast (Cursor Left key)", s.aClockButton);
    const QIcon pictures[] = {CompassIcon(Compass::North, s.northButton.size()),
                              CompassIcon(Compass::South, s.southButton.size()),
                              CompassIcon(Compass::East, s.eastButton.size()),
                              CompassIcon(Compass::West, s.westButton.size()),
                              CoastIcon(true, s.clockButton.size()),
                              CoastIcon(false, s.aClockButton.size()),
                              BackIcon(s.backButton.size())};
    QPushButton* const buttons[] = {NorthButton, SouthButton,  EastButton, WestButton,
                                    ClockButton, AClockButton, BackButton};
    for (size_t i = 0; i < std::size(buttons); ++i) PutPicture(buttons[i], pictures[i]);
    ClockButton->hide();
    AClockButton->hide();
    BackButton->setEnabled(false);

    WithinSet = new QCheckBox(QStringLiteral("Explore in found set"), frame);
    WithinSet->setToolTip(QStringLiteral("Move within set found by Tour, Timeline or Search"));
    WithinSet->setFocusPolicy(Qt::NoFocus);
    QPalette white = WithinSet->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    WithinSet->setPalette(white);
    WithinSet->adjustSize();
    WithinSet->move(s.withinSet.left(), s.withinSet.bottom() + 1 - WithinSet->height());

    connect(NorthButton, &QPushButton::clicked, this,
            [this] { StepClick(NorthButton, PlaceToNorth); });
    connect(SouthButton, &QPushButton::clicked, this,
            [this] { StepClick(SouthButton, PlaceToSouth); });
    connect(EastButton, &QPushButton::clicked, this,
            [this] { StepClick(EastButton, PlaceToEast); });
    connect(WestButton, &QPushButton::clicked, this,
            [this] { StepClick(WestButton, PlaceToWest); });
    connect(BackButton, &QPushButton::clicked, this, &TZMExplore::BackButtonClick);
    connect(ClockButton, &QPushButton::clicked, this, [this] { TourStepClick(NextTourPlace); });
    connect(AClockButton, &QPushButton::clicked, this,
            [this] { TourStepClick(PreviousTourPlace); });
    connect(WithinSet, &QCheckBox::clicked, this, &TZMExplore::WithinSetClick);
}

void TZMExplore::updateStepButtons(int place) {
    const bool inSet = Explore().ExploreInSet;
    const bool tour = inSet && Content().TourOrderActive;
    for (QPushButton* b : {NorthButton, SouthButton, EastButton, WestButton}) b->setVisible(!tour);
    ClockButton->setVisible(tour);
    AClockButton->setVisible(tour);
    if (tour) return;
    const uint8_t bits = Content().place(place).PlaceFlags2;
    const auto enable = [&](QPushButton* button, uint8_t bit, int (*query)(int, bool)) {
        button->setEnabled(inSet ? query(place, true) != -1 : (bits & bit) != 0);
    };
    enable(NorthButton, kPlaceHasNorth, PlaceToNorth);
    enable(SouthButton, kPlaceHasSouth, PlaceToSouth);
    enable(EastButton, kPlaceHasEast, PlaceToEast);
    enable(WestButton, kPlaceHasWest, PlaceToWest);
}

void TZMExplore::StepClick(QPushButton* button, int (*query)(int, bool)) {
    const int r = query(Explore().CurrentPlace, Explore().ExploreInSet);
    removeFocus();
    if (r == -1)
        button->setEnabled(false);  // the data promised a neighbour that does not qualify
    else
        StepTo(r);
}

void TZMExplore::TourStepClick(int (*query)(int)) {
    const int r = query(Explore().CurrentPlace);
    removeFocus();
    if (r != -1) StepTo(r);
}

void TZMExplore::BackButtonClick() {
    const int r = History.pop();
    BackButton->setEnabled(History.count() > 0);
    removeFocus();
    if (r == -1) return;
    LeavePlace(false, r);
    Explore().CurrentPlace = r;
    ArriveAt(r);
}

void TZMExplore::pushHistory(int place) {
    History.push(place);
    BackButton->setEnabled(true);
}

void TZMExplore::clearHistory() {
    History.clear();
    BackButton->setEnabled(false);
}

void TZMExplore::WithinSetClick() {
    if (!HasFoundSet() || !WithinSet->isEnabled()) return;
    ExploreState& e = Explore();
    e.ExploreInSet = WithinSet->isChecked();
    int target = e.CurrentPlace;
    if (e.ExploreInSet && !IsInFoundSet(target)) {
        const int nearest = nearestFoundPlaceTo(target);
        if (nearest != -1) target = nearest;
    }
    LeavePlace(false, target);
    e.CurrentPlace = target;
    ArriveAt(target);
    if (e.ExploreInSet) clearHistory();
    emit londonColoursOutdated();
    emit mapRepaintRequested();
}

void TZMExplore::syncWithinSet() {
    WithinSet->setChecked(Explore().ExploreInSet);
    WithinSet->setEnabled(HasFoundSet());
}
