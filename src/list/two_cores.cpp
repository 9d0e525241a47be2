#include "list/two_cores.h"

#include <exception>
#include <system_error>
#include <thread>

#include "list/line_compare.h"
#include "text/cancel_point.h"

namespace pendara {

void RunOnTwoCores(std::size_t lines, const LineCollator& collator, const CollatorWork& first,
                   const CollatorWork& second, std::size_t twoCoresFrom) {
    if (lines < twoCoresFrom || std::thread::hardware_concurrency() < 2) {
        first(collator);
        second(collator);
        return;
    }
    std::exception_ptr failure;
    std::thread helper;
    try {
        helper = std::thread([&, cancel = CurrentCancelFlag()] {
            try {
                const CancelScope scope(cancel);
                const LineCollator own(collator, LineCollator::ForAnotherThread{});
                second(own);
            } catch (...) {
                failure = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        // No thread to be had (a process limit, say): the work still gets done, on one core.
        first(collator);
        second(collator);
        return;
    }
    try {
        first(collator);
    } catch (...) {
        helper.join();
        throw;
    }
    helper.join();
    if (failure) std::rethrow_exception(failure);
}

void SplitOverTwoCores(std::size_t count, const LineCollator& collator,
                       const std::function<void(int part, std::size_t first, std::size_t last,
                                                const LineCollator& collator)>& work) {
    const std::size_t half = count / 2;
    RunOnTwoCores(
        count, collator, [&](const LineCollator& own) { work(0, 0, half, own); },
        [&](const LineCollator& own) { work(1, half, count, own); });
}

}  // namespace pendara
