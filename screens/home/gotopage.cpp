#include "screens/home/gotopage.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/colours.h"
#include "app/startupstate.h"
#include "content/namelookup.h"
#include "platform/beep.h"
#include "screens/explore/explorestate.h"
#include "screens/home/homeart.h"
#include "screens/home/homelayout.h"
#include "screens/home/simplecombo.h"

GoToPage::GoToPage(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    createControls();
    // A click on the empty page takes the focus from every control.
    installEventFilter(this);
}

void GoToPage::createControls() {
    StartImage = new QLabel(this);
    StartImage->setPixmap(QPixmap::fromImage(PaintStartImage()));
    Label1 = new QLabel(QStringLiteral("Click map to explore..."), this);
    MarkCheckBox = new QCheckBox(QStringLiteral("Mark all places on map"), this);
    MarkCheckBox->setTristate(true);
    Label2 = new QLabel(QStringLiteral("Or enter a place name and Go"), this);
    GoToCombo = new SimpleComboBox(this);
    GoButton = new QPushButton(QStringLiteral("Go"), this);
    GoButton->setDefault(true);

    connect(MarkCheckBox, &QCheckBox::clicked, this, [this] {
        // The grey state is the program's to set; a click only checks or unchecks.
        if (MarkCheckBox->checkState() == Qt::PartiallyChecked)
            MarkCheckBox->setCheckState(Qt::Checked);
        MarkCheckBoxClick();
    });
    connect(GoToCombo, &SimpleComboBox::textEdited, this, &GoToPage::GoToComboChange);
    connect(GoToCombo, &SimpleComboBox::entered, this, &GoToPage::GoToComboEnter);
    connect(GoToCombo, &SimpleComboBox::exited, this, &GoToPage::GoToComboExit);
    connect(GoToCombo, &SimpleComboBox::activated, this, &GoToPage::GoButtonClick);
    connect(GoButton, &QPushButton::clicked, this, &GoToPage::GoButtonClick);
}

bool GoToPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::MouseButtonPress) GoToSheetMouseDown();
    return QWidget::eventFilter(watched, event);
}

void GoToPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        GoButtonClick();
    else
        QWidget::keyPressEvent(event);
}

void GoToPage::Arrange(int W, int H, QSize sheet) {
    GoToCombo->setItemHeight(16 * H / 600);
    // The two ways to choose a place read as the page's headings; the taller lines and Go
    // button take up the room the measures leave between the mark box and the list.
    QFont heading = font();
    heading.setPixelSize(W * 15 / 800);
    heading.setBold(true);
    QPalette ink = Label1->palette();
    ink.setColor(QPalette::WindowText, QColor::fromRgb(kSelection));
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(heading);
        label->setPalette(ink);
    }
    GoButton->setMinimumSize(W * 72 / 800, H * 28 / 600);
    for (QWidget* control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(MarkCheckBox),
                             static_cast<QWidget*>(GoButton), static_cast<QWidget*>(Label2)})
        control->adjustSize();
    const GoToMeasures measures{Label1->size(), MarkCheckBox->size(), GoButton->size(),
                                Label2->size()};
    const GoToLayout l = ArrangeGoToPage(W, H, sheet, measures);
    StartImage->setGeometry(l.startImage);
    Label1->setGeometry(l.label1);
    MarkCheckBox->setGeometry(l.markCheckBox);
    GoButton->setGeometry(l.goButton);
    GoToCombo->setGeometry(l.goToCombo);
    Label2->setGeometry(l.label2);
}

void GoToPage::SetPlaceNames(const std::vector<std::string>& names) { GoToCombo->setItems(names); }

void GoToPage::MarkCheckBoxClick() {
    emit miniMapRestoreRequested();
    if (MarkCheckBox->checkState() == Qt::Checked) emit allPlacesMarkRequested();
}

void GoToPage::GoToComboChange() {
    const int found = FindPlaceByName(GoToCombo->latin1Text());
    if (found == MarkedPlace) return;
    if (MarkedPlace != -1) emit miniMapRestoreRequested();
    if (found != -1) emit ringRequested(found);
    MarkedPlace = found;
}

void GoToPage::GoToComboEnter() {
    const int found = FindPlaceByName(GoToCombo->latin1Text());
    if (MarkCheckBox->checkState() == Qt::Checked) {
        MarkCheckBox->setCheckState(Qt::Unchecked);
        MarkCheckBoxClick();
    }
    MarkCheckBox->setCheckState(Qt::PartiallyChecked);
    if (found != -1) GoToComboChange();
}

void GoToPage::GoToComboExit() {
    if (MarkedPlace != -1) {
        emit miniMapRestoreRequested();
        MarkedPlace = -1;
    }
    MarkCheckBox->setCheckState(Qt::Unchecked);
}

void GoToPage::GoToSheetShow() { MarkedPlace = -1; }

void GoToPage::GoToSheetHide() {
    if (MarkCheckBox->checkState() != Qt::Checked) return;
    MarkCheckBox->setCheckState(Qt::Unchecked);
    emit miniMapRestoreRequested();
}

void GoToPage::GoToSheetMouseDown() {
    if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void GoToPage::GoButtonClick() {
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
    emit placeChosen();
}

void GoToPage::GoToStartPlace(const std::string& line) {
    std::string name = line;
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    GoToCombo->setText(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
    GoButtonClick();
}
