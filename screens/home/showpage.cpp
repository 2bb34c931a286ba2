#include "screens/home/showpage.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "app/messages.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/showlist.h"
#include "platform/messagebox.h"
#include "platform/usermusic.h"
#include "screens/explore/explorestate.h"
#include "screens/home/homelayout.h"
#include "screens/home/showpictures.h"
#include "screens/show/showstate.h"

namespace {

constexpr int kPanelWidth = 150;
constexpr int kPanelHeight = 140;
constexpr int kBevel = 4;
constexpr QSize kPictureSize(110, 60);
constexpr int kFoundSetShow = 3;

const char* const kCaptions[ShowPage::kShows] = {"Beautiful Verdanis", "Round-Coast Trip",
                                                 "Everywhere",
                                                 "Last set found by\nSearch, Timeline\nor Tour"};
const char* const kHints[ShowPage::kShows] = {
    "Sample many varied beautiful scenes", "Move clockwise around the coast",
    "See images of all places covered", "See the last found set as a slideshow"};
const char kCopyFailed[] =
    "Error: failed to copy music file to destination %s - check this directory is not "
    "write-protected, then try again.\n";
const char kMusicErrorCaption[] = "Vantora Verdanis Error";

// The panels' checkerboard, and the chosen panel's colour 0x2424 darker in its green and
// red (written as 0x00BBGGRR values).
QColor panelColour(int index, bool chosen) {
    const int grey = index == 0 || index == 3 ? 0xEC : 0xCE;
    const int reduced = chosen ? grey - 0x24 : grey;
    return QColor(reduced, reduced, grey);
}

}  // namespace

ShowPage::ShowPage(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    Label8 = new QLabel(QStringLiteral("Choose a show"), this);
    Label9 = new QLabel(QStringLiteral("Then click place to start on map..."), this);
    createPanels();
    createOptionBox();
    createMusicMenu();
}

void ShowPage::createPanels() {
    ShowPanel = new QFrame(this);
    ShowPanel->resize(2 * kPanelWidth + 2, 2 * kPanelHeight + 2);
    for (int i = 0; i < kShows; ++i) {
        QFrame* panel = new QFrame(ShowPanel);
        panel->setGeometry(1 + (i % 2) * kPanelWidth, 1 + (i / 2) * kPanelHeight, kPanelWidth,
                           kPanelHeight);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(kBevel);
        panel->setAutoFillBackground(true);
        panel->setToolTip(QString::fromLatin1(kHints[i]));
        ShowPanels[static_cast<size_t>(i)] = panel;

        QLabel* image = new QLabel(panel);
        image->setGeometry((kPanelWidth - kPictureSize.width()) / 2, kBevel + 6,
                           kPictureSize.width(), kPictureSize.height());
        ShowImages[static_cast<size_t>(i)] = image;
        QLabel* text = new QLabel(QString::fromLatin1(kCaptions[i]), panel);
        const int top = image->geometry().bottom() + 4;
        text->setGeometry(kBevel, top, kPanelWidth - 2 * kBevel, kPanelHeight - kBevel - top);
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        ShowTexts[static_cast<size_t>(i)] = text;

        for (QWidget* part : {static_cast<QWidget*>(panel), static_cast<QWidget*>(image),
                              static_cast<QWidget*>(text)}) {
            part->setProperty("showIndex", i);
            part->installEventFilter(this);
        }
        paintPanel(i);
    }
    // A borderless edit on the panel holds the focus for the arrow keys.
    TabToDummy2 = new QLineEdit(ShowPanel);
    TabToDummy2->setFrame(false);
    TabToDummy2->setReadOnly(true);
    TabToDummy2->setGeometry(0, 0, 1, 1);
    TabToDummy2->installEventFilter(this);
}

void ShowPage::createOptionBox() {
    OptionBox = new QGroupBox(QStringLiteral("Options:"), this);
    RadioButton1 = new QRadioButton(QStringLiteral("Product text"), OptionBox);
    RadioButton1->setToolTip(QStringLiteral("See large scrolling product text"));
    RadioButton2 = new QRadioButton(QStringLiteral("Scrolling titles"), OptionBox);
    RadioButton2->setToolTip(QStringLiteral("See large scrolling view titles"));
    RadioButton3 = new QRadioButton(QStringLiteral("Captions"), OptionBox);
    RadioButton3->setToolTip(QStringLiteral("See small static view titles"));
    RadioButton1->setChecked(true);

    CSpinEdit1 = new QSpinBox(OptionBox);
    CSpinEdit1->setRange(2, 20);
    CSpinEdit1->setValue(Explore().ShowInterval / 1000);
    CSpinEdit1->setToolTip(QStringLiteral("Time each image shows for"));
    // Changed only by its arrows.
    CSpinEdit1->findChild<QLineEdit*>()->setReadOnly(true);
    SpinLabel = new QLabel(QStringLiteral("Seconds per image"), OptionBox);
    MusicOn = new QCheckBox(QStringLiteral("Music"), OptionBox);
    MusicOn->setChecked(true);
    SpeedButton1 = new QToolButton(OptionBox);
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Load new music for slideshows"));

    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        connect(radio, &QRadioButton::toggled, this, &ShowPage::keepOptionsInState);
    connect(MusicOn, &QCheckBox::toggled, this, &ShowPage::keepOptionsInState);
    connect(CSpinEdit1, &QSpinBox::valueChanged, this, &ShowPage::CSpinEdit1Change);
    connect(SpeedButton1, &QToolButton::pressed, this, &ShowPage::SpeedButton1MouseDown);
}

void ShowPage::createMusicMenu() {
    MusicPopupMenu = new QMenu(this);
    MusicPopupMenu->setToolTipsVisible(true);
    auto* group = new QActionGroup(MusicPopupMenu);
    StandardMusic = MusicPopupMenu->addAction(QStringLiteral("&Standard Music"));
    StandardMusic->setToolTip(QStringLiteral("Play standard music during slideshows"));
    MusicIHaveLoaded = MusicPopupMenu->addAction(QStringLiteral("&Music I Have Loaded"));
    MusicIHaveLoaded->setToolTip(QStringLiteral("Play music I loaded during slideshows"));
    for (QAction* item : {StandardMusic, MusicIHaveLoaded}) {
        item->setCheckable(true);
        group->addAction(item);
    }
    StandardMusic->setChecked(true);
    MusicPopupMenu->addSeparator();
    LoadNewMusicFile = MusicPopupMenu->addAction(QStringLiteral("&Load New Slideshow Music"));
    LoadNewMusicFile->setToolTip(QStringLiteral("Load a midi file of new slideshow music"));

    connect(MusicPopupMenu, &QMenu::aboutToShow, this, &ShowPage::MusicPopupMenuPopup);
    connect(StandardMusic, &QAction::triggered, this, &ShowPage::StandardMusicClick);
    connect(MusicIHaveLoaded, &QAction::triggered, this, &ShowPage::MusicIHaveLoadedClick);
    connect(LoadNewMusicFile, &QAction::triggered, this, &ShowPage::LoadNewMusicFileClick);
}

void ShowPage::Arrange(int H, QSize sheet) {
    // The show panels keep their size at every screen size: their captions share the page's
    // font only as far as it fits every one of them.
    QFont captionFont = font();
    const auto fitsAll = [this](const QFont& f) {
        return std::all_of(ShowTexts.begin(), ShowTexts.end(), [&f](const QLabel* text) {
            const QSize needs = QFontMetrics(f).size(0, text->text());
            return needs.width() <= text->width() && needs.height() <= text->height();
        });
    };
    while (captionFont.pixelSize() > 8 && !fitsAll(captionFont))
        captionFont.setPixelSize(captionFont.pixelSize() - 1);
    for (QLabel* text : ShowTexts) text->setFont(captionFont);
    const int row = fontMetrics().height() + 6;
    const int top = row;
    int radioWidth = 0;
    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        radioWidth = std::max(radioWidth, radio->sizeHint().width());
    const int column = 8 + radioWidth + 8;
    const int labelWidth = SpinLabel->sizeHint().width();
    const int width = std::max(ShowPanel->width(), column + labelWidth + 8);
    RadioButton1->setGeometry(8, top, radioWidth, row);
    RadioButton2->setGeometry(8, top + row, radioWidth, row);
    RadioButton3->setGeometry(8, top + 2 * row, radioWidth, row);
    SpinLabel->setGeometry(column, top, labelWidth, row);
    CSpinEdit1->setGeometry(column, top + row, CSpinEdit1->sizeHint().width(), row);
    MusicOn->setGeometry(column, top + 2 * row, MusicOn->sizeHint().width(), row);
    SpeedButton1->setGeometry(width - row - 8, top + 2 * row, row, row);
    OptionBox->resize(width, top + 3 * row + 6);
    Label8->adjustSize();
    Label9->adjustSize();

    const ShowPageLayout l = ArrangeShowPage(
        H, sheet,
        ShowPageMeasures{Label8->size(), ShowPanel->size(), OptionBox->size(), Label9->size()});
    Label8->setGeometry(l.label8);
    ShowPanel->setGeometry(l.showPanel);
    OptionBox->setGeometry(l.optionBox);
    Label9->setGeometry(l.label9);
}

void ShowPage::SetOptions(const ShowOptions& options) {
    MusicOn->setChecked(options.MusicOn);
    StandardMusic->setChecked(true);
    if (options.UserMusic) MusicIHaveLoaded->setChecked(true);
    RadioButton1->setChecked(true);
    if (options.TextMode == ShowTextMode::ScrollingTitles) RadioButton2->setChecked(true);
    if (options.TextMode == ShowTextMode::Captions) RadioButton3->setChecked(true);
    keepOptionsInState();
}

ShowOptions ShowPage::Options() const {
    ShowOptions options;
    options.MusicOn = MusicOn->isChecked();
    options.UserMusic = MusicIHaveLoaded->isChecked();
    options.TextMode = RadioButton3->isChecked()   ? ShowTextMode::Captions
                       : RadioButton2->isChecked() ? ShowTextMode::ScrollingTitles
                                                   : ShowTextMode::ProductText;
    return options;
}

// The slideshow window reads the choices when a show starts.
void ShowPage::keepOptionsInState() { ShowWindowState().Options = Options(); }

void ShowPage::paintPanel(int index) {
    const bool chosen = index == SelectedShow;
    QFrame* panel = ShowPanels[static_cast<size_t>(index)];
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, panelColour(index, chosen));
    panel->setPalette(colours);
    panel->setFrameShadow(chosen ? QFrame::Sunken : QFrame::Raised);
    const bool enabled = index != kFoundSetShow || panel->isEnabled();
    ShowImages[static_cast<size_t>(index)]->setPixmap(
        QPixmap::fromImage(PaintShowPanelPicture(index, kPictureSize, enabled)));
    QLabel* text = ShowTexts[static_cast<size_t>(index)];
    QPalette ink = text->palette();
    ink.setColor(QPalette::WindowText, enabled ? QColor(Qt::black) : QColor(0xC0, 0xC0, 0xC0));
    ink.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
    text->setPalette(ink);
}

void ShowPage::ChooseShow(int index) {
    if (index < 0 || index >= kShows) return;
    if (index == kFoundSetShow && !HasFoundSet()) return;
    const int before = SelectedShow;
    SelectedShow = index;
    if (before >= 0 && before != index) paintPanel(before);
    paintPanel(index);
    // A found set made by the coast tour keeps its coast order.
    const bool coastOrder = index == kFoundSetShow && Content().TourOrderActive;
    BuildShowList(coastOrder ? kShowTour : index);
    if (coastOrder) Content().ShowGeneration = Content().FoundGeneration;
    TabToDummy2->setFocus();
    emit restoreMapRequested();
    emit flashRequested(true);
}

void ShowPage::PrepareShowAt(QPoint mapPoint) {
    if (!HasShowList()) ChooseShow(0);
    ShowWindowState().ShowPlace = NearestShowPlace(mapPoint.x(), mapPoint.y());
}

void ShowPage::ShowPanelClick(int index) { ChooseShow(index); }
void ShowPage::ShowImageClick(int index) { ChooseShow(index); }
void ShowPage::ShowTextClick(int index) { ChooseShow(index); }

void ShowPage::ShowSheetShow() {
    const ContentStore& c = Content();
    if (!c.loaded()) return;
    if (SelectedShow == kFoundSetShow && c.ShowGeneration != c.FoundGeneration)
        ChooseShow(kFoundSetShow);
    if (!HasShowList()) {
        if (SelectedShow >= 0) ChooseShow(SelectedShow);
    } else {
        emit flashRequested(true);
    }
    enablePanel3();
}

void ShowPage::enablePanel3() {
    ShowPanels[kFoundSetShow]->setEnabled(HasFoundSet());
    paintPanel(kFoundSetShow);
}

void ShowPage::ShowSheetHide() { emit restoreMapRequested(); }

void ShowPage::TabToDummy2Enter() {
    if (HasShowList())
        emit flashRequested(true);
    else
        ChooseShow(SelectedShow >= 0 ? SelectedShow : 1);
}

bool ShowPage::TabToDummy2KeyDown(int key) {
    const int i = SelectedShow;
    switch (key) {
        case Qt::Key_Left:
            if (i > 0 && i % 2 == 1) ChooseShow(i - 1);
            break;
        case Qt::Key_Up:
            if (i > 1) ChooseShow(i - 2);
            break;
        case Qt::Key_Right:
            if (i < 3 && i % 2 == 0) ChooseShow(i + 1);
            break;
        case Qt::Key_Down:
            if (i >= 0 && i < 2) ChooseShow(i + 2);
            break;
        default:
            return false;
    }
    if (SelectedShow == -1) ChooseShow(0);
    return true;
}

void ShowPage::CSpinEdit1Change(int value) {
    Explore().ShowInterval = value * 1000;
    ShowWindowState().TicksPerScroll = -1;
}

void ShowPage::SpeedButton1MouseDown() {
    MusicPopupMenu->popup(SpeedButton1->mapToGlobal(QPoint(0, SpeedButton1->height())));
    SpeedButton1->setDown(false);
}

void ShowPage::MusicPopupMenuPopup() {
    const bool loaded = UserMusicExists();
    if (!loaded) StandardMusic->setChecked(true);
    MusicIHaveLoaded->setEnabled(loaded);
    keepOptionsInState();
}

void ShowPage::StandardMusicClick() {
    StandardMusic->setChecked(true);
    keepOptionsInState();
}

void ShowPage::MusicIHaveLoadedClick() {
    MusicIHaveLoaded->setChecked(true);
    keepOptionsInState();
}

void ShowPage::LoadNewMusicFileClick() {
    const QString start =
        lastMusicFile_.isEmpty() ? QDir::homePath() : QFileInfo(lastMusicFile_).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("Load MIDI file of new music for Vantora slideshows"), start,
        QStringLiteral("MIDI music file (*.MID *.mid)"));
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
    lastMusicFile_ = chosen;
    LoadMusicFile(chosen);
}

void ShowPage::LoadMusicFile(const QString& chosen) {
    const std::string destination = UserMusicPath();
    if (CopyUserMusic(chosen.toStdString(), destination) == MusicCopyResult::Copied) {
        MusicIHaveLoaded->setEnabled(true);
        MusicIHaveLoaded->setChecked(true);
        keepOptionsInState();
        return;
    }
    std::string text = kCopyFailed;
    text.replace(text.find("%s"), 2, destination);
    ShowMessageBox(kMusicErrorCaption, text, MessageButtons::Ok);
}

void ShowPage::SetMusicOn(bool on) { MusicOn->setChecked(on); }

void ShowPage::showEvent(QShowEvent*) { ShowSheetShow(); }

void ShowPage::hideEvent(QHideEvent*) { ShowSheetHide(); }

bool ShowPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TabToDummy2) {
        if (event->type() == QEvent::FocusIn) TabToDummy2Enter();
        if (event->type() == QEvent::KeyPress)
            return TabToDummy2KeyDown(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
    if (event->type() != QEvent::MouseButtonPress) return false;
    const QVariant index = watched->property("showIndex");
    if (!index.isValid()) return false;
    if (watched->inherits("QLabel") && ShowTexts[static_cast<size_t>(index.toInt())] == watched)
        ShowTextClick(index.toInt());
    else if (watched->inherits("QLabel"))
        ShowImageClick(index.toInt());
    else
        ShowPanelClick(index.toInt());
    return true;
}
