// Caption links, the caption boxes' hold on the focus, and the map button's right button.
#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "screens/explore/captionlinks.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/zmexplor.h"

namespace {

constexpr int kFocusHold = 1000;

}  // namespace

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
    // The right button released over the map button ends a map peek.
    if (event->type() == QEvent::MouseButtonRelease && watched == MapButton &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        EndPeek();
    return QWidget::eventFilter(watched, event);
}
