// The Search page: up to four terms, (first OR alternative) AND (extra OR alternative extra),
// searched in the view texts; the places found become the found set.
#pragma once

#include "screens/home/foundsetpage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class SearchPage : public FoundSetPage {
    Q_OBJECT
  public:
    SearchPage(HomePagesState& pages, QWidget* parent = nullptr);

    void arrange(int W, int H, QSize sheet) override;
    void pageShown() override { SearchSheetShow(); }
    void pageHidden() override { SearchSheetHide(); }

    // Controls
    QGroupBox* STextBox = nullptr;
    QLineEdit* FText0 = nullptr;
    QLineEdit* FText1 = nullptr;
    QLineEdit* FText2 = nullptr;
    QLineEdit* FText3 = nullptr;
    QLabel* OR1 = nullptr;
    QLabel* OR2 = nullptr;
    QLabel* AND1 = nullptr;
    QCheckBox* CaseCheckBox = nullptr;
    QGroupBox* SWhereBox = nullptr;
    QRadioButton* AllTextButton = nullptr;
    QRadioButton* TitleOnlyButton = nullptr;
    QCheckBox* FSetCheckBox = nullptr;
    QPushButton* SearchButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QLabel* FoundReport = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* LookImage = nullptr;

    // The search the controls describe: places found, or -1 when it cannot run.
    int RunSearch();
    void ShowFoundCount(int n);
    void ClearSearch();

    // Handlers
    void SearchButtonClick();
    void ClearButtonClick();
    void SearchSheetShow();
    void SearchSheetHide();

  private:
    void createControls();
    QLineEdit* termBox(const char* hint);
    void enableRefinement();
};
