// One run of scrolling text across the show's text box: where the text starts, how far it
// travels, and how far each 14 ms tick takes it. Product text moves a fixed step per tick;
// a title crosses in the view time, by the clock until the tick count of a full run is known.
#pragma once

#include <cstdint>

constexpr int kProductTextDuration = -1;

class TextScrollRun {
  public:
    // durationMs is kProductTextDuration for product text.
    void begin(int textWidth, int boxWidth, int W, int durationMs, int64_t startMs);

    // One tick: the new position, never beyond the range.
    int tick(int64_t nowMs, int ticksPerScroll, int scrollStep);

    int margin() const { return margin_; }
    int range() const { return range_; }
    int position() const { return position_; }
    int ticks() const { return ticks_; }
    bool isTitle() const { return duration_ != kProductTextDuration; }
    bool finished() const { return position_ >= range_; }

  private:
    int margin_ = 0;
    int range_ = 0;
    int position_ = 0;
    int duration_ = kProductTextDuration;
    int64_t start_ = 0;
    int ticks_ = 0;
};
