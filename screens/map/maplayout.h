// The detailed map window and its key as plain functions of the screen size (stage
// coordinates): the map over the explore screen's picture area, the key directly below it.
#pragma once

#include <QRect>

QRect MapWindowRect(int W, int H);

struct MapKeyLayout {
    QRect window;
    QRect milesTitle;  // the rest inside the window
    QRect mileScale;
    QRect placename;  // at its full height, at the bottom
    int placenameFullHeight;
    int fontHeight;  // negative: a pixel height for the glyphs
};

MapKeyLayout ArrangeMapKeyLayout(int W, int H);

// The "Now at:" memo is two thirds of its full height for a name on one line.
int PlacenameHeight(int lines, int fullHeight);
