#include "screens/explore/steppanel.h"

#include <QCheckBox>
#include <QToolButton>
#include <algorithm>

#include "content/compass.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "screens/explore/buttonart.h"
#include "screens/explore/explorelayout.h"
#include "screens/explore/explorestate.h"

namespace {

// A bold caption with its glyph (greyed by the style when the button is disabled), the glyph
// above the caption on the tall buttons and beside it on the wide ones.
QToolButton* stepButton(QWidget* panel, const QString& text, const char* hint, const QRect& at,
                        const QIcon& glyph, int glyphSide) {
    auto* button = new QToolButton(panel);
    button->setText(text);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    QPalette black = button->palette();
    black.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(black);
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(at);
    button->setIcon(glyph);
    button->setIconSize(QSize(glyphSide, glyphSide));
    const bool tall = at.height() > at.width();
    button->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly
                               : tall         ? Qt::ToolButtonTextUnderIcon
                                              : Qt::ToolButtonTextBesideIcon);
    return button;
}

// The check box's caption shrinks until it ends before the button to its right.
void fitWidth(QCheckBox* box, int width) {
    QFont font = box->font();
    while (box->sizeHint().width() > width && font.pixelSize() > 6) {
        font.setPixelSize(font.pixelSize() - 1);
        box->setFont(font);
    }
}

}  // namespace

ExploreStepPanel::ExploreStepPanel(const StepPanelLayout& layout, QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setGeometry(layout.panel);
    createButtons(layout);
    createWithinSet(layout);

    connect(NorthButton, &QToolButton::clicked, this,
            [this] { StepClick(NorthButton, PlaceToNorth); });
    connect(SouthButton, &QToolButton::clicked, this,
            [this] { StepClick(SouthButton, PlaceToSouth); });
    connect(EastButton, &QToolButton::clicked, this,
            [this] { StepClick(EastButton, PlaceToEast); });
    connect(WestButton, &QToolButton::clicked, this,
            [this] { StepClick(WestButton, PlaceToWest); });
    connect(BackButton, &QToolButton::clicked, this, &ExploreStepPanel::BackButtonClick);
    connect(ClockButton, &QToolButton::clicked, this, [this] { TourStepClick(NextTourPlace); });
    connect(AClockButton, &QToolButton::clicked, this,
            [this] { TourStepClick(PreviousTourPlace); });
    connect(WithinSet, &QCheckBox::clicked, this, &ExploreStepPanel::withinSetClicked);
}

void ExploreStepPanel::createButtons(const StepPanelLayout& s) {
    // The glyph is a little over half the short side of a step button.
    const int g = s.backButton.height() * 18 / 25;
    const QSize glyph(g, g);
    NorthButton = stepButton(this, QStringLiteral("N"), "Step North (Cursor Up key)", s.northButton,
                             CompassIcon(Compass::North, glyph), g);
    SouthButton = stepButton(this, QStringLiteral("S"), "Step South (Cursor Down key)",
                             s.southButton, CompassIcon(Compass::South, glyph), g);
    EastButton = stepButton(this, QStringLiteral("E"), "Step East (Cursor Right key)", s.eastButton,
                            CompassIcon(Compass::East, glyph), g);
    WestButton = stepButton(this, QStringLiteral("W"), "Step West (Cursor Left key)", s.westButton,
                            CompassIcon(Compass::West, glyph), g);
    BackButton = stepButton(this, QStringLiteral("Back"), "Step back (Delete key)", s.backButton,
                            BackIcon(glyph), g);
    ClockButton =
        stepButton(this, QString(), "Step clockwise around coast (Cursor Right key)", s.clockButton,
                   CoastIcon(true, s.clockButton.size()), s.clockButton.width());
    AClockButton =
        stepButton(this, QString(), "Step anti-clockwise around coast (Cursor Left key)",
                   s.aClockButton, CoastIcon(false, s.aClockButton.size()), s.aClockButton.width());
    ClockButton->hide();
    AClockButton->hide();
    BackButton->setEnabled(false);
}

void ExploreStepPanel::createWithinSet(const StepPanelLayout& s) {
    WithinSet = new QCheckBox(QStringLiteral("Explore in found set"), this);
    WithinSet->setToolTip(QStringLiteral("Move within set found by Tour, Timeline or Search"));
    WithinSet->setFocusPolicy(Qt::NoFocus);
    QPalette white = WithinSet->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    WithinSet->setPalette(white);
    const int gap = s.backButton.height() / 5;
    fitWidth(WithinSet,
             std::min(s.southButton.left(), s.westButton.left()) - gap - s.withinSet.left());
    WithinSet->adjustSize();
    WithinSet->move(s.withinSet.left(), s.withinSet.bottom() + 1 - WithinSet->height());
}

void ExploreStepPanel::UpdateStepButtons(int place) {
    const bool inSet = Explore().ExploreInSet;
    const bool tour = inSet && Content().TourOrderActive;
    for (QToolButton* b : {NorthButton, SouthButton, EastButton, WestButton}) b->setVisible(!tour);
    ClockButton->setVisible(tour);
    AClockButton->setVisible(tour);
    if (tour) return;
    const uint8_t bits = Content().place(place).PlaceFlags2;
    const auto enable = [&](QToolButton* button, uint8_t bit, int (*query)(int, bool)) {
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

void ExploreStepPanel::StepClick(QAbstractButton* button, int (*query)(int, bool)) {
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

void ExploreStepPanel::clickIfShown(QAbstractButton* button) {
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
