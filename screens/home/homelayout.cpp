#include "screens/home/homelayout.h"

#include <algorithm>

namespace {

constexpr int kBarHeight = 35;
constexpr int kIconWidth = 68;
constexpr int kIconHeight = 36;

}  // namespace

HomeLayout ArrangeHomeLayout(int W, int H) {
    HomeLayout l{};
    const int left = W * 356 / 800;
    const int mapWidth = W * 384 / 800;
    const int tabsTop = H * 64 / 600;

    l.prodTitle = QRect(0, 0, left, tabsTop);
    l.prodTitleFontHeight = W > 800 ? -27 : -25;
    l.miniMap = QRect(left, 0, mapWidth, H);
    l.miniMapFile = H == 600 ? "mimimi.bmp" : "mimi.bmp";
    // The Exit button stands in the strip right of the map, as tall as the title.
    l.closeBtn = QRect(left + mapWidth, 0, W - left - mapWidth, tabsTop);

    l.tabWidth = W * 66 / 800;
    l.homeTabs = QRect(W * 12 / 800, tabsTop, 5 * l.tabWidth + 5, H * 460 / 600);
    l.sheet = QSize(l.homeTabs.width() - 8, l.homeTabs.height() - 30);

    l.iconImage = QRect(l.homeTabs.left(), H - std::min(l.homeTabs.left(), 12) - kIconHeight,
                        kIconWidth, kIconHeight);
    const int barLeft = l.iconImage.left() * 5 / 3 + kIconWidth;
    l.leftBBar = QRect(barLeft, H - kBarHeight, left - barLeft, kBarHeight);
    l.rightBBar = QRect(left + mapWidth, H - kBarHeight, W - left - mapWidth, kBarHeight);
    return l;
}

GoToLayout ArrangeGoToPage(int W, int H, QSize sheet, const GoToMeasures& m) {
    GoToLayout l{};
    const int b = W * 14 / 800;
    const int s15 = H * 15 / 600;
    const int s14 = H * 14 / 600;
    const int s7 = H * 7 / 600;

    l.startImage = QRect(b, b, 34, 75);
    l.label1 = QRect(QPoint(3 * b + 34, s15), m.label1);
    l.markCheckBox =
        QRect(QPoint(l.label1.left() + b, s15 + m.label1.height() + 2 * s7), m.markCheckBox);
    l.goButton = QRect(
        QPoint(sheet.width() - b - m.goButton.width(), sheet.height() - s14 - m.goButton.height()),
        m.goButton);
    const int comboHeight = H * 260 / 600;
    l.goToCombo =
        QRect(b, l.goButton.top() + 4 - s7 - comboHeight, sheet.width() - 2 * b, comboHeight);
    l.label2 = QRect(QPoint(b, l.goToCombo.top() - s7 - m.label2.height()), m.label2);
    return l;
}

QPoint MapToMiniMap(int x, int y, int W, int H) {
    return QPoint(x * W / 6400, (y - 40) * H / 4800);
}

QPoint MiniMapToMap(int px, int py, int W, int H) {
    return QPoint(px * 6400 / W, py * 4800 / H + 40);
}

ShowPageLayout ArrangeShowPage(int H, QSize sheet, const ShowPageMeasures& m) {
    const int x = std::min(80, (sheet.width() - m.showPanel.width()) / 2);
    const int spacing = H * 30 / 600;
    const int g = (sheet.height() + 28 - m.label8.height() - m.showPanel.height() -
                   m.optionBox.height() - m.label9.height() - spacing) /
                  4;
    ShowPageLayout l;
    l.label8 = QRect(QPoint(x, g), m.label8);
    l.showPanel = QRect(QPoint(x, l.label8.bottom() + 1 + g), m.showPanel);
    l.optionBox = QRect(QPoint(x, l.showPanel.bottom() + 1 + spacing - 28), m.optionBox);
    l.label9 = QRect(QPoint(x, sheet.height() - g - m.label9.height()), m.label9);
    return l;
}
