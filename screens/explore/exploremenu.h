// The explore screen's pop-up menu: minimise, the about box and the help, and the view's
// copying and printing. The boxes it opens belong to other windows: it asks for them.
#pragma once

#include <QMenu>

#include "screens/explore/viewprinting.h"

class QAction;
class TZMExplore;

class ExploreMenu : public QMenu {
    Q_OBJECT
  public:
    explicit ExploreMenu(TZMExplore& screen);

    QAction* EMinimise = nullptr;
    QAction* About = nullptr;
    QAction* EHelp = nullptr;
    QAction* ECopyImage = nullptr;
    QAction* ECopyCaption = nullptr;
    QAction* EPrint = nullptr;
    QAction* EPrinterSetup = nullptr;

    void EMinimiseClick();
    ViewPrinting& printing() { return printing_; }

  signals:
    void aboutRequested();
    void helpToggleRequested();
    void printerSetupRequested();

  private:
    TZMExplore& screen_;
    ViewPrinting printing_;
};
