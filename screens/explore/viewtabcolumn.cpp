#include "screens/explore/viewtabcolumn.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "screens/explore/buttonart.h"
#include "screens/explore/viewtab.h"

namespace {

constexpr int kEyeFirstDelay = 320;
constexpr int kEyeRepeat = 80;

QPushButton* eyeButton(QWidget* parent, const QString& text, const char* hint) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

ViewTabColumn::ViewTabColumn(QWidget* parent) : QWidget(parent) {
    EyeUpButton = eyeButton(this, QStringLiteral("\u25B2"), "Scroll up view tabs (Page Up key)");
    EyeDownButton =
        eyeButton(this, QStringLiteral("\u25BC"), "Scroll down view tabs (Page Down key)");
    Stripe = new QPushButton(this);
    Stripe->setEnabled(false);
    UpTimer = new QTimer(this);
    DownTimer = new QTimer(this);
    EyeUpButton->installEventFilter(this);
    EyeDownButton->installEventFilter(this);
    connect(UpTimer, &QTimer::timeout, this, &ViewTabColumn::UpTimerTimer);
    connect(DownTimer, &QTimer::timeout, this, &ViewTabColumn::DownTimerTimer);
}

// The eyes answer any mouse button but the right one, from the moment it goes down.
bool ViewTabColumn::eventFilter(QObject* watched, QEvent* event) {
    const bool eye = watched == EyeUpButton || watched == EyeDownButton;
    const QEvent::Type type = event->type();
    if (!eye || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease))
        return QWidget::eventFilter(watched, event);
    if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) return true;
    if (type == QEvent::MouseButtonRelease)
        EyeButtonMouseUp();
    else if (watched == EyeUpButton)
        EyeUpButtonMouseDown();
    else
        EyeDownButtonMouseDown();
    return true;
}

void ViewTabColumn::Arrange(const ExploreLayout& l, const QFont& screenFont) {
    layout_ = l;
    setGeometry(l.picTabPanel);
    EyeUpButton->setGeometry(l.eyeUpButton);
    EyeDownButton->setGeometry(l.eyeDownButton);
    Stripe->setGeometry(l.stripe);
    PutPicture(EyeUpButton, EyeIcon(true, l.eyeUpButton.size()));
    PutPicture(EyeDownButton, EyeIcon(false, l.eyeDownButton.size()));

    // The tabs keep their height on large screens: the numbers shrink to stay inside them.
    QFont tabFont = screenFont;
    tabFont.setBold(true);
    while (tabFont.pixelSize() > 8 && QFontMetrics(tabFont).ascent() > l.tabHeight - 2)
        tabFont.setPixelSize(tabFont.pixelSize() - 1);
    TabButtons.reserve(kMaxViewTabs);
    for (int i = 1; i <= kMaxViewTabs; ++i) {
        auto* tab = new ViewTab(QString::number(i), this);
        tab->setFont(tabFont);
        tab->setToolTip(QStringLiteral("See view %1").arg(i));
        tab->setFocusPolicy(Qt::NoFocus);
        tab->setGeometry(0, TabTop(l, i, 1), l.tabWidth, l.tabHeight);
        tab->hide();
        connect(tab, &QPushButton::clicked, this, [this, i] { emit tabClicked(i); });
        TabButtons.push_back(tab);
    }
    Stripe->raise();
    Tabs = TabWindow{1, l.tabSlots, 0};
}

void ViewTabColumn::ShowTabsFor(int views) {
    if (marked_ > 0) drawMark(marked_, false);
    marked_ = 0;
    Tabs = TabWindow{1, layout_.tabSlots, views};
    placeTabs();
    const bool scrolls = views > layout_.tabSlots;
    EyeUpButton->setEnabled(scrolls);
    EyeDownButton->setEnabled(scrolls);
}

void ViewTabColumn::MarkTab(int n) {
    if (marked_ > 0) drawMark(marked_, false);
    marked_ = n;
    if (n == 0) return;
    drawMark(n, true);
    Tabs.keepInView(n);
    placeTabs();
}

// Every tab in the window at its place, the others hidden; the marked tab overlaps the stripe.
void ViewTabColumn::placeTabs() {
    for (int i = 1; i <= static_cast<int>(TabButtons.size()); ++i) {
        QPushButton* tab = TabButtons[static_cast<size_t>(i - 1)];
        const bool shown = Tabs.visible(i);
        tab->setVisible(shown);
        tab->setEnabled(shown);
        if (shown) tab->move(0, TabTop(layout_, i, Tabs.first));
    }
    Stripe->raise();
    if (marked_ > 0) TabButtons[static_cast<size_t>(marked_ - 1)]->raise();
}

void ViewTabColumn::drawMark(int n, bool marked) {
    ViewTab* tab = TabButtons[static_cast<size_t>(n - 1)];
    tab->resize(layout_.tabWidth + (marked ? 2 : 0), layout_.tabHeight);
    tab->setMarked(marked);
    if (marked) tab->raise();
    Stripe->update();
}

void ViewTabColumn::ScrollTabsDown() {
    Tabs.scrollDown();
    placeTabs();
}

void ViewTabColumn::ScrollTabsUp() {
    Tabs.scrollUp();
    placeTabs();
}

void ViewTabColumn::EyeUpButtonMouseDown() {
    ScrollTabsUp();
    UpTimer->start(kEyeFirstDelay);
}

void ViewTabColumn::EyeDownButtonMouseDown() {
    ScrollTabsDown();
    DownTimer->start(kEyeFirstDelay);
}

void ViewTabColumn::EyeButtonMouseUp() {
    UpTimer->stop();
    DownTimer->stop();
}

void ViewTabColumn::UpTimerTimer() {
    ScrollTabsUp();
    UpTimer->setInterval(kEyeRepeat);
}

void ViewTabColumn::DownTimerTimer() {
    ScrollTabsDown();
    DownTimer->setInterval(kEyeRepeat);
}
