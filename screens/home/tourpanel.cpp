#include "screens/home/tourpanel.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "screens/home/tourpictures.h"
#include "screens/home/tourtopics.h"

namespace {

constexpr int kBevel = 4;
const QColor kEvenPanel(0xEC, 0xEC, 0xEC);
const QColor kOddPanel(0xCE, 0xCE, 0xCE);
// The chosen panel's colour is 0x2424 less in 0x00BBGGRR terms: red and green
// lose 0x24 each, blue keeps its value.
constexpr int kChosenShade = 0x24;
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
constexpr int kPictureTop = 8;
constexpr int kLineHeight = 16;

bool isClick(const QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

TourPanel::TourPanel(int index, const TourTopic& topic, QWidget* parent)
    : QFrame(parent), index_(index) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kBevel);
    setAutoFillBackground(true);
    setGeometry((index % kTourColumns) * kPitch, (index / kTourColumns) * kPitch, kSize, kSize);
    setChosen(false);

    // The picture is painted when the page is first shown (paintPicture).
    picture_ = new QLabel(this);
    picture_->setGeometry((kSize - kTourPictureWidth) / 2, kPictureTop, kTourPictureWidth,
                          kTourPictureHeight);
    picture_->installEventFilter(this);

    QFont captionFont = font();
    captionFont.setBold(true);
    // The longest captions take a smaller face to fit the panel.
    const char* const texts[] = {topic.line1, topic.line2};
    for (int pixels = 12; pixels >= 9; --pixels) {
        captionFont.setPixelSize(pixels);
        const QFontMetrics metrics(captionFont);
        int widest = 0;
        for (const char* text : texts)
            if (text)
                widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(text)));
        if (widest <= kSize - 2 * kBevel - 4) break;
    }
    const int captionTop = kPictureTop + kTourPictureHeight + (topic.line2 ? 2 : 10);
    for (int line = 0; line < 2 && texts[line]; ++line) {
        lines_[line] = new QLabel(QString::fromLatin1(texts[line]), this);
        lines_[line]->setFont(captionFont);
        lines_[line]->setAlignment(Qt::AlignCenter);
        lines_[line]->setGeometry(kBevel, captionTop + line * kLineHeight, kSize - 2 * kBevel,
                                  kLineHeight);
        lines_[line]->installEventFilter(this);
    }
    if (!topic.enabled()) {
        QPalette dim = palette();
        dim.setColor(QPalette::Disabled, QPalette::WindowText,
                     topic.state == TourState::Grey ? kGrey : kSilver);
        setPalette(dim);
        setEnabled(false);
    }
}

QColor TourPanel::colour() const {
    const QColor base = index_ % 2 == 0 ? kEvenPanel : kOddPanel;
    if (!chosen()) return base;
    return QColor(base.red() - kChosenShade, base.green() - kChosenShade, base.blue());
}

void TourPanel::setChosen(bool chosen) {
    setFrameShadow(chosen ? QFrame::Sunken : QFrame::Raised);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour());
    setPalette(colours);
}

void TourPanel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (isClick(event) && rect().contains(event->position().toPoint())) emit clicked(index_);
}

// The picture and caption lines: their click is the panel's, once.
bool TourPanel::eventFilter(QObject* watched, QEvent* event) {
    if (!isClick(event)) return QFrame::eventFilter(watched, event);
    emit clicked(index_);
    return true;
}

void TourPanel::paintPicture() {
    if (picture_->pixmap().isNull())
        picture_->setPixmap(QPixmap::fromImage(PaintTourPicture(index_)));
}
