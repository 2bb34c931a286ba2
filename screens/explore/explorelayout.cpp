#include "screens/explore/explorelayout.h"

#include <algorithm>

namespace {

constexpr int kCloseHeight = 29;
constexpr int kMapButtonHeight = 33;
constexpr int kEyeHeight = 20;
constexpr int kRoundButton = 36;

StepPanelLayout arrangeStepPanel(int W, int H, const QRect& portPicture, int withinSetHeight) {
    const int M = W * 3 / 800;
    const int LH = H * 512 / 600;
    const int U = H * 11 / 600;
    const int S = U + 14;
    const QSize back(S * 75 / 25, S);
    const QSize eastWest(S * 41 / 25, S);
    const QSize northSouth(S, S * 39 / 25);
    const int P3 = S * 3 / 25;
    const int P6 = S * 6 / 25;

    StepPanelLayout s;
    const int width = 3 * U + P6 + back.width() + 2 * eastWest.width() + 44;
    const int height = 2 * P3 + 2 * northSouth.height() + 1;
    const int top = H == 600 ? H - height - 1 : H - height - M - 1;
    s.panel = QRect(portPicture.right() + 1 + top - LH, top, width, height);
    s.withinSet = QRect(P6, height - P6 - withinSetHeight, width - 2 * P6, withinSetHeight);
    s.backButton = QRect(QPoint(S, S * 20 / 25), back);

    const int eastLeft = width - P6 - eastWest.width();
    const int x = eastLeft - northSouth.width() - 1;
    s.northButton = QRect(QPoint(x, P3), northSouth);
    s.southButton = QRect(QPoint(x, P3 + northSouth.height() + 1), northSouth);
    const int eastWestTop = s.southButton.top() - (U + 15) / 2;
    s.eastButton = QRect(QPoint(eastLeft, eastWestTop), eastWest);
    s.westButton = QRect(QPoint(x - eastWest.width() - 1, eastWestTop), eastWest);

    const int clockTop = S + eastWestTop - kRoundButton;
    const int clockLeft = W * 2 / 800 + eastLeft;
    s.clockButton = QRect(clockLeft, clockTop, kRoundButton, kRoundButton);
    s.aClockButton =
        QRect(clockLeft - 2 * (W * 2 / 800) - kRoundButton, clockTop, kRoundButton, kRoundButton);
    return s;
}

}  // namespace

ExploreLayout ArrangeExploreLayout(int W, int H, int iconLeft, int withinSetHeight) {
    ExploreLayout l;
    const int LW = W * 768 / 800;
    const int LH = H * 512 / 600;
    l.lanPicture = QRect(0, 0, LW, LH);
    l.portPicture = QRect(W * 104 / 800, 0, W / 2, H);
    l.titlePanel = QRect(0, LH, W * 104 / 800, H * 33 / 600);
    l.titleFontHeight = W * (-13) / 800;

    l.closeBtn = QRect(LW, 0, W - LW, kCloseHeight);
    const int M = W * 3 / 800;
    l.tabWidth = W - LW - M - 1;

    const int roundWidth = l.tabWidth >= kRoundButton ? l.tabWidth + 1 : kRoundButton;
    const int roundLeft = W - roundWidth - M;
    const int showTop = H - kRoundButton - M - 1;
    l.sShowButton = QRect(roundLeft, showTop, roundWidth, kRoundButton);
    const int G = (showTop - LH - kRoundButton) / 3;
    l.nextPButton = QRect(roundLeft, showTop - kRoundButton - G, roundWidth, kRoundButton);

    const int D = (H + 1 - 36 - LH - l.titlePanel.height()) / 2;
    l.iconImage = QRect(iconLeft, H - std::min(D, 12) - 36, 68, 36);

    l.tabHeight = 16;
    if (H == 768) l.tabHeight = 18;
    if (H > 800) l.tabHeight = (H - 600) / 100 + 16;
    l.tabSlots = (LH - kCloseHeight - kMapButtonHeight - 2 * kEyeHeight - 2 * G) / l.tabHeight - 1;
    const int A = (l.tabSlots + 1) * l.tabHeight;
    const int P = kEyeHeight + A + kEyeHeight;

    l.picTabPanel = QRect(LW, LH - P, l.tabWidth + 2, P);
    l.mapButton = QRect(LW, LH - P - G - kMapButtonHeight, l.tabWidth + 1, kMapButtonHeight);
    l.eyeUpButton = QRect(0, 0, l.tabWidth + 1, kEyeHeight);
    l.stripe = QRect(l.tabWidth, 19, 2, A + 2);
    l.eyeDownButton = QRect(0, kEyeHeight + A, l.tabWidth + 1, kEyeHeight);
    l.firstTabTop = kEyeHeight + l.tabHeight / 2;

    l.steps = arrangeStepPanel(W, H, l.portPicture, withinSetHeight);

    const int P6 = (H * 11 / 600 + 14) * 6 / 25;
    l.lanCap = QRect(l.portPicture.left() + 2, LH, l.portPicture.width() - 2, H - LH);
    l.portCap =
        QRect(l.portPicture.right() + 1 + P6, l.picTabPanel.top(), W * 235 / 800, H * 320 / 600);
    l.captionFontHeight = W * (-13) / 800;
    return l;
}

int TabTop(const ExploreLayout& layout, int i, int first) {
    return (i - first) * layout.tabHeight + layout.firstTabTop;
}
