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
// The thread starts with the first piece and ends with the object. Not for work that may block
// for long: wait() and the destructor wait for the piece to end. Both sides spin a little before
// they sleep: pieces come a fraction of a millisecond apart, and waking a sleeping core can take
// longer than that.
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
    // Waits for the piece handed over last to end, and throws what it threw.
    void wait();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> work_;
    bool busy_ = false;
    std::atomic<bool> busyNow_{false};  // busy_, read without the lock while spinning
    bool stopping_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

}  // namespace pendara
