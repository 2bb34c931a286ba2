#include "platform/jobthread.h"

JobThread::~JobThread() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quitting_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void JobThread::post(std::function<void()> job) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back(std::move(job));
        if (!thread_.joinable()) thread_ = std::thread(&JobThread::loop, this);
    }
    wake_.notify_one();
}

void JobThread::run(const std::function<void()>& job) {
    std::mutex mutex;
    std::condition_variable doneSignal;
    bool done = false;
    post([&] {
        job();
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
        doneSignal.notify_one();
    });
    std::unique_lock<std::mutex> lock(mutex);
    doneSignal.wait(lock, [&] { return done; });
}

void JobThread::loop() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quitting_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // quitting, with nothing left to do
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}
