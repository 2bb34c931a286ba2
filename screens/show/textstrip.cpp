#include "screens/show/textstrip.h"

#include <QPaintEvent>
#include <QPainter>

TextStrip::TextStrip(QWidget* parent) : QWidget(parent) {}

void TextStrip::setText(const QString& text) {
    text_ = text;
    update();
}

void TextStrip::paintEvent(QPaintEvent* event) {
    if (event->rect().isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, offsetY_, width(), height() - offsetY_),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
}
