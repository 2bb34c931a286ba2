#include "screens/common/pictureview.h"

#include <QPaintEvent>
#include <QPainter>

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const QImage& picture) {
    // The old stretched copy goes first, so the two are never held at once.
    stretched_ = QImage();
    picture_ = picture;
    stretch();
    update();
}

void PictureView::clear() {
    picture_ = QImage();
    stretched_ = QImage();
    update();
}

void PictureView::stretch() {
    stretched_ = picture_.isNull() || size().isEmpty()
                     ? QImage()
                     : picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PictureView::resizeEvent(QResizeEvent*) {
    if (!picture_.isNull() && stretched_.size() != size()) stretch();
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (stretched_.isNull())
        painter.fillRect(event->rect(), palette().window());
    else
        painter.drawImage(event->rect().topLeft(), stretched_, event->rect());
}
