#include "platform/picturethread.h"

PictureOnThread::~PictureOnThread() {
    if (thread_.joinable()) thread_.join();
}

void PictureOnThread::start(std::function<QImage()> make) {
    take();
    thread_ = std::thread([this, make = std::move(make)] { picture_ = make(); });
}

QImage PictureOnThread::take() {
    if (!thread_.joinable()) return QImage();
    thread_.join();
    return std::move(picture_);
}
