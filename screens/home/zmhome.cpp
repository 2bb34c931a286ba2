#include "screens/home/zmhome.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "app/messages.h"
#include "app/screenset.h"
#include "app/shutdown.h"
#include "app/stage.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "content/bitmapscramble.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/minimapseeds.h"
#include "platform/fontsetup.h"
#include "screens/common/colours.h"
#include "screens/common/imagecontrol.h"
#include "screens/common/shellart.h"
#include "screens/home/homeart.h"
#include "screens/home/homelayout.h"
#include "screens/home/showoptions.h"
#include "screens/home/showpage.h"
#include "screens/home/simplecombo.h"

namespace {

const QColor kBackdrop = QColor::fromRgb(kScreenBackdrop);
const QColor kSheetColour(236, 236, 236);

QLabel* pageLabel(QWidget* page, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), page);
    label->adjustSize();
    return label;
}

// The hint lines of the Search, Timeline and Tour pages, where their layouts put them.
void placePageHints(const TZMHomeWin& home, QSize sheet, int W, int H) {
    QLabel* label3 = pageLabel(home.SearchSheet, "Click map to explore found set...");
    label3->move(sheet.width() / 2 - label3->width() / 2,
                 sheet.height() - H * 10 / 600 - label3->height());

    const int strip = (sheet.height() - 338) / 2;
    QLabel* label4 = pageLabel(home.TimeSheet, "Scroll through time");
    QLabel* label5 = pageLabel(home.TimeSheet, "Then click map to explore...");
    label4->move(W * 24 / 800, (strip - label4->height()) / 2);
    label5->move(W * 24 / 800, sheet.height() - (strip + label5->height()) / 2);

    const int p = H * 6 / 600;
    QLabel* label6 = pageLabel(home.TourSheet, "Choose a tour");
    QLabel* label7 = pageLabel(home.TourSheet, "Then click map to start it...");
    label6->move(W * 24 / 800, p);
    label7->move(W * 24 / 800, sheet.height() - p - label7->height());
}

}  // namespace

TZMHomeWin::TZMHomeWin(QWidget* parent) : QWidget(parent) {
    Windows().ZMHomeWin = this;
    if (Startup().ScreenHeight == 0) RunStartupChecks();
    if (Startup().Quitting) return;
    ArrangeControls();
}

TZMHomeWin::~TZMHomeWin() {
    ShellWindows& w = Windows();
    if (w.ZMHomeWin == this) {
        w.writePreferenceBits = nullptr;
        w.releaseHome = nullptr;
        w.requestExit = nullptr;
        w.finishSetUp = nullptr;
    }
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
    HomeTabs->setGeometry(layout.homeTabs);
    // Five tabs share the page control's width: their captions get a smaller face.
    QFont tabFont = font;
    tabFont.setPixelSize(W * 11 / 800);
    HomeTabs->tabBar()->setFont(tabFont);
    HomeTabs->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: %1px; padding: 3px 0px; }").arg(layout.tabWidth - 2));
    createGoToPage();
    arrangeGoToPage();
    placePageHints(*this, layout.sheet, W, H);
    ShowSheet->Arrange(H, layout.sheet);

    IconImage->setGeometry(layout.iconImage);
    LeftBBar->setGeometry(layout.leftBBar);
    LeftBBar->setPixmap(QPixmap::fromImage(PaintSilverBar(layout.leftBBar.size())));
    RightBBar->setGeometry(layout.rightBBar);
    RightBBar->setPixmap(QPixmap::fromImage(PaintSilverBar(layout.rightBBar.size())));

    ShowSheet->SetOptions(ReadShowOptions());

    LoadContent(Startup().DataDir);
    if (Startup().Quitting) {
        Startup().ExitCode = 1;
        return;
    }
    FillPlaceNames(placeNames_);
    GoToCombo->setItems(placeNames_);
}

void TZMHomeWin::createControls() {
    ProdTitle = new QLabel(QString::fromLatin1(kProductTitle), this);
    ProdTitle->setAlignment(Qt::AlignCenter);
    MiniMap = new ImageControl(this);
    MiniMap->setToolTip(QStringLiteral("Click to explore"));
    CloseBtn = new QPushButton(QStringLiteral("Exit"), this);
    CloseBtn->setToolTip(QStringLiteral("Exit Vantora Fernvales"));
    HomeTabs = new QTabWidget(this);
    QPalette sheetColours = HomeTabs->palette();
    sheetColours.setColor(QPalette::Window, kSheetColour);
    sheetColours.setColor(QPalette::WindowText, Qt::black);
    HomeTabs->setPalette(sheetColours);
    struct Page {
        QWidget** sheet;
        const char* caption;
    };
    for (const Page& page : {Page{&GoToSheet, "Go To"}, Page{&SearchSheet, "Search"},
                             Page{&TimeSheet, "Timeline"}, Page{&TourSheet, "Tour"}}) {
        *page.sheet = new QWidget;
        (*page.sheet)->setAutoFillBackground(true);
        HomeTabs->addTab(*page.sheet, QString::fromLatin1(page.caption));
    }
    ShowSheet = new ShowPage;
    HomeTabs->addTab(ShowSheet, QStringLiteral("Slideshow"));
    connect(ShowSheet, &ShowPage::flashRequested, this, &TZMHomeWin::StartFlash);
    connect(ShowSheet, &ShowPage::restoreMapRequested, this, &TZMHomeWin::RestoreMiniMap);
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
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
    connect(HomeTabs, &QTabWidget::currentChanged, this, &TZMHomeWin::HomeTabsChange);
    connect(MMFlashTimer, &QTimer::timeout, this, &TZMHomeWin::MMFlashTimerTimer);

    ShellWindows& w = Windows();
    w.writePreferenceBits = [this] { WriteShowOptions(ShowSheet->Options()); };
    w.releaseHome = [this] { canvas_.release(); };
    w.requestExit = [this](ExitRequester asker) { CloseBtnClick(asker); };
    w.finishSetUp = [this] { FinishSetUp(); };
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
    connect(HomeMenu, &QMenu::aboutToShow, this, [about, help, setup] {
        about->setEnabled(static_cast<bool>(Windows().showAbout));
        help->setEnabled(static_cast<bool>(Windows().toggleHelp));
        setup->setEnabled(static_cast<bool>(Windows().printerSetup));
    });
}

bool TZMHomeWin::loadMiniMap() {
    const bool small = Startup().ScreenHeight == 600;
    const QImage bitmap =
        LoadScrambledBitmap(DataPath(small ? kSmallMiniMapFile : kLargeMiniMapFile),
                            small ? kSmallMiniMapSeed : kLargeMiniMapSeed);
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

void TZMHomeWin::HomeTabsChange(int index) {
    const HomePage page = static_cast<HomePage>(index);
    GoButton->setDefault(page == HomePage::GoTo);
    GoButton->setAutoDefault(page == HomePage::GoTo);
    if (page == HomePage::GoTo) {
        GoToSheetShow();
    } else if (MarkCheckBox->checkState() == Qt::Checked) {
        MarkCheckBox->setCheckState(Qt::Unchecked);
        RestoreMiniMap();
    }
}

void TZMHomeWin::AboutClick() {
    if (Windows().showAbout) Windows().showAbout();
}

void TZMHomeWin::HomeHelpClick() {
    if (Windows().toggleHelp) Windows().toggleHelp();
}

void TZMHomeWin::HomePrintSetupClick() {
    if (Windows().printerSetup) Windows().printerSetup();
}

void TZMHomeWin::FinishSetUp() {
    const ShellWindows& w = Windows();
    for (const std::function<void()>* setUp : {&w.setUpExplore, &w.setUpMap, &w.setUpMapKey,
                                               &w.setUpLondon, &w.setUpShow, &w.setUpExitDialog}) {
        if (Startup().Quitting) return;
        if (*setUp) (*setUp)();
    }
    if (!Startup().Quitting) Startup().NotInitialised = false;
}

void TZMHomeWin::CloseBtnClick(ExitRequester asker) {
    if (Startup().Quitting) return;
    EnableScreens(false);
    if (QWidget* focused = focusWidget()) focused->clearFocus();
    const bool exiting = Windows().runExitDialog ? Windows().runExitDialog() : true;
    if (exiting) {
        Shutdown();
        return;
    }
    EnableScreens(true);
    const ShellWindows& w = Windows();
    QWidget* back = asker == ExitRequester::ExploreScreen     ? w.ZMExplore.data()
                    : asker == ExitRequester::SlideshowWindow ? w.ZMShowWin.data()
                                                              : nullptr;
    (back ? back : this)->show();
}
