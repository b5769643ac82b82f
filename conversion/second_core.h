#pragma once

// A second thread for work that can run beside the caller's own: one piece of
// work at a time, started and then waited for. The thread is made at the
// first start() and ends with the object; on a machine with a single core, or
// where no thread can be made, the work runs at once, in start().

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace trellwick {

class SecondCore {
public:
    SecondCore() = default;
    ~SecondCore();
    SecondCore(const SecondCore&) = delete;
    SecondCore& operator=(const SecondCore&) = delete;

    // Runs `work` beside the caller, who must wait() before starting more.
    void start(std::function<void()> work);
    // Returns once the work started last is done; what it threw is thrown here.
    void wait();
    // Whether the work started last still runs.
    bool busy() const { return busy_; }

private:
    void run();
    // Waits until `busy_` is `value` or the object ends. Pieces of work follow
    // each other closely, and waking a sleeping thread can take longer than a
    // piece: each side looks again for a while before it sleeps.
    void wait_until_busy_is(bool value);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::atomic<bool> busy_ = false; // work is set and waits or runs
    std::atomic<bool> stopping_ = false;
    std::function<void()> work_;
    std::exception_ptr thrown_;
    std::thread thread_;
};

} // namespace trellwick
