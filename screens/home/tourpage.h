// The Tour page: 34 topic panels; choosing one makes the places with a view on that topic the
// found set (the coast tour also in its round-the-coast order).
#pragma once

#include <array>

#include "screens/home/foundsetpage.h"
#include "screens/home/tourtopics.h"

class QLabel;
class QLineEdit;
class QScrollArea;
class TourPanel;

class TourPage : public FoundSetPage {
    Q_OBJECT
  public:
    TourPage(HomePagesState& pages, QWidget* parent = nullptr);

    void arrange(int W, int H, QSize sheet) override;
    void pageShown() override { TourSheetShow(); }
    void pageHidden() override { TourSheetHide(); }

    // Controls
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QScrollArea* TourBox = nullptr;
    std::array<TourPanel*, kTourCount> TP{};
    QLineEdit* TabToDummy = nullptr;  // holds the focus while the keys choose tours

    int SelectedTour = -1;  // kept while the page is away

    void ChooseTour(int index);

    // Handlers
    void TourPanelClick(int index);
    bool TabToDummyKeyDown(int key);
    void TabToDummyEnter();
    void TourSheetShow();
    void TourSheetHide();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
};
