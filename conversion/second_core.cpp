#include "second_core.h"

#include <chrono>
#include <system_error>
#include <utility>

namespace trellwick {

SecondCore::~SecondCore() {
    if (!thread_.joinable())
        return;
    wait_until_busy_is(false);
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void SecondCore::start(std::function<void()> work) {
    static const bool single_core = std::thread::hardware_concurrency() < 2;
    if (!thread_.joinable() && !single_core) {
        try {
            thread_ = std::thread(&SecondCore::run, this);
        } catch (const std::system_error&) {
            // No thread to be had: the work runs here, as on a single core.
        }
    }
    if (!thread_.joinable()) {
        work();
        return;
    }
    work_ = std::move(work);
    {
        const std::lock_guard lock(mutex_);
        busy_ = true;
    }
    changed_.notify_all();
}

void SecondCore::wait() {
    if (!thread_.joinable())
        return;
    wait_until_busy_is(false);
    work_ = nullptr;
    if (thrown_)
        std::rethrow_exception(std::exchange(thrown_, nullptr));
}

void SecondCore::wait_until_busy_is(bool value) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(200);
    while (busy_ != value && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return busy_ == value || stopping_; });
}

void SecondCore::run() {
    for (;;) {
        wait_until_busy_is(true);
        if (stopping_)
            return;
        try {
            work_();
        } catch (...) {
            thrown_ = std::current_exception();
        }
        {
            const std::lock_guard lock(mutex_);
            busy_ = false;
        }
        changed_.notify_all();
    }
}

} // namespace trellwick
