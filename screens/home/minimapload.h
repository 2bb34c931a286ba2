// The control screen's mini map for this screen size: read from its scrambled bitmap and
// stretched to its control. start() reads it on a thread of its own, so that the reading is
// done while the title card is shown; take() waits for it, or reads it there if not started.
#pragma once

#include <QImage>
#include <thread>

class MiniMapLoad {
  public:
    MiniMapLoad() = default;
    ~MiniMapLoad();
    MiniMapLoad(const MiniMapLoad&) = delete;
    MiniMapLoad& operator=(const MiniMapLoad&) = delete;

    void start();
    // The stretched bitmap; null if the file is missing or damaged.
    QImage take();

  private:
    std::thread reader_;
    QImage result_;  // written by the reader, read after joining it
    bool started_ = false;
};
