// Which view tabs the tab column shows: a window of TabSlots tabs starting at FirstTab, moved
// one step by the eye buttons or jumped so that a shown view's tab is visible.
#pragma once

struct TabWindow {
    int first = 1;  // FirstTab
    int size = 1;   // TabSlots
    int count = 0;  // ViewsHere

    bool visible(int tab) const { return tab >= first && tab < first + size && tab <= count; }
    bool canScrollDown() const { return first + size - 1 < count; }
    bool canScrollUp() const { return first >= 2; }
    void scrollDown();
    void scrollUp();
    // Makes tab n (1..count) visible: as the last visible tab when it lies below, else the first.
    void scrollTo(int n);
    // One step when n is adjacent to the window, a jump otherwise.
    void keepInView(int n);
};
