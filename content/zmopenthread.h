// The picture worker: one thread per load, decoding one photograph file into a bitmap's rows.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "content/jpegc.h"
#include "content/keystream.h"

enum class WorkerPriority { Normal, Lowest };

// The worker gives way to the slideshow's animation while that window is visible.
WorkerPriority PictureWorkerPriority(const std::function<bool()>& slideshowVisible);

// What the GUI thread and the worker share. The GUI thread sets CancelLoad; the worker writes
// LoadStatus, and LoadingView = -1 once it has loaded or been cancelled.
struct PictureWorkerShared {
    std::atomic<int> LoadingView{-1};
    std::atomic<int> LoadStatus{0};
    std::atomic<bool> CancelLoad{false};

    // Wakes a GUI thread waiting in waitForWorker.
    void signalWorkerEnd();
    // Sleeps until done() or the timeout, whichever comes first.
    void waitForWorker(std::chrono::milliseconds timeout, const std::function<bool()>& done);

  private:
    std::mutex endMutex_;
    std::condition_variable workerEnded_;
};

struct PictureJob {
    std::string PicturePath;
    Keystream Seeded;  // seeded from the file's bare name
    PixelRows TargetBitmap;
    WorkerPriority Priority = WorkerPriority::Normal;
};

// The worker's whole job, without the thread: opens the file and decodes it. Returns the load
// status (meaningless once cancel is set).
int LoadPictureFile(const PictureJob& job, const std::atomic<bool>& cancel);

class TBackgdOpen {
  public:
    // Starts at once. onEnd runs on the worker thread as its last act.
    TBackgdOpen(PictureJob job, PictureWorkerShared& shared, std::function<void()> onEnd);
    // Waits for the thread to end.
    ~TBackgdOpen();
    TBackgdOpen(const TBackgdOpen&) = delete;
    TBackgdOpen& operator=(const TBackgdOpen&) = delete;

  private:
    void run();

    PictureJob job_;
    PictureWorkerShared& shared_;
    std::function<void()> onEnd_;
    std::thread thread_;
};
