// The explore screen's column of numbered view tabs, with the eye buttons that scroll it
// (pressed and held, they repeat) and the stripe the marked tab overlaps.
#pragma once

#include <QWidget>
#include <vector>

#include "screens/explore/explorelayout.h"
#include "screens/explore/tabwindow.h"

class QPushButton;
class ViewTab;
class QTimer;

class ViewTabColumn : public QWidget {
    Q_OBJECT
  public:
    explicit ViewTabColumn(QWidget* parent);

    // Controls
    QPushButton* EyeUpButton = nullptr;
    QPushButton* EyeDownButton = nullptr;
    QPushButton* Stripe = nullptr;
    std::vector<ViewTab*> TabButtons;  // tab i is TabButtons[i - 1]
    QTimer* UpTimer = nullptr;
    QTimer* DownTimer = nullptr;

    void Arrange(const ExploreLayout& layout, const QFont& screenFont);
    // A place with this many views: tabs 1 onwards, the eyes only when they do not all fit.
    void ShowTabsFor(int views);
    // The tab of the view shown is marked and kept in view; 0 marks none.
    void MarkTab(int n);
    void ScrollTabsDown();
    void ScrollTabsUp();

    // Handlers
    void EyeUpButtonMouseDown();
    void EyeDownButtonMouseDown();
    void EyeButtonMouseUp();
    void UpTimerTimer();
    void DownTimerTimer();

    TabWindow Tabs;

  signals:
    void tabClicked(int n);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeTabs();
    void drawMark(int n, bool marked);

    ExploreLayout layout_{};
    int marked_ = 0;
};
