#include "screens/home/timelinepage.h"

#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "screens/home/erapictures.h"
#include "screens/home/pagelayouts.h"

namespace {

// The strip's box; its last 32 pixels lie under the from-to panel.
constexpr int kStripHeight = 281;
constexpr int kPanelHeight = kStripHeight - 32;
constexpr int kCaptionTop = kEraWidth + 2;
constexpr int kBoundaryTop = 228;
constexpr int kBoundaryWidth = 44;
constexpr int kBoundaryHeight = 18;
// The from-to panel as designed for the 800 x 600 strip; wider strips centre its contents.
constexpr int kFromToDesignWidth = 323;
constexpr int kFromToHeight = 60;
constexpr int kBlockMs = 50;
constexpr int kQueryDelayMs = 1000;

const QColor kLightEra(0xEC, 0xEC, 0xEC);
const QColor kDarkEra(0xCE, 0xCE, 0xCE);

QLabel* stripLabel(QWidget* parent, const char* text, int pixels, bool bold) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    QFont font = label->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

TimelinePage::TimelinePage(HomePagesState& pages, QWidget* parent) : FoundSetPage(pages, parent) {
    createControls();
}

void TimelinePage::createControls() {
    Label4 = new QLabel(QStringLiteral("Scroll through time"), this);
    Label5 = new QLabel(QStringLiteral("Then click map to explore..."), this);
    createStrip();
    createFromToPanel();

    TimeScrollBar = new QScrollBar(Qt::Horizontal, this);
    TimeScrollBar->setRange(0, kLastPosition);
    TimeScrollBar->setSingleStep(20);
    // Qt's page step is both the jump and the thumb's size: the jump decides.
    TimeScrollBar->setPageStep(200);
    TimeScrollBar->setValue(TimelinePosition);
    TimeScrollBar->setToolTip(QStringLiteral("Scroll to choose a period"));
    TimeScrollBar->setFocusPolicy(Qt::StrongFocus);
    TimeScrollBar->installEventFilter(this);
    connect(TimeScrollBar, &QScrollBar::actionTriggered, this, &TimelinePage::scrollBarActed);
    connect(TimeScrollBar, &QScrollBar::sliderReleased, this,
            [this] { TimeScrollBarScroll(TimeScrollCode::EndTrack, TimeScrollBar->value()); });

    SearchTimer = new QTimer(this);
    SearchTimer->setSingleShot(true);
    connect(SearchTimer, &QTimer::timeout, this, &TimelinePage::SearchTimerTimer);
    ScrollBlockTimer = new QTimer(this);
    ScrollBlockTimer->setSingleShot(true);
    connect(ScrollBlockTimer, &QTimer::timeout, this, &TimelinePage::ScrollBlockTimerTimer);
}

void TimelinePage::createStrip() {
    // The box clips the strip, which moves left as the position grows.
    TimeScrollBox = new QWidget(this);
    strip_ = new QWidget(TimeScrollBox);
    for (int k = 0; k < kEraCount; ++k) {
        QFrame* panel = new QFrame(strip_);
        QPalette colours = panel->palette();
        colours.setColor(QPalette::Window, k % 2 == 0 ? kLightEra : kDarkEra);
        colours.setColor(QPalette::WindowText, Qt::black);
        panel->setPalette(colours);
        panel->setAutoFillBackground(true);
        TimePanels[static_cast<size_t>(k)] = panel;
        // The picture is painted when the page is first shown (TimeSheetShow).
        QLabel* image = new QLabel(panel);
        image->setGeometry(0, 0, kEraWidth, kEraWidth);
        TimeImages[static_cast<size_t>(k)] = image;
        QLabel* caption = stripLabel(panel, kEraCaptions[k], 12, true);
        caption->setWordWrap(true);
        caption->setGeometry(4, kCaptionTop, kEraWidth - 8, kPanelHeight - kCaptionTop - 20);
        TimeLabels[static_cast<size_t>(k)] = caption;
    }
    // The boundary years sit over the joins, above both neighbours.
    for (int k = 0; k < kEraCount - 1; ++k) {
        QLabel* date = stripLabel(strip_, kBoundaryLabels[k], 11, true);
        date->setFrameStyle(QFrame::Box | QFrame::Plain);
        date->setAutoFillBackground(true);
        QPalette colours = date->palette();
        colours.setColor(QPalette::Window, QColor(255, 250, 220));
        colours.setColor(QPalette::WindowText, QColor(90, 50, 20));
        date->setPalette(colours);
        TimeDates[static_cast<size_t>(k)] = date;
    }
}

void TimelinePage::createFromToPanel() {
    FromToPanel = new QFrame(this);
    FromToPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    FromToPanel->setLineWidth(2);
    FromToPanel->setAutoFillBackground(true);
    LHandImage = new QLabel(FromToPanel);
    LHandImage->setPixmap(QPixmap::fromImage(PaintPointingHand(true)));
    RHandImage = new QLabel(FromToPanel);
    RHandImage->setPixmap(QPixmap::fromImage(PaintPointingHand(false)));
    StaticText2 = stripLabel(FromToPanel, "View from", 13, false);
    StaticText1 = stripLabel(FromToPanel, "- to -", 13, false);
    DateFrom = stripLabel(FromToPanel, "", 17, true);
    DateTo = stripLabel(FromToPanel, "", 17, true);
}

void TimelinePage::arrange(int W, int, QSize sheet) {
    Label4->adjustSize();
    Label5->adjustSize();
    const TimelineMeasures m{Label4->size(), Label5->size(), kStripHeight, kFromToHeight,
                             TimeScrollBar->sizeHint().height()};
    const TimelineLayout l = ArrangeTimelinePage(W, sheet, m);
    Label4->setGeometry(l.label4);
    Label5->setGeometry(l.label5);
    TimeScrollBox->setGeometry(l.timeScrollBox);
    placeStrip(l.eraOffset, l.stripWidth);
    FromToPanel->setGeometry(l.fromToPanel);
    placeFromToPanel((l.fromToPanel.width() - kFromToDesignWidth) / 2);
    TimeScrollBar->setGeometry(l.timeScrollBar);

    moveStrip(TimelinePosition);
    PeriodIndex = PeriodIndexAt(TimelinePosition);
    showPeriod();
}

void TimelinePage::placeStrip(int eraOffset, int stripWidth) {
    strip_->resize(stripWidth, kStripHeight);
    for (int k = 0; k < kEraCount; ++k)
        TimePanels[static_cast<size_t>(k)]->setGeometry(eraOffset + k * kEraWidth, 0, kEraWidth,
                                                        kPanelHeight);
    for (int k = 0; k < kEraCount - 1; ++k)
        TimeDates[static_cast<size_t>(k)]->setGeometry(
            eraOffset + (k + 1) * kEraWidth - kBoundaryWidth / 2, kBoundaryTop, kBoundaryWidth,
            kBoundaryHeight);
}

void TimelinePage::placeFromToPanel(int shift) {
    const int middle = kFromToHeight / 2;
    LHandImage->setGeometry(shift + 8, middle - 12, 32, 24);
    StaticText2->setGeometry(shift + 40, middle - 10, 66, 20);
    DateFrom->setGeometry(shift + 106, middle - 12, 72, 24);
    StaticText1->setGeometry(shift + 178, middle - 10, 32, 20);
    DateTo->setGeometry(shift + 210, middle - 12, 72, 24);
    RHandImage->setGeometry(shift + 283, middle - 12, 32, 24);
}

bool TimelinePage::UpdatePeriodDates(int position) {
    const int p = PeriodIndexAt(position);
    if (p == PeriodIndex && !ForcePeriodUpdate) return false;
    ForcePeriodUpdate = false;
    PeriodIndex = p;
    showPeriod();
    return true;
}

void TimelinePage::showPeriod() {
    const Period period = PeriodOf(PeriodIndex);
    DateFrom->setText(QString::fromStdString(YearText(period.from)));
    DateTo->setText(QString::fromStdString(YearText(period.to)));
}

int TimelinePage::RunTimelineQuery(int from, int to) { return SelectYears(from, to); }

void TimelinePage::scrollBarActed(int action) {
    TimeScrollCode code;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
        case QAbstractSlider::SliderSingleStepSub:
            code = TimeScrollCode::LineStep;
            break;
        case QAbstractSlider::SliderPageStepAdd:
        case QAbstractSlider::SliderPageStepSub:
            code = TimeScrollCode::PageStep;
            break;
        case QAbstractSlider::SliderToMinimum:
        case QAbstractSlider::SliderToMaximum:
            code = TimeScrollCode::Jump;
            break;
        case QAbstractSlider::SliderMove:
            // The wheel moves the slider too, a notch at a time, without a drag.
            code = TimeScrollBar->isSliderDown() ? TimeScrollCode::Track : TimeScrollCode::LineStep;
            break;
        default:
            return;
    }
    TimeScrollBarScroll(code, TimeScrollBar->sliderPosition());
}

void TimelinePage::TimeScrollBarScroll(TimeScrollCode code, int position) {
    if (ScrollBlockTimer->isActive()) {
        ScrollPending = true;
    } else {
        moveStrip(position);
        ScrollBlockTimer->start(kBlockMs);
        ScrollPending = false;
    }
    TimelinePosition = position;
    if (code == TimeScrollCode::Track) return;
    if (!UpdatePeriodDates(position)) return;
    SearchTimer->start(kQueryDelayMs);
    if (code != TimeScrollCode::LineStep) SearchTimerTimer();
}

void TimelinePage::moveStrip(int position) {
    strip_->move(-position, 0);
    TimeScrollBox->repaint();
}

int TimelinePage::stripPosition() const { return -strip_->x(); }

void TimelinePage::ScrollBlockTimerTimer() {
    ScrollBlockTimer->stop();
    if (ScrollPending) moveStrip(TimeScrollBar->value());
}

void TimelinePage::SearchTimerTimer() {
    const Period period = PeriodOf(PeriodIndex);
    SearchTimer->stop();
    if (Startup().Quitting || !Content().loaded()) return;
    const int places = RunTimelineQuery(period.from, period.to);
    pages_.TimelineGeneration = Content().FoundGeneration;
    emit foundSetChanged(places);
}

bool TimelinePage::TimeScrollBarKeyDown(int key) {
    // Home belongs to the control screen (go exploring), not to the bar's left end.
    if (key == Qt::Key_Home) return true;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        SearchTimerTimer();
        return true;
    }
    return false;
}

void TimelinePage::TimeScrollBarEnter() { SearchTimerTimer(); }

void TimelinePage::TimeSheetShow() {
    for (int k = 0; k < kEraCount; ++k) {
        QLabel* image = TimeImages[static_cast<size_t>(k)];
        if (image->pixmap().isNull()) image->setPixmap(QPixmap::fromImage(PaintEraPicture(k)));
    }
    TimeScrollBar->setValue(TimelinePosition);
    moveStrip(TimelinePosition);
    UpdatePeriodDates(TimelinePosition);
    ForcePeriodUpdate = true;
}

void TimelinePage::TimeSheetHide() {
    SearchTimer->stop();
    emit mapRestoreRequested();
}

bool TimelinePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TimeScrollBar) {
        if (event->type() == QEvent::KeyPress)
            return TimeScrollBarKeyDown(static_cast<QKeyEvent*>(event)->key());
        if (event->type() == QEvent::FocusIn) TimeScrollBarEnter();
    }
    return FoundSetPage::eventFilter(watched, event);
}
