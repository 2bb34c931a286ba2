// The explore screen's geometry as plain functions of the screen size, so that every figure
// can be checked without a window.
#pragma once

#include <QRect>

constexpr int kMaxViewTabs = 110;

struct StepPanelLayout {
    QRect panel;  // in screen coordinates; the rest inside the panel
    QRect northButton;
    QRect southButton;
    QRect eastButton;
    QRect westButton;
    QRect backButton;
    QRect clockButton;
    QRect aClockButton;
    QRect withinSet;
};

struct ExploreLayout {
    QRect lanPicture;
    QRect portPicture;
    QRect titlePanel;
    int titleFontHeight;  // negative: a pixel height for the glyphs
    QRect closeBtn;
    QRect sShowButton;
    QRect nextPButton;
    QRect iconImage;
    QRect mapButton;
    QRect picTabPanel;
    // Inside PicTabPanel.
    QRect eyeUpButton;
    QRect eyeDownButton;
    QRect stripe;
    int tabWidth;
    int tabHeight;
    int tabSlots;
    int firstTabTop;
    QRect lanCap;
    QRect portCap;
    int captionFontHeight;
    StepPanelLayout steps;
};

// iconLeft: the control screen's logo button left; withinSetHeight: the check box's natural
// height.
ExploreLayout ArrangeExploreLayout(int W, int H, int iconLeft, int withinSetHeight);

// The top of view tab i (1-based) when tab `first` is the first visible one.
int TabTop(const ExploreLayout& layout, int i, int first);
