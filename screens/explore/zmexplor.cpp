#include "screens/explore/zmexplor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "platform/fontsetup.h"
#include "screens/common/colours.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/buttonart.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/zmlon.h"
#include "screens/home/homeart.h"
#include "screens/home/homelayout.h"
#include "screens/map/zmmap.h"

namespace {

QPushButton* hintedButton(QWidget* parent, const QString& text, const char* hint) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QTimer* disabledTimer(QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setSingleShot(false);
    return timer;
}

QTextEdit* captionBox(QWidget* parent, Qt::Alignment alignment) {
    auto* box = new QTextEdit(parent);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setAlignment(alignment);
    box->document()->setDefaultTextOption(QTextOption(alignment));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::Text, Qt::white);
    box->setPalette(colours);
    box->hide();
    return box;
}

}  // namespace

TZMExplore::TZMExplore(QWidget* parent) : QWidget(parent) {
    ShellWindows& w = Windows();
    w.ZMExplore = this;
    w.setUpExplore = [this] { ArrangeControls(); };
    w.releaseExplore = [this] { TearDown(); };
    w.showExplore = [this] { show(); };
    w.exploreMoveTo = [this](int place) { StepTo(place); };
    w.exploreNextView = [this] { NextPButtonClick(); };
    w.exploreMinimise = [] {
        if (TStage* stage = Stage()) stage->minimise();
    };
    hide();
}

TZMExplore::~TZMExplore() {
    ShellWindows& w = Windows();
    if (w.ZMExplore != this) return;
    w.setUpExplore = nullptr;
    w.releaseExplore = nullptr;
    w.showExplore = nullptr;
    w.exploreMoveTo = nullptr;
    w.exploreNextView = nullptr;
    w.exploreMinimise = nullptr;
}

void TZMExplore::ArrangeControls() {
    if (Startup().Quitting || LaidOut) return;
    if (Startup().ScreenHeight == 0) RunStartupChecks();
    if (Startup().Quitting) return;
    LaidOut = true;
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;

    setGeometry(0, 0, W, H);
    QFont font(QString::fromLatin1(kSansFace));
    font.setPixelSize(W * 13 / 800);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    createControls();
    layout_ = ArrangeExploreLayout(W, H, ArrangeHomeLayout(W, H).iconImage.left(), 0);
    const ExploreLayout& l = layout_;
    LanPicture->setGeometry(l.lanPicture);
    PortPicture->setGeometry(l.portPicture);
    TitlePanel->setGeometry(l.titlePanel);
    QFont titleFont(QString::fromLatin1(kBookmanFace));
    titleFont.setBold(true);
    titleFont.setPixelSize(-l.titleFontHeight);
    TitlePanel->setFont(titleFont);
    CloseBtn->setGeometry(l.closeBtn);
    NextPButton->setGeometry(l.nextPButton);
    SShowButton->setGeometry(l.sShowButton);
    IconImage->setGeometry(l.iconImage);
    MapButton->setGeometry(l.mapButton);
    PicTabPanel->setGeometry(l.picTabPanel);
    EyeUpButton->setGeometry(l.eyeUpButton);
    EyeDownButton->setGeometry(l.eyeDownButton);
    Stripe->setGeometry(l.stripe);
    PutPicture(CloseBtn, CloseIcon(l.closeBtn.size()));
    PutPicture(NextPButton, NextViewIcon(l.nextPButton.size()));
    PutPicture(MapButton, MapIcon(l.mapButton.size()));
    PutPicture(EyeUpButton, EyeIcon(true, l.eyeUpButton.size()));
    PutPicture(EyeDownButton, EyeIcon(false, l.eyeDownButton.size()));
    PutPicture(GlyphDummyS, SlideshowIcon(true, l.sShowButton.size()));
    PutPicture(GlyphDummyN, SlideshowIcon(false, l.sShowButton.size()));
    PutPicture(SShowButton, (SlideGlyphIdle ? GlyphDummyN : GlyphDummyS)->icon());
    QFont captionFont(QString::fromLatin1(kSansFace));
    captionFont.setPixelSize(-l.captionFontHeight);
    LanCap->setGeometry(l.lanCap);
    LanCap->setFont(captionFont);
    PortCap->setGeometry(l.portCap);
    PortCap->setFont(captionFont);
    createTabs();
    Tabs = TabWindow{1, l.tabSlots, 0};
    createStepPanel();
}

void TZMExplore::createControls() {
    LanPicture = new ImageControl(this);
    PortPicture = new ImageControl(this);
    LanPicture->hide();
    PortPicture->hide();
    LanCap = captionBox(this, Qt::AlignHCenter);
    PortCap = captionBox(this, Qt::AlignLeft);
    TitlePanel = new QLabel(QStringLiteral("Vantora   Fernvales"), this);
    TitlePanel->setAlignment(Qt::AlignCenter);
    TitlePanel->setWordWrap(true);
    CloseBtn = hintedButton(this, QStringLiteral("X"), "Exit Vantora Fernvales");
    MapButton =
        hintedButton(this, QStringLiteral("Map"), "See map (Zero key or Ctrl while held down)");
    NextPButton = hintedButton(this, QStringLiteral(">"), "Next view (Enter key)");
    GlyphDummyS = new QPushButton(QStringLiteral("\u25A0"), this);
    GlyphDummyN = new QPushButton(QStringLiteral("\u25B7\u25B7"), this);
    for (QPushButton* dummy : {GlyphDummyS, GlyphDummyN}) {
        dummy->setEnabled(false);
        dummy->hide();
    }
    SShowButton = hintedButton(this, GlyphDummyN->text(), "Start/stop local slideshow (F5)");
    IconImage = new ImageControl(this);
    iconArt_ = PaintIconImage();
    IconImage->setImage(&iconArt_);
    IconImage->setToolTip(QStringLiteral("Go to control screen (Home key)"));
    IconImage->setCursor(Qt::PointingHandCursor);

    PicTabPanel = new QWidget(this);
    EyeUpButton =
        hintedButton(PicTabPanel, QStringLiteral("\u25B2"), "Scroll up view tabs (Page Up key)");
    EyeDownButton = hintedButton(PicTabPanel, QStringLiteral("\u25BC"),
                                 "Scroll down view tabs (Page Down key)");
    Stripe = new QPushButton(PicTabPanel);
    Stripe->setEnabled(false);

    UpTimer = disabledTimer(this);
    DownTimer = disabledTimer(this);
    ShowTimer = disabledTimer(this);
    ToViewTimer = disabledTimer(this);
    ToShowTimer = disabledTimer(this);
    ToCacheTimer = disabledTimer(this);
    FocusTimer = disabledTimer(this);
    for (QTextEdit* box : {LanCap, PortCap}) {
        box->installEventFilter(this);
        connect(box, &QTextEdit::selectionChanged, this,
                [this, box] { CaptionSelectionChange(box); });
    }
    MapButton->installEventFilter(this);
    connect(FocusTimer, &QTimer::timeout, this, &TZMExplore::FocusTimerTimer);

    connect(LanPicture, &ImageControl::clicked, this, &TZMExplore::NextPButtonClick);
    connect(PortPicture, &ImageControl::clicked, this, &TZMExplore::NextPButtonClick);
    connect(NextPButton, &QPushButton::clicked, this, &TZMExplore::NextPButtonClick);
    connect(MapButton, &QPushButton::clicked, this, &TZMExplore::MapButtonClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TZMExplore::CloseBtnClick);
    connect(IconImage, &ImageControl::clicked, this, &TZMExplore::IconImageClick);
    connect(EyeUpButton, &QPushButton::pressed, this, &TZMExplore::EyeUpButtonMouseDown);
    connect(EyeDownButton, &QPushButton::pressed, this, &TZMExplore::EyeDownButtonMouseDown);
    connect(EyeUpButton, &QPushButton::released, this, &TZMExplore::EyeButtonMouseUp);
    connect(EyeDownButton, &QPushButton::released, this, &TZMExplore::EyeButtonMouseUp);
    connect(UpTimer, &QTimer::timeout, this, &TZMExplore::UpTimerTimer);
    connect(DownTimer, &QTimer::timeout, this, &TZMExplore::DownTimerTimer);
    connect(SShowButton, &QPushButton::clicked, this, &TZMExplore::SShowButtonClick);
    connect(ShowTimer, &QTimer::timeout, this, &TZMExplore::ShowTimerTimer);
    connect(ToViewTimer, &QTimer::timeout, this, &TZMExplore::ToViewTimerTimer);
    connect(ToShowTimer, &QTimer::timeout, this, &TZMExplore::ToShowTimerTimer);
    connect(ToCacheTimer, &QTimer::timeout, this, &TZMExplore::ToCacheTimerTimer);
}

void TZMExplore::createTabs() {
    QFont tabFont = font();
    tabFont.setBold(true);
    TabButtons.reserve(kMaxViewTabs);
    for (int i = 1; i <= kMaxViewTabs; ++i) {
        auto* tab = new QPushButton(QString::number(i), PicTabPanel);
        tab->setFont(tabFont);
        tab->setToolTip(QStringLiteral("See view %1").arg(i));
        tab->setFocusPolicy(Qt::NoFocus);
        tab->setGeometry(0, TabTop(layout_, i, 1), layout_.tabWidth, layout_.tabHeight);
        tab->setStyleSheet(QStringLiteral("color: black;"));
        tab->hide();
        connect(tab, &QPushButton::clicked, this, [this, i] { TabBtnClick(i); });
        TabButtons.push_back(tab);
    }
    Stripe->raise();
}

void TZMExplore::TearDown() {
    for (QTimer* timer :
         {UpTimer, DownTimer, ShowTimer, ToViewTimer, ToShowTimer, ToCacheTimer, FocusTimer})
        if (timer) timer->stop();
}

TMapWin* TZMExplore::mapWindow() const { return qobject_cast<TMapWin*>(Windows().MapWin.data()); }

void TZMExplore::removeFocus() {
    if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void TZMExplore::showEvent(QShowEvent*) {
    if (Startup().Quitting) return;
    if (TStage* stage = Stage()) stage->setCurrentScreen(this);
    FormShow();
}

void TZMExplore::hideEvent(QHideEvent*) { FormHide(); }

void TZMExplore::FormShow() {
    if (!LaidOut) ArrangeControls();
    ExploreState& e = Explore();
    if (Startup().Quitting || e.CurrentPlace < 0) return;
    const int mode = e.ArrivalMode;
    const bool peeking = mode == kArrivePeekDuringSlideshow || mode == kArrivePeekDuringView;
    if (peeking) e.ArrivalMode = kArriveShowMap;
    ArriveAt(e.CurrentPlace);
    if (auto* london = qobject_cast<TZMLondon*>(Windows().ZMLondon.data()))
        london->UpdateLondonInset();
    if (Explore().ExploreInSet) clearHistory();
    syncWithinSet();
    if (peeking && peekStillHolds()) {
        e.ArrivalMode = mode;
        EndPeek();
    }
}

void TZMExplore::ArriveAtCurrentPlace() {
    if (!isVisible()) return show();
    if (TStage* stage = Stage()) stage->setCurrentScreen(this);
    if (LaidOut) LeavePlace(false, Explore().CurrentPlace);
    FormShow();
}

void TZMExplore::FormHide() {
    if (!LaidOut || Explore().CurrentPlace < 0) return;
    LeavePlace(false, Explore().CurrentPlace);
    const ShellWindows& w = Windows();
    if (w.hideMap) w.hideMap();
    for (QWidget* companion : {w.MapKey.data(), w.ZMLondon.data()})
        if (companion) companion->hide();
}

void TZMExplore::IconImageClick() {
    if (CurrentView > 0) savePeek();
    if (QWidget* home = Windows().ZMHomeWin) home->show();
    hide();
}

void TZMExplore::CloseBtnClick() {
    if (CurrentView > 0) savePeek();
    removeFocus();
    if (Windows().requestExit) Windows().requestExit(ExitRequester::ExploreScreen);
}

bool TZMExplore::FormKeyUp(QKeyEvent* event) {
    if (event->key() != Qt::Key_Shift && event->key() != Qt::Key_Control) return false;
    EndPeek();
    return true;
}

// A step key acts only when its button is shown and enabled.
void TZMExplore::clickStep(QPushButton* button) {
    if (button->isVisibleTo(this) && button->isEnabled()) button->click();
}

// Alt+A about box, Alt+H help, Alt+P the map's print item while the map shows, Alt+U printer
// set-up; other Alt combinations do nothing.
bool TZMExplore::altKeyDown(int key) {
    const ShellWindows& w = Windows();
    const std::function<void()>* action = nullptr;
    if (key == Qt::Key_A) action = &w.showAbout;
    if (key == Qt::Key_H) action = &w.toggleHelp;
    if (key == Qt::Key_U) action = &w.printerSetup;
    if (key == Qt::Key_P && CurrentView == 0) action = &w.printMap;
    if (action && *action) (*action)();
    return true;
}

bool TZMExplore::FormKeyDown(QKeyEvent* event) {
    if (event->modifiers() & Qt::AltModifier)
        return event->key() == Qt::Key_Alt ? false : altKeyDown(event->key());
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        const int tab = key - Qt::Key_0;
        if (Tabs.visible(tab)) TabBtnClick(tab);
        return true;
    }
    switch (key) {
        case Qt::Key_PageUp:
            if (EyeUpButton->isEnabled()) ScrollTabsUp();
            return true;
        case Qt::Key_PageDown:
            if (EyeDownButton->isEnabled()) ScrollTabsDown();
            return true;
        case Qt::Key_Home:
            IconImageClick();
            return true;
        case Qt::Key_0:
            if (MapButton->isEnabled()) MapButtonClick();
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            if (BackButton->isEnabled()) BackButtonClick();
            return true;
        case Qt::Key_Left:
            clickStep(AClockButton->isVisibleTo(this) ? AClockButton : WestButton);
            return true;
        case Qt::Key_Right:
            clickStep(ClockButton->isVisibleTo(this) ? ClockButton : EastButton);
            return true;
        case Qt::Key_Up:
            if (!ClockButton->isVisibleTo(this)) clickStep(NorthButton);
            return true;
        case Qt::Key_Down:
            if (!ClockButton->isVisibleTo(this)) clickStep(SouthButton);
            return true;
        case Qt::Key_Shift:
        case Qt::Key_Control:
            StartPeek();
            return true;
        case Qt::Key_F5:
            if (SShowButton->isEnabled()) SShowButtonClick();
            return true;
        case Qt::Key_Escape:
            // Escape presses the slideshow button while a local slideshow runs.
            if (!slideshowRunning()) return false;
            SShowButtonClick();
            return true;
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_F1:
            return false;
        default:
            if (NextPButton->isEnabled()) NextPButtonClick();
            return true;
    }
}
