// The control screen's geometry as plain functions of the screen size, so that every figure
// can be checked without a window.
#pragma once

#include <QRect>
#include <QSize>

struct HomeLayout {
    QRect prodTitle;
    int prodTitleFontHeight;  // negative: a pixel height for the glyphs
    QRect miniMap;
    const char* miniMapFile;
    QRect closeBtn;
    QRect homeTabs;
    int tabWidth;
    QSize sheet;  // each page
    QRect iconImage;
    QRect leftBBar;
    QRect rightBBar;
};

HomeLayout ArrangeHomeLayout(int W, int H);

// Natural sizes of the Go To page's text controls, measured by the caller.
struct GoToMeasures {
    QSize label1;
    QSize markCheckBox;
    QSize goButton;
    QSize label2;
};

struct GoToLayout {
    QRect startImage;
    QRect label1;
    QRect markCheckBox;
    QRect goButton;
    QRect goToCombo;
    QRect label2;
};

GoToLayout ArrangeGoToPage(int W, int H, QSize sheet, const GoToMeasures& measures);

// Mini-map pixels and map units.
QPoint MapToMiniMap(int x, int y, int W, int H);
QPoint MiniMapToMap(int px, int py, int W, int H);

// Natural sizes of the Slideshow page's parts, measured by the caller.
struct ShowPageMeasures {
    QSize label8;
    QSize showPanel;
    QSize optionBox;
    QSize label9;
};

struct ShowPageLayout {
    QRect label8;
    QRect showPanel;
    QRect optionBox;
    QRect label9;
};

ShowPageLayout ArrangeShowPage(int H, QSize sheet, const ShowPageMeasures& measures);
