// The explore screen's step panel: North, South, East, West, Back, the two buttons round the
// coast tour, and "Explore in found set". It decides which steps are possible from the place
// and the found-set mode, keeps the back history, and asks its screen to make the step.
#pragma once

#include <QFrame>

#include "screens/explore/backhistory.h"

class QAbstractButton;
class QCheckBox;
class QToolButton;
struct StepPanelLayout;

class ExploreStepPanel : public QFrame {
    Q_OBJECT
  public:
    ExploreStepPanel(const StepPanelLayout& layout, QWidget* parent);

    // Controls
    QToolButton* NorthButton = nullptr;
    QToolButton* SouthButton = nullptr;
    QToolButton* EastButton = nullptr;
    QToolButton* WestButton = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* ClockButton = nullptr;
    QToolButton* AClockButton = nullptr;
    QCheckBox* WithinSet = nullptr;

    // The buttons for the place the user has arrived at.
    void UpdateStepButtons(int place);
    // The check box follows the found-set mode and whether there is a found set.
    void SyncWithinSet();
    void PushHistory(int place);
    void ClearHistory();
    // The cursor keys and Back's keys; true when the key is one of them.
    bool StepKeyDown(int key);

    // Handlers
    void StepClick(QAbstractButton* button, int (*query)(int place, bool withinFoundSet));
    void TourStepClick(int (*query)(int place));
    void BackButtonClick();

    BackHistory History;

  signals:
    // Leave for this place, recorded in the history.
    void stepRequested(int place);
    // Go back to this place, taken from the history.
    void backRequested(int place);
    void withinSetClicked();

  private:
    void createButtons(const StepPanelLayout& layout);
    void createWithinSet(const StepPanelLayout& layout);
    // A step key acts only when its button is shown and enabled.
    void clickIfShown(QAbstractButton* button);
    bool coastTourShown() const;
};
