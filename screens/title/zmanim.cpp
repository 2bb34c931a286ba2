#include "screens/title/zmanim.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "app/colours.h"
#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "platform/animationclock.h"
#include "platform/fontsetup.h"

namespace {

const QColor kBackdrop = QColor::fromRgb(kScreenBackdrop);
const char* const kLines[2] = {"Vantora Software Ltd presents...", "Vantora Fernvales"};

int lineTop(int line) {
    const int H = Startup().ScreenHeight;
    return line == 0 ? H * 400 / 600 : H * 460 / 600;
}

}  // namespace

TZMAnimWin::TZMAnimWin(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    Windows().ZMAnimWin = this;
    setWindowTitle(QString::fromLatin1(kProductTitle));
}

TZMAnimWin::~TZMAnimWin() {
    if (AnimationClock::running() && isVisible()) AnimationClock::stop();
}

void TZMAnimWin::showOverScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect display =
        screen ? screen->geometry() : QRect(0, 0, Startup().ScreenWidth, Startup().ScreenHeight);
    setGeometry(display);
    origin_ = AreaOriginOnScreen() - display.topLeft();
    canvas_ =
        screen ? screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32) : QImage();
    if (canvas_.size() != display.size()) {
        canvas_ = QImage(display.size(), QImage::Format_RGB32);
        canvas_.fill(kBackdrop);
    }
    show();
}

bool TZMAnimWin::stopped() const { return Startup().StopStartup || Startup().Quitting; }

void TZMAnimWin::startZoom(const Edges& titleWindow) {
    gaps_ = GapsOf(titleWindow, Startup().ScreenHeight);
    previous_ = titleWindow;
    k_ = kZoomSteps;
    line_ = 0;
    // Beyond the 4:3 area the screen belongs to the backdrop from the start.
    QPainter painter(&canvas_);
    const QRegion outside =
        QRegion(canvas_.rect()) -
        QRegion(QRect(origin_, QSize(Startup().ScreenWidth, Startup().ScreenHeight)));
    for (const QRect& r : outside) painter.fillRect(r, kBackdrop);
    AnimationClock::start(kZoomPeriodMs, [this] { ZoomStep(); });
}

// The band between the old and the new inner edge, as four strips.
void TZMAnimWin::paintBands(const Edges& from, const Edges& to) {
    QPainter painter(&canvas_);
    painter.translate(origin_);
    painter.fillRect(QRect(QPoint(to.left, from.bottom - 1), QPoint(to.right, to.bottom)),
                     kBackdrop);
    painter.fillRect(QRect(QPoint(to.left, to.top), QPoint(from.left, to.bottom)), kBackdrop);
    painter.fillRect(QRect(QPoint(to.left, to.top), QPoint(to.right, from.top)), kBackdrop);
    painter.fillRect(QRect(QPoint(from.right, to.top), QPoint(to.right, to.bottom)), kBackdrop);
}

void TZMAnimWin::ZoomStep() {
    if (stopped()) {
        AnimationClock::stop();
        return;
    }
    --k_;
    const Edges next = ZoomRect(k_, gaps_, Startup().ScreenWidth, Startup().ScreenHeight);
    paintBands(previous_, next);
    previous_ = next;
    update();
    if (k_ > 0) return;
    AnimationClock::stop();
    canvas_.fill(kBackdrop);
    update();
    if (!stopped()) startLine(0);
}

QFont TZMAnimWin::lineFont() const {
    QFont font(QString::fromLatin1(kBookmanFace));
    font.setBold(true);
    font.setPixelSize(Startup().ScreenHeight * 33 / 600);
    return font;
}

void TZMAnimWin::startLine(int line) {
    line_ = line;
    const QString text = QString::fromLatin1(kLines[line]);
    lineWidth_[line] = QFontMetrics(lineFont()).horizontalAdvance(text);
    lineLeft_[line] = Startup().ScreenWidth;  // just outside the box, on the right
    ticksLeft_ = ScrollTicks(lineWidth_[line], Startup().ScreenWidth);
    AnimationClock::start(ScrollTickMs(Startup().ScreenWidth), [this] { ScrollStep(); });
}

void TZMAnimWin::ScrollStep() {
    if (stopped()) {
        AnimationClock::stop();
        return;
    }
    if (ticksLeft_ > 0) {
        --ticksLeft_;
        lineLeft_[line_] -= kScrollStep;
        paintLines();
    }
    if (ticksLeft_ > 0) return;
    AnimationClock::stop();
    if (line_ == 0) {
        startLine(1);
    } else {
        line_ = 2;
    }
}

void TZMAnimWin::paintLines() {
    const int W = Startup().ScreenWidth;
    const int textDy = W * -7 / 800;
    const QFont font = lineFont();
    // The band is the font's full height, so that descenders ("p") are not cut off.
    const int lineHeight = QFontMetrics(font).height();
    QPainter painter(&canvas_);
    painter.translate(origin_);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int line = 0; line <= std::min(line_, 1); ++line) {
        const QRect box(0, lineTop(line) + textDy, W, lineHeight);
        painter.fillRect(box, kBackdrop);
        painter.setClipRect(box);  // a line sliding in stays inside the 4:3 area
        painter.drawText(QRect(lineLeft_[line], box.top(), lineWidth_[line] + 4, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(kLines[line]));
        painter.setClipping(false);
    }
    update();
}

void TZMAnimWin::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (canvas_.isNull()) {
        painter.fillRect(rect(), kBackdrop);
        return;
    }
    painter.drawImage(0, 0, canvas_);
}

void TZMAnimWin::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
    emit clicked();
}
