// One worker thread that runs the jobs given to it, one at a time and in the order given, so
// what the jobs share needs no lock among themselves. The destructor runs what is queued, then
// joins the thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class JobThread {
  public:
    JobThread() = default;
    ~JobThread();
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Queues the job; the thread starts with the first one.
    void post(std::function<void()> job);
    // Runs the job on the thread after everything queued before it, and waits for it.
    void run(const std::function<void()>& job);

  private:
    void loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool quitting_ = false;
    std::thread thread_;
};
