#include "screens/explore/viewtab.h"

#include <QStyleOptionButton>
#include <QStylePainter>

ViewTab::ViewTab(const QString& text, QWidget* parent)
    : QPushButton(text, parent), plainInk_(palette()), markedInk_(palette()) {
    plainInk_.setColor(QPalette::ButtonText, Qt::black);
    markedInk_.setColor(QPalette::ButtonText, Qt::blue);
}

void ViewTab::setMarked(bool marked) {
    if (marked == marked_) return;
    marked_ = marked;
    update();
}

void ViewTab::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = marked_ ? markedInk_ : plainInk_;
    painter.drawControl(QStyle::CE_PushButton, option);
}
