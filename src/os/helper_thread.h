#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace pendara {

// One thread kept for small pieces of work handed to it again and again, where starting a
// thread each time would cost more than the piece saves (a search of half a 256 KiB block takes
// about 150 us; starting a thread, tens of us). One piece at a time:
//
//     HelperThread helper;
//     helper.start([&] { second = Search(secondHalf); });
//     first = Search(firstHalf);
//     helper.wait();  // `second` is ready; a failure of the piece is thrown here
//
// wait() does the piece itself when the thread has not begun it yet: on a virtual machine a
// sleeping core can take a millisecond or more to wake, longer than the piece, so handing work
// over never makes it slower than doing it on one core. The thread starts with the first piece
// and ends with the object. Not for work that may block for long: wait() and the destructor
// wait for a piece begun. Both sides spin a little before they sleep, as pieces come a fraction
// of a millisecond apart.
class HelperThread {
public:
    HelperThread() = default;
    ~HelperThread();
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;

    // Whether a second core is there to make handing work over worth it.
    static bool Worthwhile();

    // Hands `work` to the thread; the last piece must have been waited for.
    void start(std::function<void()> work);
    // Waits for the piece handed over last to end, or does it here if the thread has not begun
    // it, and throws what it threw.
    void wait();

private:
    void run();
    // Does the piece here if the thread has not begun it; false when the thread has.
    bool takeBack();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> work_;  // handed over and not begun
    bool busy_ = false;           // a piece is handed over or being done
    // Read without the lock while spinning: work_ is there or the thread is stopping (waiting_),
    // and busy_ (busyNow_).
    std::atomic<bool> waiting_{false};
    std::atomic<bool> busyNow_{false};
    bool stopping_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

}  // namespace pendara
