// A page of the control screen that builds the found set (Search, Timeline, Tour). It tells
// its host what the map should show; the host tells it when the page comes and goes.
#pragma once

#include <QSize>
#include <QWidget>

#include "screens/home/exploreinset.h"

class FoundSetPage : public QWidget {
    Q_OBJECT
  public:
    FoundSetPage(HomePagesState& pages, QWidget* parent);

    // Places the page's controls for the screen size and the page size.
    virtual void arrange(int W, int H, QSize sheet) = 0;
    // The page became the active tab, or stopped being it.
    virtual void pageShown() = 0;
    virtual void pageHidden() = 0;

  signals:
    // The found set was rebuilt with this many places: the map shows it afresh.
    void foundSetChanged(int places);
    // The map goes back to its clean state.
    void mapRestoreRequested();

  protected:
    HomePagesState& pages_;
};
