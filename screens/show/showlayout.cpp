#include "screens/show/showlayout.h"

#include <algorithm>

ShowLayout ArrangeShowLayout(int W, int Hs) {
    ShowLayout l;
    l.window = QRect(0, 0, W, Hs);
    l.lanPicture = QRect(0, 0, W * 768 / 800, Hs * 512 / 600);
    l.portPicture = QRect(W * 152 / 800, 0, W * 360 / 800, Hs * 540 / 600);
    l.placenamePanel = QRect(0, l.lanPicture.height(), l.lanPicture.width(), Hs * 25 / 600);
    l.placenameMemo = QRect(W * 520 / 800, Hs * 448 / 600, W * 218 / 800, Hs * 65 / 600);
    l.placenameFontHeight = W * 13 / 800;

    constexpr int kButton = 32;
    const int LW = l.lanPicture.width();
    const int g = (W - LW - kButton) / 2;
    const int x = LW + g;
    const int gap = kButton + Hs * 4 / 600;
    l.stopButton = QRect(x, l.lanPicture.height() - kButton, kButton, kButton);
    l.goBackButton = l.stopButton.translated(0, -gap);
    l.musicButton = l.goBackButton.translated(0, -gap);
    l.titlePanel = QRect(x, 0, kButton, l.musicButton.top() - std::max(g, 10));
    l.logoImage = QRect(2, l.titlePanel.height() - 58 - 7, 28, 58);
    l.sideTitle = QRect(2, l.logoImage.top() - 231 - 9, 28, 231);
    l.exitButton = QRect(2, 4, 28, 28);

    l.textScrollBox = QRect(0, Hs * 4 / 600 + l.portPicture.height(), W, W * 33 / 800);
    l.textOffsetY = W * -7 / 800;
    l.capSpaceHeight = Hs * 60 / 600;
    l.capTopLow = Hs - l.capSpaceHeight;
    l.capTopMid = (l.lanPicture.height() + l.capTopLow) / 2;
    l.capFontHeight = W * 17 / 800;
    return l;
}
