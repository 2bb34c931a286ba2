#include "screens/home/tourpage.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "screens/home/pagelayouts.h"
#include "screens/home/tourpanel.h"

namespace {

constexpr int kGridWidth = kTourColumns * TourPanel::kPitch - 2;
constexpr int kGridHeight = (kTourCount + kTourColumns - 1) / kTourColumns * TourPanel::kPitch - 2;

}  // namespace

TourPage::TourPage(HomePagesState& pages, QWidget* parent) : FoundSetPage(pages, parent) {
    createControls();
}

void TourPage::createControls() {
    Label6 = new QLabel(QStringLiteral("Choose a tour"), this);
    Label7 = new QLabel(QStringLiteral("Then click map to start it..."), this);
    TabToDummy = new QLineEdit(this);
    TabToDummy->setReadOnly(true);
    TabToDummy->setFrame(false);
    TabToDummy->setGeometry(0, 0, 1, 1);
    // Nothing of it shows: it is only there to hold the focus.
    QPalette unseen = TabToDummy->palette();
    unseen.setColor(QPalette::Base, palette().color(QPalette::Window));
    TabToDummy->setPalette(unseen);
    TabToDummy->installEventFilter(this);

    TourBox = new QScrollArea(this);
    TourBox->setToolTip(QStringLiteral("Click a topic to choose a tour"));
    TourBox->setFocusPolicy(Qt::NoFocus);
    auto* grid = new QWidget;
    grid->resize(kGridWidth, kGridHeight);
    for (int i = 0; i < kTourCount; ++i) {
        TP[static_cast<size_t>(i)] = new TourPanel(i, kTourTopics[i], grid);
        connect(TP[static_cast<size_t>(i)], &TourPanel::clicked, this, &TourPage::TourPanelClick);
    }
    TourBox->setWidget(grid);
}

void TourPage::arrange(int W, int H, QSize sheet) {
    Label6->adjustSize();
    Label7->adjustSize();
    const TourLayout l = ArrangeTourPage(W, H, sheet, Label6->size(), Label7->size());
    Label6->setGeometry(l.label6);
    Label7->setGeometry(l.label7);
    TourBox->setGeometry(l.tourBox);
}

void TourPage::ChooseTour(int index) {
    if (Startup().Quitting || index < 0 || index >= kTourCount) return;
    const TourTopic& topic = kTourTopics[index];
    if (!topic.enabled()) return;
    if (SelectedTour >= 0 && SelectedTour != index)
        TP[static_cast<size_t>(SelectedTour)]->setChosen(false);
    TourPanel* panel = TP[static_cast<size_t>(index)];
    panel->setChosen(true);
    SelectedTour = index;
    TabToDummy->setFocus();
    TourBox->ensureWidgetVisible(panel, 0, 0);

    if (!Content().loaded()) return;
    const int places = SelectTopics(topic.maskA, topic.maskB);
    if (index == kCoastTour) ApplyTourOrder();
    pages_.TourGeneration = Content().FoundGeneration;
    emit foundSetChanged(places);
}

void TourPage::TourPanelClick(int index) { ChooseTour(index); }

bool TourPage::TabToDummyKeyDown(int key) {
    TourKey tourKey;
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            tourKey = TourKey::Enter;
            break;
        case Qt::Key_Left:
            tourKey = TourKey::Left;
            break;
        case Qt::Key_Up:
            tourKey = TourKey::Up;
            break;
        case Qt::Key_Right:
            tourKey = TourKey::Right;
            break;
        case Qt::Key_Down:
            tourKey = TourKey::Down;
            break;
        default:
            return false;
    }
    const int target = TourKeyTarget(tourKey, SelectedTour);
    if (target >= 0) ChooseTour(target);
    if (SelectedTour < 0) ChooseTour(0);
    return true;
}

void TourPage::TabToDummyEnter() { ChooseTour(SelectedTour >= 0 ? SelectedTour : 0); }

void TourPage::TourSheetShow() {
    for (TourPanel* panel : TP) panel->paintPicture();
    if (SelectedTour >= 0) ChooseTour(SelectedTour);
}

void TourPage::TourSheetHide() { emit mapRestoreRequested(); }

bool TourPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TabToDummy) {
        if (event->type() == QEvent::KeyPress)
            return TabToDummyKeyDown(static_cast<QKeyEvent*>(event)->key());
        // Only tabbing in chooses: the page itself focuses the box after every choice.
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) TabToDummyEnter();
        }
    }
    return FoundSetPage::eventFilter(watched, event);
}
