// The Go To page of the control screen: choosing a place by name, or marking every place on the
// mini map. It asks its host to draw on the mini map and to explore the chosen place.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class SimpleComboBox;

class GoToPage : public QWidget {
    Q_OBJECT
  public:
    explicit GoToPage(QWidget* parent = nullptr);

    // Controls
    QLabel* StartImage = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* MarkCheckBox = nullptr;
    SimpleComboBox* GoToCombo = nullptr;
    QPushButton* GoButton = nullptr;

    // Lays the page out for the screen size; the page's own size is the sheet's.
    void Arrange(int W, int H, QSize sheet);
    void SetPlaceNames(const std::vector<std::string>& names);

    // Handlers
    void MarkCheckBoxClick();
    void GoToComboChange();
    void GoToComboEnter();
    void GoToComboExit();
    void GoButtonClick();
    void GoToSheetShow();
    void GoToSheetMouseDown();
    // The host leaves the page: the marks go.
    void GoToSheetHide();
    // The start place of StartHere.txt goes the way a typed name does.
    void GoToStartPlace(const std::string& line);

    int MarkedPlace = -1;

  signals:
    void ringRequested(int place);
    void allPlacesMarkRequested();
    void miniMapRestoreRequested();
    // CurrentPlace is set: the explore screen should take over.
    void placeChosen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter anywhere on the page presses Go.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
};
