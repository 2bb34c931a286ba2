// The about box: the product, its version and the machine it runs on.
#pragma once

#include "screens/about/infobox.h"

class QLabel;

class TZMAboutBox : public InfoBox {
    Q_OBJECT
  public:
    explicit TZMAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Rights = nullptr;
    QLabel* MachineTitle = nullptr;
    QLabel* MachineDesc = nullptr;

    void FormShow();
    void FormHide();

    bool AboutShowing = false;

  public slots:
    // Modal: returns when the box closes.
    void ShowAbout();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
