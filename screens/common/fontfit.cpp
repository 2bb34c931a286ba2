#include "screens/common/fontfit.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>

namespace {

int lineHeight(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

}  // namespace

int LargestPixelSizeWithin(const QFont& font, int largest, int smallest, int room) {
    if (largest <= smallest) return smallest;
    const int highest = lineHeight(font, largest);
    if (highest <= room) return largest;
    // Line heights grow in step with the size: start from the proportional guess, then step.
    int size = std::clamp(largest * room / std::max(1, highest), smallest, largest - 1);
    while (size > smallest && lineHeight(font, size) > room) --size;
    while (size + 1 < largest && lineHeight(font, size + 1) <= room) ++size;
    return size;
}
