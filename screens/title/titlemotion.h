// The title sequence's movements as plain arithmetic: the backdrop growing out of the title
// window, and the two lines sliding in from the right.
#pragma once

constexpr int kZoomSteps = 80;
constexpr int kZoomPeriodMs = 18;
constexpr int kScrollStep = 2;

// A rectangle as its four edges, right and bottom exclusive.
struct Edges {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const Edges& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The title window's distances to the left, top and bottom screen edges.
struct ZoomGaps {
    int left;
    int top;
    int bottom;
};

ZoomGaps GapsOf(const Edges& titleWindow, int screenHeight);
// The backdrop's inner edge after the step that leaves k steps to go (80 = the title window,
// 0 = the whole screen).
Edges ZoomRect(int k, const ZoomGaps& gaps, int screenWidth, int screenHeight);

// Scroll tick period: quicker on wider screens.
int ScrollTickMs(int screenWidth);
// Ticks a line of the given width needs to come to rest centred in a box.
int ScrollTicks(int textWidth, int boxWidth);
// The line's left edge in its box after a number of ticks.
int ScrollLeft(int boxWidth, int ticks);
