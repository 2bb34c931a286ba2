#include "tests/support/photographs.h"

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
    // Discs drawn by hand: QPainter would fill large areas on Qt's own thread pool, which
    // ThreadSanitizer (with an uninstrumented Qt) reports as races.
    std::uniform_int_distribution<int> px(0, width), py(0, height), radius(5, width / 6),
        channel(0, 255);
    for (int i = 0; i < 40; ++i) {
        const int cx = px(random), cy = py(random), r = radius(random);
        const uchar colour[3] = {static_cast<uchar>(channel(random)),
                                 static_cast<uchar>(channel(random)),
                                 static_cast<uchar>(channel(random))};
        for (int y = std::max(0, cy - r); y < std::min(height, cy + r); ++y) {
            uchar* row = image.scanLine(y);
            for (int x = std::max(0, cx - r); x < std::min(width, cx + r); ++x) {
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r) continue;
                for (int c = 0; c < 3; ++c) row[3 * x + c] = colour[c];
            }
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
