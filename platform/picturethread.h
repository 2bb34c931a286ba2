// A picture made on a thread of its own while the GUI thread goes on: the two share nothing
// but the finished picture, handed over after joining the thread. The destructor waits too.
#pragma once

#include <QImage>
#include <functional>
#include <thread>

class PictureOnThread {
  public:
    PictureOnThread() = default;
    ~PictureOnThread();
    PictureOnThread(const PictureOnThread&) = delete;
    PictureOnThread& operator=(const PictureOnThread&) = delete;

    // The job must touch no widget.
    void start(std::function<QImage()> make);
    // Started and not yet taken.
    bool pending() const { return thread_.joinable(); }
    // Waits for the picture; a null picture when none is pending.
    QImage take();

  private:
    std::thread thread_;
    QImage picture_;
};
