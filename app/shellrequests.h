// What the shell (the shutdown, the exit dialog) asks of the windows. A window answers by being
// connected in the wiring; a window that was never built has no part.
#pragma once

#include <QObject>

class ShellRequests : public QObject {
    Q_OBJECT
  signals:
    void writePreferenceBits();
    void hideMap();  // through the detailed map's own hide routine
    void releaseMap();
    void releaseExplore();
    void releaseMiniMap();
};

ShellRequests& ShellAsks();
