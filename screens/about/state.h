// The upgrade box: what the full product offers beyond this edition. It opens when the user
// clicks the map far from every place of the edition.
#pragma once

#include "screens/about/infobox.h"

class QLabel;

class TUpgradeBox : public InfoBox {
    Q_OBJECT
  public:
    explicit TUpgradeBox(QWidget* parent = nullptr);

    QLabel* ProductName = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    void FormShow();
    void FormHide();

    bool UpgradeShowing = false;

  public slots:
    // Modal: returns when the box closes.
    void ShowUpgradeBox();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
