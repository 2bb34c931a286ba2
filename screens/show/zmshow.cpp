#include "screens/show/zmshow.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "app/colours.h"
#include "app/messages.h"
#include "app/shutdown.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/pictures.h"
#include "content/showlist.h"
#include "platform/animationclock.h"
#include "platform/fontsetup.h"
#include "screens/common/fontfit.h"
#include "screens/common/pictureview.h"
#include "screens/explore/explorecaption.h"
#include "screens/explore/explorestate.h"
#include "screens/show/producttext.h"
#include "screens/show/showart.h"
#include "screens/show/showmusic.h"
#include "screens/show/showstate.h"
#include "screens/show/textstrip.h"

namespace {

constexpr int kLoaderRetryMs = 200;
constexpr int kScrollTickMs = 14;
constexpr int kExplosionStepMs = 1;
// The scrolling titles' face never gets smaller than this, whatever the box.
constexpr int kSmallestScrollPixels = 9;

bool isPlace(int place) {
    const ContentStore& c = Content();
    return c.loaded() && place >= 0 && place < c.PlaceCount;
}

bool onLondonInset(int place) {
    return isPlace(place) && (Content().place(place).PlaceFlags2 & kPlaceOnLondonInset) != 0;
}

void hideAll(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) control->hide();
}

QTimer* oneShot(QObject* owner) {
    auto* timer = new QTimer(owner);
    timer->setSingleShot(true);
    return timer;
}

QLabel* textLabel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setAlignment(alignment);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    label->hide();
    return label;
}

QToolButton* glyphButton(QWidget* parent, const QIcon& icon, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setIcon(icon);
    button->setIconSize(QSize(26, 26));
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TZMShowWin::TZMShowWin(QWidget* parent) : QWidget(parent) {
    Windows().ZMShowWin = this;
    hide();
    clock_.start();
    createControls();
}

TZMShowWin::~TZMShowWin() { stopScrollClock(); }

void TZMShowWin::createControls() {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::Base, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Text, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    LanPicture = new PictureView(this);
    PortPicture = new PictureView(this);
    LanPicture->hide();
    PortPicture->hide();
    PlacenamePanel = textLabel(this, Qt::AlignCenter);
    PlacenameMemo = textLabel(this, Qt::AlignLeft | Qt::AlignTop);
    PlacenameMemo->setWordWrap(true);

    CapSpace = new QTextEdit(this);
    CapSpace->setReadOnly(true);
    CapSpace->setFrameShape(QFrame::NoFrame);
    CapSpace->setFocusPolicy(Qt::NoFocus);  // entering it gives the focus straight back
    CapSpace->setAlignment(Qt::AlignCenter);
    CapSpace->document()->setDefaultTextOption(QTextOption(Qt::AlignCenter));
    CapSpace->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CapSpace->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CapSpace->hide();

    TextScrollBox = new QScrollArea(this);
    TextScrollBox->setFrameShape(QFrame::NoFrame);
    TextScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextScrollBox->setFocusPolicy(Qt::NoFocus);
    TextScrollBox->setWidgetResizable(false);
    auto* strip = new QWidget;
    strip->setAutoFillBackground(true);
    strip->setPalette(colours);
    TextPaintBox = new TextStrip(strip);
    TextScrollBox->setWidget(strip);
    TextScrollBox->hide();

    StopButton = glyphButton(this, StopIcon(QSize(32, 32)), "Stop to explore here (Esc key)");
    GoBackButton =
        glyphButton(this, GoBackIcon(QSize(32, 32)), "Back to control screen (Home key)");
    MusicButton = glyphButton(this, MusicIcon(QSize(32, 32)), "Music on/off");
    TitlePanel = new QWidget(this);
    LogoImage = new QLabel(TitlePanel);
    SideTitle = new QLabel(TitlePanel);
    SpeedButton1 = glyphButton(TitlePanel, ExitIcon(QSize(28, 28)), "Exit Vantora Fernvales");

    music_ = new ShowMusicPlayer(this);
    ShowMusic = music_->ShowMusic;
    MusicRepTimer = music_->MusicRepTimer;
    FirstPicTimer = oneShot(this);
    NextPicTimer = oneShot(this);
    BackToMapTimer = oneShot(this);
    NewMapPlaceTimer = oneShot(this);
    ExplodeTimer = oneShot(this);

    connect(StopButton, &QToolButton::clicked, this, &TZMShowWin::StopButtonClick);
    connect(GoBackButton, &QToolButton::clicked, this, &TZMShowWin::GoBackButtonClick);
    connect(MusicButton, &QToolButton::clicked, this, &TZMShowWin::MusicButtonClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TZMShowWin::SpeedButton1Click);
    connect(FirstPicTimer, &QTimer::timeout, this, &TZMShowWin::FirstPicTimerTimer);
    connect(NextPicTimer, &QTimer::timeout, this, &TZMShowWin::NextPicTimerTimer);
    connect(BackToMapTimer, &QTimer::timeout, this, &TZMShowWin::BackToMapTimerTimer);
    connect(NewMapPlaceTimer, &QTimer::timeout, this, &TZMShowWin::NewMapPlaceTimerTimer);
    connect(ExplodeTimer, &QTimer::timeout, this, &TZMShowWin::ExplodeTimerTimer);
}

void TZMShowWin::ArrangeControls() {
    if (LaidOut || Startup().ScreenHeight == 0 || Startup().Quitting) return;
    LaidOut = true;
    if (!QFileInfo::exists(QString::fromStdString(StandardShowMusicPath()))) {
        StopStartupWithError(kCannotReadDataFiles);
        return;
    }
    const int W = Startup().ScreenWidth;
    layout_ = ArrangeShowLayout(W, Startup().ScreenHeight);
    const ShowLayout& l = layout_;
    setGeometry(l.window);
    ScrollStep = W > 800 ? 2 : 1;

    LanPicture->setGeometry(l.lanPicture);
    PortPicture->setGeometry(l.portPicture);
    QFont nameFont(QString::fromLatin1(kSansFace));
    nameFont.setPixelSize(l.placenameFontHeight);
    nameFont.setBold(true);
    PlacenamePanel->setGeometry(l.placenamePanel);
    PlacenameMemo->setGeometry(l.placenameMemo);
    PlacenamePanel->setFont(nameFont);
    PlacenameMemo->setFont(nameFont);

    StopButton->setGeometry(l.stopButton);
    GoBackButton->setGeometry(l.goBackButton);
    MusicButton->setGeometry(l.musicButton);
    TitlePanel->setGeometry(l.titlePanel);
    LogoImage->setGeometry(l.logoImage);
    logoArt_ = PaintShowLogo(l.logoImage.size());
    LogoImage->setPixmap(QPixmap::fromImage(logoArt_));
    SideTitle->setGeometry(l.sideTitle);
    sideTitleArt_ = PaintSideTitle(l.sideTitle.size());
    SideTitle->setPixmap(QPixmap::fromImage(sideTitleArt_));
    SpeedButton1->setGeometry(l.exitButton);

    TextScrollBox->setGeometry(l.textScrollBox);
    QFont scrollFont(QString::fromLatin1(kBookmanFace));
    scrollFont.setBold(true);
    // The box's height, less what the descenders need to stay inside it.
    const int room = l.textScrollBox.height() - l.textOffsetY;
    scrollFont.setPixelSize(
        LargestPixelSizeWithin(scrollFont, l.textScrollBox.height(), kSmallestScrollPixels, room));
    TextPaintBox->setFont(scrollFont);
    TextPaintBox->setTextOffsetY(l.textOffsetY);
    TextPaintBox->setGeometry(0, 0, 0, l.textScrollBox.height());

    CapSpace->setGeometry(0, l.capTopLow, W, l.capSpaceHeight);
    QFont capFont(QString::fromLatin1(kSansFace));
    capFont.setPixelSize(l.capFontHeight);
    CapSpace->setFont(capFont);
    CapSpace->document()->setDefaultFont(capFont);
}

void TZMShowWin::showEvent(QShowEvent* event) {
    if (event->spontaneous() || Startup().Quitting) return;
    if (TStage* stage = Stage()) stage->setCurrentScreen(this);
    FormShow();
}

void TZMShowWin::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) FormHide();
}

void TZMShowWin::FormShow() {
    ShowState& s = ShowWindowState();
    if (Startup().Quitting || !isPlace(s.ShowPlace)) return;
    CaptionsMode = s.Options.TextMode == ShowTextMode::Captions;
    ScrollingTitlesMode = s.Options.TextMode == ShowTextMode::ScrollingTitles;

    emit mapInputEnabled(false);
    hideAll({PlacenameMemo, PlacenamePanel, CapSpace, TextScrollBox, PortPicture, LanPicture});
    emit londonInsetPrepareRequested();

    // The list starts again from here once every place has been shown.
    Content().ShowStart = s.ShowPlace;
    arriveOnMap(s.ShowPlace);
    s.ShowView = NextShowView(s.ShowPlace, -1);
    startOpen(s.ShowView);

    s.ShowStopped = false;
    s.ProductTextStep = 0;
    if (!CaptionsMode && !ScrollingTitlesMode) startProductText();
    if (s.Options.MusicOn) music_->Start(s.Options.UserMusic);
    FirstPicTimer->start(Explore().ShowInterval);
}

// The map shows the place with its dot flashing, and its name as the map-stage title.
void TZMShowWin::arriveOnMap(int place) {
    emit mapMoveRequested(place);
    ShowWindowState().ShowMapPlace = place;
    Explore().LondonWanted = onLondonInset(place);
    emit mapShowRequested();
    mapStageTitle(place);
}

void TZMShowWin::startOpen(int view) {
    if (view >= 0) StartPictureLoad(view);
}

bool TZMShowWin::loaderBusyWith(int view) const {
    return view >= 0 && Pictures().LoadingView.load() == view;
}

void TZMShowWin::FirstPicTimerTimer() {
    FirstPicTimer->stop();
    const ShowState& s = ShowWindowState();
    if (s.ShowStopped || Startup().Quitting) return;
    // A place with nothing of this show's kind is passed by: on to the next place.
    if (s.ShowView == -1) return BackToMapTimerTimer();
    if (loaderBusyWith(s.ShowView)) {
        FirstPicTimer->start(kLoaderRetryMs);
        return;
    }
    startExplosion();
}

void TZMShowWin::startExplosion() {
    const ShowState& s = ShowWindowState();
    const bool portrait = Content().view(s.ShowView).isPortrait();
    const QRect area = portrait ? layout_.portPicture : layout_.lanPicture;
    const PlaceRecord& p = Content().place(s.ShowPlace);
    const QPoint dot(p.x - mapScroll_.x() - 1, p.y - mapScroll_.y() - 1);
    if (!isVisible()) return;
    const QWidget* map = Windows().MapWin;
    if (!map || !map->isVisible()) return showNextView(false);
    frames_ = ExplosionFrames(dot, area);
    frame_ = 2;
    emit mapFlashStopRequested();
    emit explosionStepRequested(frames_[0], frames_[1]);
    ExplodeTimer->start(kExplosionStepMs);
}

void TZMShowWin::ExplodeTimerTimer() {
    ExplodeTimer->stop();
    if (ShowWindowState().ShowStopped || Startup().Quitting) return;
    if (frame_ >= kExplosionFrames) return showNextView(true);
    emit explosionStepRequested(frames_[static_cast<size_t>(frame_ - 1)],
                                frames_[static_cast<size_t>(frame_)]);
    ++frame_;
    ExplodeTimer->start(kExplosionStepMs);
}

void TZMShowWin::NextPicTimerTimer() {
    NextPicTimer->stop();
    const ShowState& s = ShowWindowState();
    if (s.ShowStopped || Startup().Quitting) return;
    if (loaderBusyWith(s.ShowView)) {
        NextPicTimer->start(kLoaderRetryMs);
        return;
    }
    showNextView(false);
}

void TZMShowWin::showNextView(bool fromExplosion) {
    ShowState& s = ShowWindowState();
    if (fromExplosion) {
        emit mapHideRequested();
        emit mapRepaintRequested();  // clears the explosion's trail for the next visit
    }
    displayPicture(s.ShowView);
    s.LastShownView = s.ShowView;
    s.ShowView = NextShowView(s.ShowPlace, s.LastShownView);
    if (s.ShowStopped) return;
    if (s.ShowView != -1) {
        startOpen(s.ShowView);
        NextPicTimer->start(Explore().ShowInterval);
    } else {
        Explore().LondonWanted = onLondonInset(s.ShowPlace);
        BackToMapTimer->start(Explore().ShowInterval);
    }
}

void TZMShowWin::BackToMapTimerTimer() {
    BackToMapTimer->stop();
    ShowState& s = ShowWindowState();
    if (s.ShowStopped || Startup().Quitting) return;
    emit mapShowRequested();
    hideAll({PortPicture, CapSpace, PlacenameMemo, PlacenamePanel});
    if (ScrollingTitlesMode) TextScrollBox->hide();
    s.ShowPlace = TakeFromShowList(s.ShowPlace);
    s.ShowView = NextShowView(s.ShowPlace, -1);
    NewMapPlaceTimer->start(Explore().ShowInterval / 3);
}

void TZMShowWin::NewMapPlaceTimerTimer() {
    NewMapPlaceTimer->stop();
    ShowState& s = ShowWindowState();
    if (s.ShowStopped || Startup().Quitting) return;
    if (isPlace(s.ShowPlace)) arriveOnMap(s.ShowPlace);
    startOpen(s.ShowView);
    FirstPicTimer->start(Explore().ShowInterval * 2 / 3);
}

void TZMShowWin::displayPicture(int view) {
    const int loading = Pictures().LoadingView.load();
    if (loading != -1 && loading != view) CancelPictureLoad(false);
    const QImage* picture = GetPicture(view);
    bool portrait = Content().view(view).isPortrait();
    if (picture) {
        portrait = picture->width() < picture->height();
        PictureView* shown = portrait ? PortPicture : LanPicture;
        shown->setPicture(*picture);
        shown->show();
        // A hidden control's copy of an earlier picture is a megabyte nobody sees.
        PictureView* other = portrait ? LanPicture : PortPicture;
        other->hide();
        other->clear();
    }
    displayText(view, portrait);
}

void TZMShowWin::displayText(int view, bool portrait) {
    CapSpace->hide();
    TextScrollBox->setEnabled(false);
    const ViewRecord& record = Content().view(view);
    const CaptionText caption = CaptionOf(record, true);
    if (CaptionsMode || ScrollingTitlesMode) {
        TextScrollBox->hide();
        PlacenameMemo->hide();
        PlacenamePanel->hide();
    }
    if (CaptionsMode) {
        CapSpace->move(0, portrait ? layout_.capTopLow : layout_.capTopMid);
        FillCaption(CapSpace, caption);
        CapSpace->show();
    } else if (ScrollingTitlesMode) {
        scrollTextFor(caption.heading, Explore().ShowInterval);
    } else {
        QLabel* shown = portrait ? PlacenameMemo : PlacenamePanel;
        shown->setText(caption.heading);
        shown->show();
        (portrait ? PlacenamePanel : PlacenameMemo)->hide();
    }
}

void TZMShowWin::mapStageTitle(int place) {
    if (!CaptionsMode && !ScrollingTitlesMode) return;
    CapSpace->hide();
    TextScrollBox->hide();
    CapSpace->clear();
    CapSpace->move(0, layout_.capTopLow);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor cursor(CapSpace->document());
    cursor.insertText(QString::fromLatin1(PlaceName(place).c_str()), bold);
    CapSpace->show();
}

void TZMShowWin::scrollTextFor(const QString& text, int durationMs) {
    stopScrollClock();
    const int boxWidth = layout_.textScrollBox.width();
    const int textWidth = TextPaintBox->fontMetrics().horizontalAdvance(text);
    scroll_.begin(textWidth, boxWidth, Startup().ScreenWidth, durationMs, clock_.elapsed());
    scrollText_ = text;
    TextPaintBox->setText(text);
    TextScrollBox->widget()->resize(boxWidth + scroll_.range(), layout_.textScrollBox.height());
    TextPaintBox->setGeometry(scroll_.margin(), 0, textWidth, layout_.textScrollBox.height());
    TextScrollBox->horizontalScrollBar()->setValue(0);
    TextScrollBox->show();
    if (ShowWindowState().ShowStopped) return;
    clockOwned_ = AnimationClock::start(kScrollTickMs, [this] { TextScrollTick(); });
}

void TZMShowWin::TextScrollTick() {
    ShowState& s = ShowWindowState();
    if (s.ShowStopped || Startup().Quitting) return stopScrollClock();
    const int before = scroll_.position();
    const int now = scroll_.tick(clock_.elapsed(), s.TicksPerScroll, ScrollStep);
    if (now > before) {
        TextScrollBox->horizontalScrollBar()->setValue(now);
        TextScrollBox->viewport()->repaint();
    }
    if (!scroll_.finished()) return;
    stopScrollClock();
    if (!scroll_.isTitle())
        startProductText();
    else if (s.TicksPerScroll == -1)
        s.TicksPerScroll = scroll_.ticks();
}

void TZMShowWin::startProductText() {
    ShowState& s = ShowWindowState();
    const ContentStore& c = Content();
    const QString text = ProductText(s.ProductTextStep, c.ShowKind, c.ExtraText);
    s.ProductTextStep = NextProductTextStep(s.ProductTextStep, c.ExtraText.has_value());
    scrollTextFor(text, kProductTextDuration);
}

void TZMShowWin::stopScrollClock() {
    if (!clockOwned_) return;
    AnimationClock::stop();
    clockOwned_ = false;
}

void TZMShowWin::stopCycleTimers() {
    for (QTimer* timer : {FirstPicTimer, NextPicTimer, BackToMapTimer, NewMapPlaceTimer})
        timer->stop();
}

void TZMShowWin::MapScrolledTo(QPoint position) { mapScroll_ = position; }

void TZMShowWin::StopButtonClick() {
    ShowState& s = ShowWindowState();
    s.ShowStopped = true;
    ExploreState& e = Explore();
    e.ExploreInSet = false;
    e.ArrivalMode = kArriveFromElsewhere;
    if (isPlace(s.ShowMapPlace)) e.CurrentPlace = s.ShowMapPlace;
    emit exploreRequested();
    hide();
}

void TZMShowWin::GoBackButtonClick() {
    ShowWindowState().ShowStopped = true;
    if (QWidget* home = Windows().ZMHomeWin) {
        home->show();
        home->raise();
    }
    hide();
}

void TZMShowWin::MusicButtonClick() {
    const ShowState& s = ShowWindowState();
    if (s.ShowMusicOn) {
        music_->Stop();
        emit musicSwitched(false);
    } else {
        music_->Start(s.Options.UserMusic);
        emit musicSwitched(true);
    }
}

void TZMShowWin::SpeedButton1Click() {
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    stopScrollClock();
    stopCycleTimers();
    ShowWindowState().ShowStopped = true;
    hide();
    emit exitRequested(ExitRequester::SlideshowWindow);
}

void TZMShowWin::FormHide() {
    ShowWindowState().ShowStopped = true;
    music_->MusicRepTimer->stop();
    stopScrollClock();
    stopCycleTimers();
    ExplodeTimer->stop();
    music_->Stop();
    LanPicture->clear();
    PortPicture->clear();
    if (Startup().Quitting) return;
    emit mapInputEnabled(true);
    emit mapRepaintRequested();
    const ShellWindows& w = Windows();
    if (w.ZMExplore && w.ZMExplore->isVisible()) {
        if (w.MapKey) w.MapKey->show();
    } else {
        emit mapHideRequested();
    }
    const int current = Explore().CurrentPlace;
    if (isPlace(current)) emit mapMoveRequested(current);
}

bool TZMShowWin::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            StopButtonClick();
            return true;
        case Qt::Key_Home:
            GoBackButtonClick();
            return true;
        case Qt::Key_F1:
            emit helpToggleRequested();
            return true;
        default:
            return false;
    }
}
