// The control screen's mini map for this screen size: read from its scrambled bitmap and
// stretched to its control, or read back stretched from the user's cache folder when the file
// is the one stretched at an earlier start. start() reads it on a thread of its own, so that
// the reading is done while the title card is shown; take() waits for it, or reads it there
// if not started.
#pragma once

#include <QImage>

#include "platform/picturethread.h"

class MiniMapLoad {
  public:
    void start();
    // The stretched bitmap; null if the file is missing or damaged.
    QImage take();

  private:
    PictureOnThread reading_;
};
