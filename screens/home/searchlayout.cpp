#include "screens/home/searchlayout.h"

#include <algorithm>

namespace {

constexpr int kLookWidth = 97;
constexpr int kLookHeight = 59;

}  // namespace

SearchLayout ArrangeSearchPage(int W, int H, QSize sheet, const SearchMeasures& m) {
    SearchLayout l{};
    const int s8 = H * 8 / 600;
    const int s10 = H * 10 / 600;
    const int s15 = H * 15 / 600;
    const int e = W * 4 / 800;

    l.label3 = QRect(
        QPoint(sheet.width() / 2 - m.label3.width() / 2, sheet.height() - s10 - m.label3.height()),
        m.label3);
    l.foundReport = QRect(
        QPoint(l.label3.left(), l.label3.top() - s10 - m.foundReport.height() + 6), m.foundReport);
    l.lookImage = QRect(s8, s8, kLookWidth, kLookHeight);
    l.sTextBox = QRect(e, kLookHeight + 2 * s8, sheet.width() - 2 * e - 1, H * 145 / 600);
    l.sWhereBox =
        QRect(e, l.sTextBox.bottom() + 1 + 2 * s10, l.sTextBox.width(), H * 50 / 600 + 55);
    l.searchButton = QRect(
        QPoint(l.sWhereBox.right() + 1 - m.searchButton.width(), l.sWhereBox.bottom() + 1 + s15),
        m.searchButton);
    l.clearButton =
        QRect(QPoint(l.searchButton.left(), l.sTextBox.top() - m.clearButton.height() - s15 + 12),
              m.clearButton);

    const int mid = l.sWhereBox.width() / 2;
    const int boxHeight = l.sTextBox.height();
    // The gaps grow with the captions' fonts so that AND and OR never touch the boxes.
    const int rowGap = std::max(32, m.andText.height() + 8);
    const int margin = boxHeight - 2 * m.textHeight - m.caseCheckBox.height() - rowGap;
    const int row1 = margin / 2;
    const int row2 = row1 + m.textHeight + rowGap;
    const int o = W * 163 / 800;
    const int x0 = e * 3 / 2;
    const int altLeft = x0 + o + std::max(31, m.orText.width() + 6);
    const int altWidth = l.sTextBox.width() - altLeft - x0;
    l.fText[0] = QRect(x0, row1, o, m.textHeight);
    l.fText[1] = QRect(altLeft, row1, altWidth, m.textHeight);
    l.fText[2] = QRect(x0, row2, o, m.textHeight);
    l.fText[3] = QRect(altLeft, row2, altWidth, m.textHeight);
    l.or1 = QRect(QPoint(x0 + o + 3, row1), m.orText);
    l.or2 = QRect(QPoint(x0 + o + 3, row2), m.orText);
    l.and1 = QRect(QPoint(x0 + o - m.andText.width(), row1 + m.textHeight + 6), m.andText);
    l.caseCheckBox = QRect(
        QPoint(mid - m.caseCheckBox.width() / 2, boxHeight - margin / 6 - m.caseCheckBox.height()),
        m.caseCheckBox);

    const int whereHeight = l.sWhereBox.height();
    const int w = whereHeight - m.allTextButton.height() - m.fSetCheckBox.height();
    l.allTextButton = QRect(QPoint(mid - 135, (w + 1) / 2), m.allTextButton);
    l.titleOnlyButton =
        QRect(QPoint(std::max(mid + 41, l.allTextButton.right() + 1 + e), (w + 1) / 2),
              m.titleOnlyButton);
    l.fSetCheckBox = QRect(QPoint(mid - m.fSetCheckBox.width() / 2,
                                  whereHeight - m.fSetCheckBox.height() - (w + 1) / 4),
                           m.fSetCheckBox);
    return l;
}
