// The Go To page: choosing a place by name.
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/namelookup.h"
#include "platform/beep.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/home/homeart.h"
#include "screens/home/homelayout.h"
#include "screens/home/simplecombo.h"
#include "screens/home/zmhome.h"

namespace {

// A click on the empty page takes the focus from every control.
class PageClickFilter : public QObject {
  public:
    PageClickFilter(QObject* parent, std::function<void()> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) onClick_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onClick_;
};

}  // namespace

void TZMHomeWin::createGoToPage() {
    StartImage = new QLabel(GoToSheet);
    StartImage->setPixmap(QPixmap::fromImage(PaintStartImage()));
    Label1 = new QLabel(QStringLiteral("Click map to explore..."), GoToSheet);
    MarkCheckBox = new QCheckBox(QStringLiteral("Mark all places on map"), GoToSheet);
    MarkCheckBox->setTristate(true);
    Label2 = new QLabel(QStringLiteral("Or enter a place name and Go"), GoToSheet);
    GoToCombo = new SimpleComboBox(GoToSheet);
    GoToCombo->setItemHeight(16 * Startup().ScreenHeight / 600);
    GoButton = new QPushButton(QStringLiteral("Go"), GoToSheet);
    GoButton->setDefault(true);

    connect(MarkCheckBox, &QCheckBox::clicked, this, [this] {
        // The grey state is the program's to set; a click only checks or unchecks.
        if (MarkCheckBox->checkState() == Qt::PartiallyChecked)
            MarkCheckBox->setCheckState(Qt::Checked);
        MarkCheckBoxClick();
    });
    connect(GoToCombo, &SimpleComboBox::textEdited, this, &TZMHomeWin::GoToComboChange);
    connect(GoToCombo, &SimpleComboBox::entered, this, &TZMHomeWin::GoToComboEnter);
    connect(GoToCombo, &SimpleComboBox::exited, this, &TZMHomeWin::GoToComboExit);
    connect(GoToCombo, &SimpleComboBox::activated, this, &TZMHomeWin::GoButtonClick);
    connect(GoButton, &QPushButton::clicked, this, &TZMHomeWin::GoButtonClick);
    GoToSheet->installEventFilter(new PageClickFilter(this, [this] { GoToSheetMouseDown(); }));
}

void TZMHomeWin::arrangeGoToPage() {
    for (QWidget* control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(MarkCheckBox),
                             static_cast<QWidget*>(GoButton), static_cast<QWidget*>(Label2)})
        control->adjustSize();
    const HomeLayout home = ArrangeHomeLayout(Startup().ScreenWidth, Startup().ScreenHeight);
    const GoToMeasures measures{Label1->size(), MarkCheckBox->size(), GoButton->size(),
                                Label2->size()};
    const GoToLayout l =
        ArrangeGoToPage(Startup().ScreenWidth, Startup().ScreenHeight, home.sheet, measures);
    StartImage->setGeometry(l.startImage);
    Label1->setGeometry(l.label1);
    MarkCheckBox->setGeometry(l.markCheckBox);
    GoButton->setGeometry(l.goButton);
    GoToCombo->setGeometry(l.goToCombo);
    Label2->setGeometry(l.label2);
}

void TZMHomeWin::GoToComboChange() {
    const int found = FindPlaceByName(GoToCombo->latin1Text());
    if (found == MarkedPlace) return;
    if (MarkedPlace != -1) RestoreMiniMap();
    if (found != -1) {
        canvas_.drawRing(found);
        MiniMap->update();
    }
    MarkedPlace = found;
}

void TZMHomeWin::GoToComboEnter() {
    const int found = FindPlaceByName(GoToCombo->latin1Text());
    if (MarkCheckBox->checkState() == Qt::Checked) {
        MarkCheckBox->setCheckState(Qt::Unchecked);
        MarkCheckBoxClick();
    }
    MarkCheckBox->setCheckState(Qt::PartiallyChecked);
    if (found != -1) GoToComboChange();
}

void TZMHomeWin::GoToComboExit() {
    if (MarkedPlace != -1) {
        RestoreMiniMap();
        MarkedPlace = -1;
    }
    MarkCheckBox->setCheckState(Qt::Unchecked);
}

void TZMHomeWin::GoToSheetShow() { MarkedPlace = -1; }

void TZMHomeWin::GoToSheetMouseDown() {
    if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void TZMHomeWin::GoButtonClick() {
    if (Startup().Quitting) return;
    const int found = FindPlaceByName(GoToCombo->latin1Text());
    if (found == -1) {
        Beep();
        return;
    }
    ExploreState& e = Explore();
    e.CurrentPlace = found;
    e.ArrivalMode = kArriveFromElsewhere;
    e.ExploreInSet = false;
    handOverToExplore();
}

// The start place of StartHere.txt goes the way a typed name does.
void TZMHomeWin::startPlaceFromText() {
    if (Startup().Quitting || !Content().StartHereText) return;
    std::string name = *Content().StartHereText;
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    Content().StartHereText.reset();
    GoToCombo->setText(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
    GoButtonClick();
}
