#include "os/helper_thread.h"

#include <cassert>
#include <utility>

namespace pendara {

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
        failure_ = nullptr;
    }
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { run(); });
    } else {
        changed_.notify_all();
    }
}

void HelperThread::wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return !busy_; });
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void HelperThread::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
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
        changed_.notify_all();
    }
}

}  // namespace pendara
