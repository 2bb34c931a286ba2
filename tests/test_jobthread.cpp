// The worker that runs jobs in order off the GUI thread (the audio thread is one).
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/jobthread.h"

namespace {

TEST(JobThread, RunsJobsInTheOrderGivenOnAThreadOfItsOwn) {
    std::vector<int> order;  // touched only by the jobs, then read after run() returns
    std::thread::id worker;
    JobThread thread;
    for (int job = 0; job < 50; ++job) thread.post([&order, job] { order.push_back(job); });
    thread.run([&] { worker = std::this_thread::get_id(); });
    ASSERT_EQ(order.size(), 50u) << "run() waits for everything queued before it";
    for (int job = 0; job < 50; ++job) EXPECT_EQ(order[job], job);
    EXPECT_NE(worker, std::this_thread::get_id());
}

TEST(JobThread, FinishesWhatIsQueuedBeforeItGoes) {
    std::atomic<int> done{0};
    {
        JobThread thread;
        thread.post([&] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });
        for (int job = 0; job < 10; ++job) thread.post([&] { ++done; });
    }
    EXPECT_EQ(done, 10);
    JobThread neverUsed;  // a thread that was never given a job ends without one
}

}  // namespace
