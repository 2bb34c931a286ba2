#include "screens/common/imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {}

void ImageControl::setImage(const QImage* image) {
    image_ = image;
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (!image_ || image_->isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), *image_);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressedInside_ = true;
    emit pressed(event->position().toPoint());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedInside_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click) emit clicked();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    pressedInside_ = false;
    emit doubleClicked(event->position().toPoint());
}
