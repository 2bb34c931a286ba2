#include "screens/home/searchpage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string_view>

#include "app/startupstate.h"
#include "content/foundset.h"
#include "content/search.h"
#include "platform/beep.h"
#include "screens/home/homeart.h"
#include "screens/home/searchlayout.h"

SearchPage::SearchPage(HomePagesState& pages, QWidget* parent) : FoundSetPage(pages, parent) {
    createControls();
    ShowFoundCount(0);
}

QLineEdit* SearchPage::termBox(const char* hint) {
    auto* box = new QLineEdit(STextBox);
    box->setToolTip(QString::fromLatin1(hint));
    connect(box, &QLineEdit::returnPressed, this, &SearchPage::SearchButtonClick);
    return box;
}

void SearchPage::createControls() {
    LookImage = new QLabel(this);
    LookImage->setPixmap(QPixmap::fromImage(PaintLookImage()));
    STextBox = new QGroupBox(QStringLiteral("Text to find:"), this);
    FText0 = termBox("Text to search for");
    FText1 = termBox("Alternative text");
    FText2 = termBox("Text that must also be found");
    FText3 = termBox("Alternative extra text");
    OR1 = new QLabel(QStringLiteral("OR"), STextBox);
    OR2 = new QLabel(QStringLiteral("OR"), STextBox);
    AND1 = new QLabel(QStringLiteral("AND"), STextBox);
    CaseCheckBox = new QCheckBox(QStringLiteral("Case sensitive match"), STextBox);

    SWhereBox = new QGroupBox(QStringLiteral("Where to look:"), this);
    AllTextButton = new QRadioButton(QStringLiteral("All caption text"), SWhereBox);
    TitleOnlyButton = new QRadioButton(QStringLiteral("Titles only"), SWhereBox);
    AllTextButton->setChecked(true);
    FSetCheckBox = new QCheckBox(QStringLiteral("Only search in last found set"), SWhereBox);
    FSetCheckBox->setToolTip(QStringLiteral("Search only in last search, timeline or tour set"));

    SearchButton = new QPushButton(QStringLiteral("Search"), this);
    ClearButton = new QPushButton(QStringLiteral("New search"), this);
    FoundReport = new QLabel(this);
    Label3 = new QLabel(QStringLiteral("Click map to explore found set..."), this);

    connect(SearchButton, &QPushButton::clicked, this, &SearchPage::SearchButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &SearchPage::ClearButtonClick);
    enableRefinement();
}

void SearchPage::arrange(int W, int H, QSize sheet) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             Label3, FoundReport, SearchButton, ClearButton, FText0, OR1, AND1, CaseCheckBox,
             AllTextButton, TitleOnlyButton, FSetCheckBox})
        control->adjustSize();
    // The two buttons stand one above the other, equally wide.
    const int buttonWidth = std::max(SearchButton->width(), ClearButton->width());
    SearchButton->resize(buttonWidth, SearchButton->height());
    ClearButton->resize(buttonWidth, ClearButton->height());
    // The report grows with its number: room for the widest it can say.
    const QSize report(
        FoundReport->fontMetrics().horizontalAdvance(QStringLiteral("0000 places found")),
        FoundReport->height());
    const SearchMeasures m{Label3->size(),        report,
                           SearchButton->size(),  ClearButton->size(),
                           FText0->height(),      OR1->size(),
                           AND1->size(),          CaseCheckBox->size(),
                           AllTextButton->size(), TitleOnlyButton->size(),
                           FSetCheckBox->size()};
    const SearchLayout l = ArrangeSearchPage(W, H, sheet, m);
    Label3->setGeometry(l.label3);
    FoundReport->setGeometry(l.foundReport);
    LookImage->setGeometry(l.lookImage);
    STextBox->setGeometry(l.sTextBox);
    SWhereBox->setGeometry(l.sWhereBox);
    SearchButton->setGeometry(l.searchButton);
    ClearButton->setGeometry(l.clearButton);
    QLineEdit* const boxes[] = {FText0, FText1, FText2, FText3};
    for (int i = 0; i < 4; ++i) boxes[i]->setGeometry(l.fText[i]);
    OR1->setGeometry(l.or1);
    OR2->setGeometry(l.or2);
    AND1->setGeometry(l.and1);
    CaseCheckBox->setGeometry(l.caseCheckBox);
    AllTextButton->setGeometry(l.allTextButton);
    TitleOnlyButton->setGeometry(l.titleOnlyButton);
    FSetCheckBox->setGeometry(l.fSetCheckBox);
}

int SearchPage::RunSearch() {
    // The search reads Latin-1 bytes; the views into them must outlive the call.
    const QByteArray texts[] = {FText0->text().toLatin1(), FText1->text().toLatin1(),
                                FText2->text().toLatin1(), FText3->text().toLatin1()};
    SearchRequest request;
    for (size_t i = 0; i < request.terms.size(); ++i)
        request.terms[i] =
            std::string_view(texts[i].constData(), static_cast<size_t>(texts[i].size()));
    request.caseSensitive = CaseCheckBox->isChecked();
    request.headingsOnly = TitleOnlyButton->isChecked();
    request.onlyInFoundSet = FSetCheckBox->isChecked();
    return SearchText(request);
}

void SearchPage::ShowFoundCount(int n) {
    FoundReport->setText(QStringLiteral("%1 places found").arg(n));
    pages_.LastSearchCount = n;
}

void SearchPage::ClearSearch() {
    for (QLineEdit* box : {FText0, FText1, FText2, FText3}) box->clear();
    CaseCheckBox->setChecked(false);
    FSetCheckBox->setChecked(false);
    AllTextButton->setChecked(true);
    enableRefinement();
    ShowFoundCount(0);
}

void SearchPage::enableRefinement() { FSetCheckBox->setEnabled(HasFoundSet()); }

void SearchPage::SearchButtonClick() {
    if (Startup().Quitting) return;
    const int n = RunSearch();
    if (n == -1) {
        Beep();
        return;
    }
    enableRefinement();
    ShowFoundCount(n);
    emit foundSetChanged(n);
}

void SearchPage::ClearButtonClick() {
    ClearSearch();
    emit mapRestoreRequested();
    FText0->setFocus();
}

void SearchPage::SearchSheetShow() {
    enableRefinement();
    ShowFoundCount(0);
}

void SearchPage::SearchSheetHide() { emit mapRestoreRequested(); }
