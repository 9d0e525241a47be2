#include "os/helper_thread.h"

#include <cassert>
#include <chrono>
#include <utility>

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace pendara {

namespace {

// Spins until `done()` or about a millisecond has passed. It yields now and then: the other
// side may have been put on this very core, and then spinning would only keep it off.
template <typename Done>
void SpinBriefly(Done done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1);
    for (unsigned turn = 1; !done(); ++turn) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
        if (turn % 64 == 0) {
            if (std::chrono::steady_clock::now() > until) return;
            std::this_thread::yield();
        }
    }
}

#if defined(__linux__)
// The cores this process may use, which `taskset` and containers narrow; false if unknown.
bool AllowedCores(cpu_set_t& cores) {
    CPU_ZERO(&cores);
    return sched_getaffinity(0, sizeof cores, &cores) == 0;
}
#endif

// Starts `thread` running `body` on another core than this one. A new thread is queued on the
// core of the thread that made it, where it waits until this one pauses or the system moves it,
// which on an otherwise idle machine can take several milliseconds: the pieces, meanwhile, would
// all be done here. So the new thread is sent away at once, and frees itself to go anywhere
// again once it runs.
template <typename Body>
void StartElsewhere(std::thread& thread, Body body) {
#if defined(__linux__)
    cpu_set_t allowed;
    if (AllowedCores(allowed)) {
        thread = std::thread([allowed, body] {
            sched_setaffinity(0, sizeof allowed, &allowed);
            body();
        });
        cpu_set_t others = allowed;
        const int here = sched_getcpu();
        if (here >= 0) CPU_CLR(here, &others);
        if (CPU_COUNT(&others) > 0) {
            pthread_setaffinity_np(thread.native_handle(), sizeof others, &others);
        }
        return;
    }
#endif
    thread = std::thread(body);
}

}  // namespace

HelperThread::~HelperThread() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        waiting_.store(true, std::memory_order_release);
    }
    changed_.notify_all();
    thread_.join();
}

bool HelperThread::Worthwhile() {
    static const bool worthwhile = [] {
#if defined(__linux__)
        cpu_set_t allowed;
        if (AllowedCores(allowed)) return CPU_COUNT(&allowed) >= 2;
#endif
        return std::thread::hardware_concurrency() >= 2;
    }();
    return worthwhile;
}

void HelperThread::start(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        assert(!busy_);
        work_ = std::move(work);
        busy_ = true;
        busyNow_.store(true, std::memory_order_release);
        waiting_.store(true, std::memory_order_release);
        failure_ = nullptr;
    }
    if (!thread_.joinable()) {
        StartElsewhere(thread_, [this] { run(); });
    } else {
        changed_.notify_all();
    }
}

bool HelperThread::takeBack() {
    std::function<void()> work;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!work_) return false;
        work = std::exchange(work_, nullptr);
        busy_ = false;
        busyNow_.store(false, std::memory_order_release);
        waiting_.store(stopping_, std::memory_order_release);
    }
    work();
    return true;
}

void HelperThread::wait() {
    if (takeBack()) return;
    // The piece is under way and soon done.
    SpinBriefly([&] { return !busyNow_.load(std::memory_order_acquire); });
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return !busy_; });
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void HelperThread::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (!work_ && !stopping_) {
            lock.unlock();
            // Long enough for the gap between two pieces of one search, however many lines
            // the caller handles in between.
            SpinBriefly([&] { return waiting_.load(std::memory_order_acquire); });
            lock.lock();
        }
        changed_.wait(lock, [&] { return work_ || stopping_; });
        if (!work_) return;  // stopping, with nothing left to do
        std::function<void()> work = std::exchange(work_, nullptr);
        waiting_.store(stopping_, std::memory_order_release);
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
