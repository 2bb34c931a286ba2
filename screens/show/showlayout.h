// The slideshow window's geometry as plain functions of the screen size.
#pragma once

#include <QRect>

struct ShowLayout {
    QRect window;
    QRect lanPicture;  // the detailed map's size: the explosion ends on it
    QRect portPicture;
    QRect placenamePanel;
    QRect placenameMemo;
    int placenameFontHeight;  // pixels
    QRect stopButton;
    QRect goBackButton;
    QRect musicButton;
    QRect titlePanel;
    QRect logoImage;   // in the title panel
    QRect sideTitle;   // in the title panel
    QRect exitButton;  // in the title panel
    QRect textScrollBox;
    int textOffsetY;  // where scrolling text is drawn in its paint box
    int capSpaceHeight;
    int capTopLow;      // captions under a portrait picture, and map-stage titles
    int capTopMid;      // captions under a landscape picture
    int capFontHeight;  // pixels
};

ShowLayout ArrangeShowLayout(int W, int Hs);
