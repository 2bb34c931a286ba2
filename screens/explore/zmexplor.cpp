#include "screens/explore/zmexplor.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

#include "app/colours.h"
#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/pictures.h"
#include "platform/fontsetup.h"
#include "screens/common/drawnicon.h"
#include "screens/common/imagecontrol.h"
#include "screens/common/shellart.h"
#include "screens/explore/buttonart.h"
#include "screens/explore/captionlinks.h"
#include "screens/explore/digitkeys.h"
#include "screens/explore/explorecaption.h"
#include "screens/explore/exploremenu.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/localslideshow.h"
#include "screens/explore/steppanel.h"
#include "screens/explore/viewtabcolumn.h"
#include "screens/home/homelayout.h"

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
    box->setContextMenuPolicy(Qt::NoContextMenu);  // the screen's menu
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

constexpr int kLoaderRetry = 500;

bool onLondonInset(int place) {
    return (Content().place(place).PlaceFlags2 & kPlaceOnLondonInset) != 0;
}
bool peekPending() {
    const int mode = Explore().ArrivalMode;
    return mode == kArrivePeekDuringSlideshow || mode == kArrivePeekDuringView;
}
constexpr int kFocusHold = 1000;

}  // namespace

TZMExplore::TZMExplore(QWidget* parent) : QWidget(parent) {
    Windows().ZMExplore = this;
    EPopupMenu = new ExploreMenu(*this);
    hide();
}

TZMExplore::~TZMExplore() = default;

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
    Slideshow->Arrange(l.sShowButton);
    IconImage->setGeometry(l.iconImage);
    MapButton->setGeometry(l.mapButton);
    PicTabPanel->Arrange(l, font);
    PutPicture(CloseBtn, CloseIcon(l.closeBtn.size()));
    PutPicture(NextPButton, NextViewIcon(l.nextPButton.size()));
    PutPicture(MapButton, MapIcon(l.mapButton.size()));
    QFont captionFont(QString::fromLatin1(kSansFace));
    captionFont.setPixelSize(-l.captionFontHeight);
    LanCap->setGeometry(l.lanCap);
    LanCap->setFont(captionFont);
    PortCap->setGeometry(l.portCap);
    PortCap->setFont(captionFont);
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
    Slideshow = new LocalSlideshow(*this);
    IconImage = new ImageControl(this);
    iconArt_ = PaintIconImage();
    IconImage->setImage(&iconArt_);
    IconImage->setToolTip(QStringLiteral("Go to control screen (Home key)"));
    IconImage->setCursor(Qt::PointingHandCursor);

    PicTabPanel = new ViewTabColumn(this);

    ToViewTimer = disabledTimer(this);
    ToCacheTimer = disabledTimer(this);
    FocusTimer = disabledTimer(this);
    MapButton->setContextMenuPolicy(Qt::PreventContextMenu);  // its right button peeks
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
    connect(PicTabPanel, &ViewTabColumn::tabClicked, this, &TZMExplore::TabBtnClick);
    connect(ToViewTimer, &QTimer::timeout, this, &TZMExplore::ToViewTimerTimer);
    connect(ToCacheTimer, &QTimer::timeout, this, &TZMExplore::ToCacheTimerTimer);
}

void TZMExplore::TearDown() {
    for (QTimer* timer : {PicTabPanel->UpTimer, PicTabPanel->DownTimer, Slideshow->ShowTimer,
                          ToViewTimer, Slideshow->ToShowTimer, ToCacheTimer, FocusTimer})
        if (timer) timer->stop();
}

void TZMExplore::createStepPanel() {
    StepPanel = new ExploreStepPanel(layout_.steps, this);
    connect(StepPanel, &ExploreStepPanel::stepRequested, this, [this](int place) {
        removeFocus();
        StepTo(place);
    });
    connect(StepPanel, &ExploreStepPanel::backRequested, this, &TZMExplore::goBackTo);
    connect(StepPanel, &ExploreStepPanel::withinSetClicked, this, &TZMExplore::WithinSetClick);
}

void TZMExplore::goBackTo(int place) {
    removeFocus();
    LeavePlace(false, place);
    Explore().CurrentPlace = place;
    ArriveAt(place);
}

void TZMExplore::WithinSetClick() {
    if (!HasFoundSet() || !StepPanel->WithinSet->isEnabled()) return;
    ExploreState& e = Explore();
    e.ExploreInSet = StepPanel->WithinSet->isChecked();
    int target = e.CurrentPlace;
    if (e.ExploreInSet && !IsInFoundSet(target)) {
        const PlaceRecord& here = Content().place(target);
        const int nearest = NearestFoundPlace(here.x, here.y, kAnyDistance);
        if (nearest != -1) target = nearest;
    }
    LeavePlace(false, target);
    e.CurrentPlace = target;
    ArriveAt(target);
    if (e.ExploreInSet) StepPanel->ClearHistory();
    emit londonColoursOutdated();
    emit mapRepaintRequested();
}

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
    // Found-set mode needs a found set: a search that found nothing ends it.
    if (!HasFoundSet()) e.ExploreInSet = false;
    if (Startup().Quitting || e.CurrentPlace < 0) return;
    const int mode = e.ArrivalMode;
    const bool peeking = mode == kArrivePeekDuringSlideshow || mode == kArrivePeekDuringView;
    if (peeking) e.ArrivalMode = kArriveShowMap;
    ArriveAt(e.CurrentPlace);
    emit londonColoursOutdated();
    if (Explore().ExploreInSet) StepPanel->ClearHistory();
    StepPanel->SyncWithinSet();
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
    emit mapHideRequested();
}

void TZMExplore::IconImageClick() {
    if (CurrentView > 0) savePeek();
    emit controlScreenRequested();
    hide();
}

void TZMExplore::CloseBtnClick() {
    if (CurrentView > 0) savePeek();
    removeFocus();
    emit exitRequested(ExitRequester::ExploreScreen);
}

bool TZMExplore::FormKeyUp(QKeyEvent* event) {
    if (event->key() != Qt::Key_Shift && event->key() != Qt::Key_Control) return false;
    EndPeek();
    return true;
}

// Alt+A about box, Alt+H help, Alt+P the map's print item while the map shows and the view's
// otherwise, Alt+U printer set-up; other Alt combinations do nothing.
bool TZMExplore::altKeyDown(int key) {
    if (key == Qt::Key_A) EPopupMenu->About->trigger();
    if (key == Qt::Key_H) EPopupMenu->EHelp->trigger();
    if (key == Qt::Key_U) EPopupMenu->EPrinterSetup->trigger();
    if (key == Qt::Key_P) {
        if (CurrentView == 0)
            emit printMapRequested();
        else
            EPopupMenu->EPrint->trigger();
    }
    return true;
}

void TZMExplore::contextMenuEvent(QContextMenuEvent* event) {
    if (EPopupMenu && !Startup().Quitting) EPopupMenu->popup(event->globalPos());
}

bool TZMExplore::FormKeyDown(QKeyEvent* event) {
    if (event->modifiers() & Qt::AltModifier)
        return event->key() == Qt::Key_Alt ? false : altKeyDown(event->key());
    const int key = event->key();
    const int digit = DigitOfKey(key, event->modifiers(), event->nativeScanCode());
    if (digit == 0) {
        if (MapButton->isEnabled()) MapButtonClick();
        return true;
    }
    if (digit > 0) {
        if (PicTabPanel->Tabs.visible(digit)) TabBtnClick(digit);
        return true;
    }
    if (StepPanel->StepKeyDown(key)) return true;
    switch (key) {
        case Qt::Key_PageUp:
            if (PicTabPanel->EyeUpButton->isEnabled()) PicTabPanel->ScrollTabsUp();
            return true;
        case Qt::Key_PageDown:
            if (PicTabPanel->EyeDownButton->isEnabled()) PicTabPanel->ScrollTabsDown();
            return true;
        case Qt::Key_Home:
            IconImageClick();
            return true;
        case Qt::Key_Shift:
        case Qt::Key_Control:
            StartPeek();
            return true;
        case Qt::Key_F5:
            if (Slideshow->SShowButton->isEnabled()) Slideshow->SShowButtonClick();
            return true;
        case Qt::Key_Escape:
            // Escape presses the slideshow button while a local slideshow runs.
            if (!Slideshow->Running()) return false;
            Slideshow->SShowButtonClick();
            return true;
        case Qt::Key_F1:
            EPopupMenu->EHelp->trigger();
            return true;
        case Qt::Key_Meta:
        case Qt::Key_Alt:
            return false;
        default:
            if (NextPButton->isEnabled()) NextPButtonClick();
            return true;
    }
}

// Arriving at and leaving a place, showing its views and the map, the tab column.
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
    PicTabPanel->ShowTabsFor(ViewsHere);
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
            Slideshow->StartOnArrival(interval);
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
        e.ArrivalMode = Slideshow->Running() ? kArriveStartSlideshow : kArriveShowMap;
    if (Slideshow->Running()) Slideshow->Stop();
    Slideshow->StartFrom(1);
    PicTabPanel->MarkTab(0);
    CurrentView = 0;
    ToViewTimer->stop();
    Slideshow->ToShowTimer->stop();
    ToCacheTimer->stop();
    if (Pictures().LoadingView.load() != -1) CancelPictureLoad(false);
}

void TZMExplore::ShowView(int n) {
    if (n < 1 || n > ViewsHere || n == CurrentView) return;
    const int v = viewIndex(n);
    ToViewTimer->stop();
    Slideshow->ToShowTimer->stop();
    ToCacheTimer->stop();
    const int loading = Pictures().LoadingView.load();
    if (loading != -1 && loading != v) CancelPictureLoad(true);

    const QImage* picture = GetPicture(v);
    if (!picture || Startup().Quitting) return;

    if (CurrentView == 0) emit mapHideRequested();
    removeFocus();
    PicTabPanel->MarkTab(n);
    CurrentView = n;

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
    if (Slideshow->Running()) Slideshow->Stop();
    PicTabPanel->MarkTab(0);
    CurrentView = 0;
    LanPicture->hide();
    PortPicture->hide();
    LanCap->hide();
    PortCap->hide();
    emit mapShowRequested();
}

void TZMExplore::NextPButtonClick() {
    removeFocus();
    if (Slideshow->Running())
        Slideshow->ShowTimerTimer();
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

// The map peek: Ctrl or Shift held on a view shows the map; releasing it brings the view or the
// slideshow back, or, after a move, the new place's first view or slideshow.
void TZMExplore::savePeek() {
    ExploreState& e = Explore();
    e.ArrivalMode = Slideshow->Running() ? kArrivePeekDuringSlideshow : kArrivePeekDuringView;
    PeekView = CurrentView;
    PeekPlace = e.CurrentPlace;
    PeekInSet = e.ExploreInSet;
    PeekGeneration = Content().FoundGeneration;
}

bool TZMExplore::peekStillHolds() const {
    const ExploreState& e = Explore();
    return PeekPlace == e.CurrentPlace && PeekInSet == e.ExploreInSet &&
           PeekGeneration == Content().FoundGeneration;
}

void TZMExplore::StartPeek() {
    if (CurrentView == 0 || peekPending()) return;
    savePeek();
    ShowMap();
}

void TZMExplore::EndPeek() {
    if (!peekPending()) return;
    ExploreState& e = Explore();
    const bool duringSlideshow = e.ArrivalMode == kArrivePeekDuringSlideshow;
    if (peekStillHolds()) {
        if (duringSlideshow) {
            Slideshow->StartFrom(PeekView);
            Slideshow->SShowButtonClick();
            e.ArrivalMode = kArriveStartSlideshow;
        } else {
            ShowView(PeekView);
            e.ArrivalMode = kArriveShowFirstView;
        }
    } else if (CurrentView == 0) {
        if (duringSlideshow) {
            e.ArrivalMode = kArriveStartSlideshow;
            Slideshow->ToShowTimerTimer();
        } else {
            e.ArrivalMode = kArriveShowFirstView;
            ToViewTimerTimer();
        }
    } else {
        e.ArrivalMode = kArriveShowFirstView;
    }
}

// Caption links, the caption boxes' hold on the focus, and the map button's right button.
void TZMExplore::CaptionSelectionChange(QTextEdit* box) {
    if (!box->isVisibleTo(this)) return;
    FocusTimer->stop();
    const QString selection = box->textCursor().selectedText();
    const int place = CaptionLinkPlace(selection, box == LanCap, Explore().ExploreInSet);
    removeFocus();
    if (place == -1 || place == Explore().CurrentPlace)
        box->moveCursor(QTextCursor::Start);
    else
        StepTo(place);
}

// The screen's keys work again a second after a caption box took the focus.
void TZMExplore::FocusTimerTimer() {
    FocusTimer->stop();
    removeFocus();
}

bool TZMExplore::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == LanCap || watched == PortCap))
        FocusTimer->start(kFocusHold);
    if (watched == MapButton && (event->type() == QEvent::MouseButtonPress ||
                                 event->type() == QEvent::MouseButtonRelease)) {
        const bool right = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        // Any button but the right one shows the map as it goes down; the right button
        // released over the button ends a map peek.
        if (event->type() == QEvent::MouseButtonPress && !right) {
            if (MapButton->isEnabled()) MapButtonClick();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && right) EndPeek();
    }
    return QWidget::eventFilter(watched, event);
}
