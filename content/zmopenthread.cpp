#include "content/zmopenthread.h"

#include <cstdio>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Linux keeps a nice value per thread; an unprivileged thread may raise its own.
void applyPriority(WorkerPriority priority) {
#ifdef __linux__
    constexpr int kLowestNice = 10;
    if (priority == WorkerPriority::Lowest)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLowestNice);
#else
    (void)priority;
#endif
}

}  // namespace

WorkerPriority PictureWorkerPriority(const std::function<bool()>& slideshowVisible) {
    return slideshowVisible && slideshowVisible() ? WorkerPriority::Lowest : WorkerPriority::Normal;
}

void PictureWorkerShared::signalWorkerEnd() {
    // Taking the lock orders the end after a waiter's check of its condition.
    { std::lock_guard<std::mutex> lock(endMutex_); }
    workerEnded_.notify_all();
}

void PictureWorkerShared::waitForWorker(std::chrono::milliseconds timeout,
                                        const std::function<bool()>& done) {
    std::unique_lock<std::mutex> lock(endMutex_);
    workerEnded_.wait_for(lock, timeout, done);
}

int LoadPictureFile(const PictureJob& job, const std::atomic<bool>& cancel) {
    std::FILE* file = std::fopen(job.PicturePath.c_str(), "rb");
    if (!file) return kPictureNotOpened;
    int status = kPictureLoaded;
    if (!cancel.load())
        status = DecodeScrambledPhotograph(file, job.Seeded, job.TargetBitmap, cancel);
    std::fclose(file);
    return status;
}

TBackgdOpen::TBackgdOpen(PictureJob job, PictureWorkerShared& shared, std::function<void()> onEnd)
    : job_(std::move(job)), shared_(shared), onEnd_(std::move(onEnd)), thread_([this] { run(); }) {}

TBackgdOpen::~TBackgdOpen() { thread_.join(); }

void TBackgdOpen::run() {
    applyPriority(job_.Priority);
    shared_.LoadStatus.store(kPictureLoaded);
    const int status = LoadPictureFile(job_, shared_.CancelLoad);
    shared_.LoadStatus.store(status);
    if (status == kPictureLoaded || shared_.CancelLoad.load()) shared_.LoadingView.store(-1);
    shared_.signalWorkerEnd();
    onEnd_();
}
