#include "screens/explore/steppanel.h"

#include <QCheckBox>
#include <QPushButton>

#include "content/compass.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "screens/explore/buttonart.h"
#include "screens/explore/explorelayout.h"
#include "screens/explore/explorestate.h"

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

}  // namespace

ExploreStepPanel::ExploreStepPanel(const StepPanelLayout& layout, QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setGeometry(layout.panel);
    createButtons(layout);

    WithinSet = new QCheckBox(QStringLiteral("Explore in found set"), this);
    WithinSet->setToolTip(QStringLiteral("Move within set found by Tour, Timeline or Search"));
    WithinSet->setFocusPolicy(Qt::NoFocus);
    QPalette white = WithinSet->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    WithinSet->setPalette(white);
    WithinSet->adjustSize();
    WithinSet->move(layout.withinSet.left(), layout.withinSet.bottom() + 1 - WithinSet->height());

    connect(NorthButton, &QPushButton::clicked, this,
            [this] { StepClick(NorthButton, PlaceToNorth); });
    connect(SouthButton, &QPushButton::clicked, this,
            [this] { StepClick(SouthButton, PlaceToSouth); });
    connect(EastButton, &QPushButton::clicked, this,
            [this] { StepClick(EastButton, PlaceToEast); });
    connect(WestButton, &QPushButton::clicked, this,
            [this] { StepClick(WestButton, PlaceToWest); });
    connect(BackButton, &QPushButton::clicked, this, &ExploreStepPanel::BackButtonClick);
    connect(ClockButton, &QPushButton::clicked, this, [this] { TourStepClick(NextTourPlace); });
    connect(AClockButton, &QPushButton::clicked, this,
            [this] { TourStepClick(PreviousTourPlace); });
    connect(WithinSet, &QCheckBox::clicked, this, &ExploreStepPanel::withinSetClicked);
}

void ExploreStepPanel::createButtons(const StepPanelLayout& s) {
    NorthButton =
        stepButton(this, QStringLiteral("N"), "Step North (Cursor Up key)", s.northButton);
    SouthButton =
        stepButton(this, QStringLiteral("S"), "Step South (Cursor Down key)", s.southButton);
    EastButton =
        stepButton(this, QStringLiteral("E"), "Step East (Cursor Right key)", s.eastButton);
    WestButton = stepButton(this, QStringLiteral("W"), "Step West (Cursor Left key)", s.westButton);
    BackButton = stepButton(this, QStringLiteral("Back"), "Step back (Delete key)", s.backButton);
    ClockButton = stepButton(this, QStringLiteral("\u21BB"),
                             "Step clockwise around coast (Cursor Right key)", s.clockButton);
    AClockButton = stepButton(this, QStringLiteral("\u21BA"),
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
}

void ExploreStepPanel::UpdateStepButtons(int place) {
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

void ExploreStepPanel::SyncWithinSet() {
    WithinSet->setChecked(Explore().ExploreInSet);
    WithinSet->setEnabled(HasFoundSet());
}

void ExploreStepPanel::PushHistory(int place) {
    History.push(place);
    BackButton->setEnabled(true);
}

void ExploreStepPanel::ClearHistory() {
    History.clear();
    BackButton->setEnabled(false);
}

void ExploreStepPanel::StepClick(QPushButton* button, int (*query)(int, bool)) {
    const int r = query(Explore().CurrentPlace, Explore().ExploreInSet);
    if (r == -1)
        button->setEnabled(false);  // the data promised a neighbour that does not qualify
    else
        emit stepRequested(r);
}

void ExploreStepPanel::TourStepClick(int (*query)(int)) {
    const int r = query(Explore().CurrentPlace);
    if (r != -1) emit stepRequested(r);
}

void ExploreStepPanel::BackButtonClick() {
    const int r = History.pop();
    BackButton->setEnabled(History.count() > 0);
    if (r != -1) emit backRequested(r);
}

bool ExploreStepPanel::coastTourShown() const { return ClockButton->isVisibleTo(parentWidget()); }

void ExploreStepPanel::clickIfShown(QPushButton* button) {
    if (button->isVisibleTo(parentWidget()) && button->isEnabled()) button->click();
}

bool ExploreStepPanel::StepKeyDown(int key) {
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            if (BackButton->isEnabled()) BackButtonClick();
            return true;
        case Qt::Key_Left:
            clickIfShown(coastTourShown() ? AClockButton : WestButton);
            return true;
        case Qt::Key_Right:
            clickIfShown(coastTourShown() ? ClockButton : EastButton);
            return true;
        case Qt::Key_Up:
            if (!coastTourShown()) clickIfShown(NorthButton);
            return true;
        case Qt::Key_Down:
            if (!coastTourShown()) clickIfShown(SouthButton);
            return true;
        default:
            return false;
    }
}
