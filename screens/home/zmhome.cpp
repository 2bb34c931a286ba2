#include "screens/home/zmhome.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "app/colours.h"
#include "app/messages.h"
#include "app/programstyle.h"
#include "app/screenset.h"
#include "app/shutdown.h"
#include "app/stage.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/showlist.h"
#include "platform/fontsetup.h"
#include "screens/common/drawnicon.h"
#include "screens/common/imagecontrol.h"
#include "screens/common/shellart.h"
#include "screens/explore/explorestate.h"
#include "screens/home/gotopage.h"
#include "screens/home/homelayout.h"
#include "screens/home/minimapload.h"
#include "screens/home/searchpage.h"
#include "screens/home/showoptions.h"
#include "screens/home/showpage.h"
#include "screens/home/timelinepage.h"
#include "screens/home/tourpage.h"
#include "screens/show/showstate.h"

namespace {

const QColor kBackdrop = QColor::fromRgb(kScreenBackdrop);

constexpr int kHomePageCount = 5;
const char* const kTabCaptions[kHomePageCount] = {"Go To", "Search", "Timeline", "Tour",
                                                  "Slideshow"};

// Where the logo button lands when no place has been visited yet.
constexpr int kStartX = 1476;
constexpr int kStartY = 2510;

// The found set in place order, or the show list from its head up to its tail (a tour show
// list is a ring). Bounded by the place count, whatever the links say.
template <typename Visit>
void forEachListedPlace(bool showList, Visit visit) {
    const ContentStore& c = Content();
    if (!c.loaded()) return;
    int place = showList ? c.ShowHead : c.FoundHead;
    for (int steps = 0; place >= 0 && place < c.PlaceCount && steps < c.PlaceCount; ++steps) {
        visit(place);
        if (showList && place == c.ShowTail) break;
        place = showList ? c.ShowLinks[place].ShowNext : c.FoundLinks[place].FoundNext;
    }
}

bool listIsEmpty(bool showList) {
    return showList ? Content().ShowHead == -1 : Content().FoundHead == -1;
}

int nearest(int x, int y, bool inFoundSet) {
    const int found = inFoundSet ? NearestFoundPlace(x, y, -1) : -1;
    return found != -1 ? found : NearestPlace(x, y, -1);
}

}  // namespace

TZMHomeWin::TZMHomeWin(QWidget* parent, HomeQuickStart quick)
    : QWidget(parent), miniMapLoad_(quick.miniMap) {
    Windows().ZMHomeWin = this;
    if (Startup().Quitting) return;  // the checks have already failed and said so
    if (Startup().ScreenHeight == 0) RunStartupChecks();
    if (Startup().Quitting) return;
    ArrangeControls();
    miniMapLoad_ = nullptr;
    if (!quick.hiddenPagesLater) MakeHiddenPages();
}

// Hidden while its members live: the pages tell this screen when they are hidden.
TZMHomeWin::~TZMHomeWin() { hide(); }

// Whether a window is there to answer a request.
template <typename Signal>
bool TZMHomeWin::answered(Signal signal) const {
    return isSignalConnected(QMetaMethod::fromSignal(signal));
}

void TZMHomeWin::ArrangeControls() {
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    const HomeLayout layout = ArrangeHomeLayout(W, H);

    setGeometry(0, 0, W, H);
    setWindowTitle(QString::fromLatin1(kProductTitle));
    QFont font(QString::fromLatin1(kSansFace));
    font.setPixelSize(W * 13 / 800);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackdrop);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    createControls();
    ProdTitle->setGeometry(layout.prodTitle);
    QFont titleFont(QString::fromLatin1(kBookmanFace));
    titleFont.setBold(true);
    titleFont.setPixelSize(-layout.prodTitleFontHeight);
    ProdTitle->setFont(titleFont);

    MiniMap->setGeometry(layout.miniMap);
    if (!loadMiniMap()) return;

    CloseBtn->setGeometry(layout.closeBtn);
    // The explore screen's red cross above a bold caption: the same Exit on both screens.
    QFont exitFont = font;
    exitFont.setBold(true);
    CloseBtn->setFont(exitFont);
    const int cross = std::min(layout.closeBtn.width(), layout.closeBtn.height()) / 2;
    CloseBtn->setIcon(CloseIcon(QSize(cross, cross)));
    CloseBtn->setIconSize(QSize(cross, cross));
    HomeTabs->setGeometry(layout.homeTabs);
    // Five tabs share the page control's width: their captions get a smaller face.
    QFont tabFont = font;
    tabFont.setPixelSize(W * 11 / 800);
    HomeTabs->tabBar()->setFont(tabFont);
    HomeTabs->tabBar()->setProperty(kTabWidthProperty, layout.tabWidth);
    GoToSheet->Arrange(W, H, layout.sheet);

    IconImage->setGeometry(layout.iconImage);
    LeftBBar->setGeometry(layout.leftBBar);
    LeftBBar->setPixmap(QPixmap::fromImage(PaintSilverBar(layout.leftBBar.size())));
    RightBBar->setGeometry(layout.rightBBar);
    RightBBar->setPixmap(QPixmap::fromImage(PaintSilverBar(layout.rightBBar.size())));

    LoadContent(Startup().DataDir);
    if (Startup().Quitting) {
        Startup().ExitCode = 1;
        return;
    }
    FillPlaceNames(placeNames_);
    GoToSheet->SetPlaceNames(placeNames_);
}

void TZMHomeWin::createControls() {
    ProdTitle = new QLabel(QString::fromLatin1(kProductTitle), this);
    ProdTitle->setAlignment(Qt::AlignCenter);
    MiniMap = new ImageControl(this);
    MiniMap->setToolTip(QStringLiteral("Click to explore"));
    CloseBtn = new QToolButton(this);
    CloseBtn->setText(QStringLiteral("Exit"));
    CloseBtn->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    CloseBtn->setToolTip(QStringLiteral("Exit Vantora Fernvales"));
    HomeTabs = new QTabWidget(this);
    QPalette sheetColours = HomeTabs->palette();
    sheetColours.setColor(QPalette::Window, QColor::fromRgb(kPageColour));
    sheetColours.setColor(QPalette::WindowText, Qt::black);
    HomeTabs->setPalette(sheetColours);
    // Made inside the tabs, so each page takes the screen's font and colours once, not again
    // when the tabs adopt it.
    GoToSheet = new GoToPage(HomeTabs);
    // The other pages load faces and paint pictures of their own: until they are made, plain
    // stand-ins hold their tabs.
    for (int tab = 0; tab < kHomePageCount; ++tab) {
        QWidget* page = tab == 0 ? GoToSheet : new QWidget(HomeTabs);
        page->setAutoFillBackground(true);
        HomeTabs->addTab(page, QString::fromLatin1(kTabCaptions[tab]));
    }
    connectGoToPage();
    IconImage = new ImageControl(this);
    iconArt_ = PaintIconImage();
    IconImage->setImage(&iconArt_);
    IconImage->setToolTip(QStringLiteral("Explore (Home key)"));
    IconImage->setCursor(Qt::PointingHandCursor);
    LeftBBar = new QLabel(this);
    RightBBar = new QLabel(this);
    MMFlashTimer = new QTimer(this);
    MMFlashTimer->setInterval(700);
    createHomeMenu();

    connect(MiniMap, &ImageControl::pressed, this, &TZMHomeWin::MiniMapMouseDown);
    connect(MiniMap, &ImageControl::clicked, this, &TZMHomeWin::MiniMapClick);
    connect(IconImage, &ImageControl::clicked, this, &TZMHomeWin::IconImageClick);
    connect(CloseBtn, &QToolButton::clicked, this, [this] { CloseBtnClick(); });
    connect(HomeTabs, &QTabWidget::currentChanged, this, &TZMHomeWin::HomeTabsChange);
    connect(MMFlashTimer, &QTimer::timeout, this, &TZMHomeWin::MMFlashTimerTimer);
}

void TZMHomeWin::MakeHiddenPages() {
    if (SearchSheet || Startup().Quitting || !HomeTabs) return;
    SearchSheet = new SearchPage(Pages, HomeTabs);
    TimeSheet = new TimelinePage(Pages, HomeTabs);
    TourSheet = new TourPage(Pages, HomeTabs);
    ShowSheet = new ShowPage(HomeTabs);
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    const QSize sheet = ArrangeHomeLayout(W, H).sheet;
    // Swapped without the tab change handler: no page has been shown or hidden.
    const QSignalBlocker quiet(HomeTabs);
    const int current = HomeTabs->currentIndex();
    QWidget* const pages[] = {GoToSheet, SearchSheet, TimeSheet, TourSheet, ShowSheet};
    for (int tab = 1; tab < kHomePageCount; ++tab) {
        QWidget* standIn = HomeTabs->widget(tab);
        HomeTabs->removeTab(tab);
        pages[tab]->setAutoFillBackground(true);
        HomeTabs->insertTab(tab, pages[tab], QString::fromLatin1(kTabCaptions[tab]));
        delete standIn;
        if (FoundSetPage* builder = qobject_cast<FoundSetPage*>(pages[tab])) {
            builder->arrange(W, H, sheet);
            connect(builder, &FoundSetPage::foundSetChanged, this, &TZMHomeWin::showFoundSet);
            connect(builder, &FoundSetPage::mapRestoreRequested, this, &TZMHomeWin::RestoreMiniMap);
        }
    }
    HomeTabs->setCurrentIndex(current);
    ShowSheet->Arrange(H, sheet);
    ShowSheet->SetOptions(ReadShowOptions());
    showOptionsRead_ = true;
    connect(ShowSheet, &ShowPage::flashRequested, this, &TZMHomeWin::StartFlash);
    connect(ShowSheet, &ShowPage::restoreMapRequested, this, &TZMHomeWin::RestoreMiniMap);
}

void TZMHomeWin::connectGoToPage() {
    connect(GoToSheet, &GoToPage::ringRequested, this, [this](int place) {
        canvas_.drawRing(place);
        MiniMap->update();
    });
    connect(GoToSheet, &GoToPage::allPlacesMarkRequested, this, [this] {
        canvas_.markAllPlaces();
        MiniMap->update();
    });
    connect(GoToSheet, &GoToPage::miniMapRestoreRequested, this, &TZMHomeWin::RestoreMiniMap);
    connect(GoToSheet, &GoToPage::placeChosen, this, &TZMHomeWin::handOverToExplore);
}

void TZMHomeWin::createHomeMenu() {
    HomeMenu = new QMenu(this);
    QAction* about =
        HomeMenu->addAction(QStringLiteral("&About..."), this, &TZMHomeWin::AboutClick);
    QAction* help =
        HomeMenu->addAction(QStringLiteral("&Help..."), this, &TZMHomeWin::HomeHelpClick);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* setup = HomeMenu->addAction(QStringLiteral("Printer Set&up..."), this,
                                         &TZMHomeWin::HomePrintSetupClick);
    // Each item works once the window it opens exists.
    connect(HomeMenu, &QMenu::aboutToShow, this, [this, about, help, setup] {
        about->setEnabled(answered(&TZMHomeWin::aboutRequested));
        help->setEnabled(answered(&TZMHomeWin::helpToggleRequested));
        setup->setEnabled(answered(&TZMHomeWin::printerSetupRequested));
    });
}

bool TZMHomeWin::loadMiniMap() {
    MiniMapLoad here;
    const QImage bitmap = (miniMapLoad_ ? *miniMapLoad_ : here).take();
    if (bitmap.isNull()) {
        StopStartupWithError(kCannotReadDataFile);
        return false;
    }
    canvas_.setUp(bitmap, QSize(Startup().ScreenWidth, Startup().ScreenHeight), MiniMap->size());
    MiniMap->setImage(&canvas_.image());
    return true;
}

HomePage TZMHomeWin::activePage() const {
    return static_cast<HomePage>(HomeTabs ? HomeTabs->currentIndex() : 0);
}

bool TZMHomeWin::FormKeyDown(QKeyEvent* event) {
    if (Startup().Quitting) return false;
    switch (event->key()) {
        case Qt::Key_Home:
            IconImageClick();
            return true;
        case Qt::Key_F1:
            HomeHelpClick();
            return true;
        default:
            return false;
    }
}

void TZMHomeWin::showEvent(QShowEvent*) {
    if (Startup().Quitting) return;
    if (TStage* stage = Stage()) stage->setCurrentScreen(this);
    if (FlashWasRunning) MMFlashTimer->start();
}

void TZMHomeWin::hideEvent(QHideEvent*) {
    if (!MMFlashTimer) return;
    FlashWasRunning = MMFlashTimer->isActive();
    MMFlashTimer->stop();
    if (TimeSheet) TimeSheet->SearchTimer->stop();
}

void TZMHomeWin::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (startPlacePending_ && !Startup().Quitting && Content().loaded()) {
        startPlacePending_ = false;
        // Going from here may hide this screen: not inside its own paint.
        QTimer::singleShot(0, this, &TZMHomeWin::startPlaceFromText);
    }
}

void TZMHomeWin::contextMenuEvent(QContextMenuEvent* event) {
    if (HomeMenu && !Startup().Quitting) HomeMenu->popup(event->globalPos());
}

FoundSetPage* TZMHomeWin::foundSetPage(int tab) const {
    return qobject_cast<FoundSetPage*>(HomeTabs->widget(tab));
}

void TZMHomeWin::showFoundSet(int places) {
    RestoreMiniMap();
    if (places > 0) StartFlash(false);
}

void TZMHomeWin::HomeTabsChange(int index) {
    if (FoundSetPage* left = foundSetPage(shownTab_)) left->pageHidden();
    shownTab_ = index;
    if (static_cast<HomePage>(index) == HomePage::GoTo)
        GoToSheet->GoToSheetShow();
    else
        GoToSheet->GoToSheetHide();
    if (FoundSetPage* shown = foundSetPage(index)) shown->pageShown();
}

void TZMHomeWin::AboutClick() { emit aboutRequested(); }

void TZMHomeWin::HomeHelpClick() { emit helpToggleRequested(); }

void TZMHomeWin::HomePrintSetupClick() { emit printerSetupRequested(); }

void TZMHomeWin::WritePreferenceBits() {
    if (showOptionsRead_) WriteShowOptions(ShowSheet->Options());
}

void TZMHomeWin::SetShowMusicOn(bool on) {
    if (ShowSheet) ShowSheet->SetMusicOn(on);
}

void TZMHomeWin::ReleaseMiniMap() { canvas_.release(); }

// Without an exit dialog the program simply ends.
void TZMHomeWin::CloseBtnClick(ExitRequester asker) {
    if (Startup().Quitting) return;
    if (!answered(&TZMHomeWin::exitDialogRequested)) {
        Shutdown();
        return;
    }
    exitAsker_ = asker;
    EnableScreens(false);
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    emit exitDialogRequested();
}

void TZMHomeWin::ExitCancelled() {
    if (Startup().Quitting) return;
    EnableScreens(true);
    const ShellWindows& w = Windows();
    QWidget* back = exitAsker_ == ExitRequester::ExploreScreen     ? w.ZMExplore.data()
                    : exitAsker_ == ExitRequester::SlideshowWindow ? w.ZMShowWin.data()
                                                                   : nullptr;
    (back ? back : this)->show();
}

void TZMHomeWin::MiniMapMouseDown(QPoint at) {
    MapClickX = at.x();
    MapClickY = at.y();
}

void TZMHomeWin::MiniMapClick() {
    if (Startup().Quitting || !Content().loaded()) return;
    ExploreState& e = Explore();
    e.ExploreInSet =
        DecideExploreInSet(activePage(), Pages, HasFoundSet(), Content().FoundGeneration);
    if (e.CurrentPlace == -1) e.ArrivalMode = kArriveFromElsewhere;
    const QPoint map =
        MiniMapToMap(MapClickX, MapClickY, Startup().ScreenWidth, Startup().ScreenHeight);

    if (activePage() == HomePage::Slideshow) {
        ShowSheet->PrepareShowAt(map);
        if (answered(&TZMHomeWin::slideshowRequested)) {
            emit slideshowRequested();
            hide();
        }
        return;
    }
    e.CurrentPlace = nearest(map.x(), map.y(), e.ExploreInSet);
    handOverToExplore();
}

void TZMHomeWin::IconImageClick() {
    if (Startup().Quitting || !Content().loaded()) return;
    ExploreState& e = Explore();
    if (!HasFoundSet()) e.ExploreInSet = false;  // nothing left to explore within
    if (e.CurrentPlace == -1) {
        e.CurrentPlace = nearest(kStartX, kStartY, e.ExploreInSet);
        e.ArrivalMode = kArriveFromElsewhere;
    } else if (e.ExploreInSet) {
        const PlaceRecord& here = Content().place(e.CurrentPlace);
        e.CurrentPlace = nearest(here.x, here.y, true);
    }
    handOverToExplore();
}

// The explore screen takes over from here once it exists; until then the chosen place is
// only recorded.
void TZMHomeWin::handOverToExplore() {
    if (!answered(&TZMHomeWin::exploreRequested)) return;
    emit exploreRequested();
    hide();
}

void TZMHomeWin::DrawPlaceDot(int place, int diameter, QRgb colour) {
    canvas_.drawPlaceDot(place, diameter, colour);
    MiniMap->update();
}

void TZMHomeWin::StartFlash(bool showList) {
    if (listIsEmpty(showList)) return;
    FlashPhase = true;
    FlashShowList = showList;
    MMFlashTimer->start(700);
}

void TZMHomeWin::StopFlash() { MMFlashTimer->stop(); }

void TZMHomeWin::RestoreMiniMap() {
    StopFlash();
    canvas_.restore();
    MiniMap->update();
}

void TZMHomeWin::MMFlashTimerTimer() {
    if (Startup().Quitting) return;
    const QRgb colour = FlashPhase ? kDotYellow : kDotGreen;
    if (listIsEmpty(FlashShowList)) return;
    FlashPhase = !FlashPhase;
    const int diameter = canvas_.dotDiameter();
    forEachListedPlace(FlashShowList,
                       [&](int place) { canvas_.drawPlaceDot(place, diameter, colour); });
    MiniMap->update();
    MMFlashTimer->start(700);
}

// The start place of StartHere.txt goes the way a typed name does.
void TZMHomeWin::startPlaceFromText() {
    if (Startup().Quitting || !Content().StartHereText) return;
    const std::string line = *Content().StartHereText;
    Content().StartHereText.reset();
    GoToSheet->GoToStartPlace(line);
}
