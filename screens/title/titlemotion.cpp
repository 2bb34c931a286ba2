#include "screens/title/titlemotion.h"

ZoomGaps GapsOf(const Edges& w, int screenHeight) {
    return ZoomGaps{w.left, w.top, screenHeight - w.bottom};
}

Edges ZoomRect(int k, const ZoomGaps& gaps, int screenWidth, int screenHeight) {
    const int left = k * gaps.left / kZoomSteps;
    return Edges{left, k * gaps.top / kZoomSteps, screenWidth - left,
                 screenHeight - k * gaps.bottom / kZoomSteps};
}

int ScrollTickMs(int screenWidth) { return screenWidth > 800 ? 13 : 19; }

int ScrollTicks(int textWidth, int boxWidth) { return (textWidth + boxWidth) / 4; }

int ScrollLeft(int boxWidth, int ticks) { return boxWidth - kScrollStep * ticks; }
