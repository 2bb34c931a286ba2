#include "screens/show/textscrollrun.h"

#include <algorithm>

void TextScrollRun::begin(int textWidth, int boxWidth, int W, int durationMs, int64_t startMs) {
    duration_ = durationMs;
    margin_ = duration_ == kProductTextDuration ? boxWidth : boxWidth / 16;
    // A short text scrolls only a little, from just right of the centre.
    if (textWidth + 2 * margin_ < boxWidth) margin_ = W * 10 / 800 + (boxWidth - textWidth) / 2;
    range_ = std::max(0, textWidth + 2 * margin_ - boxWidth);
    position_ = 0;
    start_ = startMs;
    ticks_ = 0;
}

int TextScrollRun::tick(int64_t nowMs, int ticksPerScroll, int scrollStep) {
    ++ticks_;
    int64_t next = position_;
    if (!isTitle())
        next = position_ + scrollStep;
    else if (ticksPerScroll == -1)
        next = duration_ > 0 ? (nowMs - start_) * range_ / duration_ : range_;
    else
        next = ticksPerScroll > 0 ? int64_t{range_} * ticks_ / ticksPerScroll : range_;
    position_ = static_cast<int>(std::clamp<int64_t>(next, position_, range_));
    return position_;
}
