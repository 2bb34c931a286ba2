#include "screens/map/maplayout.h"

QRect MapWindowRect(int W, int H) { return QRect(0, 0, W * 768 / 800, H * 512 / 600); }

MapKeyLayout ArrangeMapKeyLayout(int W, int H) {
    MapKeyLayout key;
    const int top = H * 512 / 600;
    key.window = QRect(W * 104 / 800, top, W / 2, H - top);
    const int width = key.window.width();
    const int spacerHeight = H * 3 / 600;
    key.milesTitle = QRect(0, spacerHeight, width, H * 20 / 600);
    key.placenameFullHeight = H * 38 / 600;
    key.placename =
        QRect(0, key.window.height() - key.placenameFullHeight, width, key.placenameFullHeight);
    const int scaleHeight = key.window.height() - key.placenameFullHeight - key.milesTitle.top() -
                            key.milesTitle.height();
    key.mileScale = QRect(0, key.milesTitle.bottom() + 1, width, scaleHeight);
    key.fontHeight = W * -13 / 800;
    return key;
}

int PlacenameHeight(int lines, int fullHeight) {
    return lines < 2 ? fullHeight * 2 / 3 : fullHeight;
}
