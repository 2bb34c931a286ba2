// The Search page's geometry as a plain function of the screen size, the page size and the
// natural sizes of its text controls.
#pragma once

#include <QRect>
#include <QSize>

struct SearchMeasures {
    QSize label3;
    QSize foundReport;
    QSize searchButton;
    QSize clearButton;
    int textHeight;  // an edit box
    QSize orText;
    QSize andText;
    QSize caseCheckBox;
    QSize allTextButton;
    QSize titleOnlyButton;
    QSize fSetCheckBox;
};

struct SearchLayout {
    QRect label3;
    QRect foundReport;
    QRect lookImage;
    QRect sTextBox;
    QRect sWhereBox;
    QRect searchButton;
    QRect clearButton;
    // Inside STextBox
    QRect fText[4];
    QRect or1;
    QRect or2;
    QRect and1;
    QRect caseCheckBox;
    // Inside SWhereBox
    QRect allTextButton;
    QRect titleOnlyButton;
    QRect fSetCheckBox;
};

SearchLayout ArrangeSearchPage(int W, int H, QSize sheet, const SearchMeasures& measures);
