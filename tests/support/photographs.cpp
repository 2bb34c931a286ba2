#include "tests/support/photographs.h"

#include <QPainter>
#include <algorithm>
#include <random>

QImage SyntheticPhotograph(int width, int height, uint32_t seed) {
    std::mt19937 random(seed);
    QImage image(width, height, QImage::Format_RGB888);
    // Sky to ground shading.
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uchar>(60 + 120 * y / height);
            row[3 * x + 1] = static_cast<uchar>(90 + 100 * x / width);
            row[3 * x + 2] = static_cast<uchar>(200 - 150 * y / height);
        }
    }
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        std::uniform_int_distribution<int> px(0, width), py(0, height), size(10, width / 3),
            channel(0, 255);
        for (int i = 0; i < 40; ++i) {
            painter.setBrush(QColor(channel(random), channel(random), channel(random)));
            painter.setPen(QColor(channel(random), channel(random), channel(random)));
            painter.drawEllipse(px(random), py(random), size(random), size(random));
        }
    }
    std::uniform_int_distribution<int> grain(-12, 12);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < 3 * width; ++i)
            row[i] = static_cast<uchar>(std::clamp(row[i] + grain(random), 0, 255));
    }
    return image;
}
