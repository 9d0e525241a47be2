#include "os/helper_thread.h"

#include <cassert>
#include <chrono>
#include <utility>

namespace pendara {

namespace {

// Spins until `done()` or about a millisecond has passed.
template <typename Done>
void SpinBriefly(Done done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1);
    for (unsigned turn = 1; !done(); ++turn) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
        if (turn % 64 == 0 && std::chrono::steady_clock::now() > until) return;
    }
}

}  // namespace

HelperThread::~HelperThread() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool HelperThread::Worthwhile() {
    static const bool worthwhile = std::thread::hardware_concurrency() >= 2;
    return worthwhile;
}

void HelperThread::start(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        assert(!busy_);
        work_ = std::move(work);
        busy_ = true;
        busyNow_.store(true, std::memory_order_release);
        failure_ = nullptr;
    }
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { run(); });
    } else {
        changed_.notify_all();
    }
}

void HelperThread::wait() {
    SpinBriefly([&] { return !busyNow_.load(std::memory_order_acquire); });
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return !busy_; });
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void HelperThread::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (!busy_ && !stopping_) {
            lock.unlock();
            SpinBriefly([&] { return busyNow_.load(std::memory_order_acquire); });
            lock.lock();
        }
        changed_.wait(lock, [&] { return busy_ || stopping_; });
        if (!busy_) return;  // stopping, with nothing left to do
        std::function<void()> work = std::move(work_);
        lock.unlock();
        try {
            work();
        } catch (...) {
            lock.lock();
            failure_ = std::current_exception();
            lock.unlock();
        }
        lock.lock();
        busy_ = false;
        busyNow_.store(false, std::memory_order_release);
        changed_.notify_all();
    }
}

}  // namespace pendara
