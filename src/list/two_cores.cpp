#include "list/two_cores.h"

#include <exception>
#include <thread>

#include "list/line_compare.h"

namespace pendara {

void SplitOverTwoCores(std::size_t count, const LineCollator& collator,
                       const std::function<void(int part, std::size_t first, std::size_t last,
                                                const LineCollator& collator)>& work) {
    const bool helped = count >= 200000 && std::thread::hardware_concurrency() > 1;
    if (!helped) {
        work(0, 0, count, collator);
        work(1, count, count, collator);
        return;
    }
    const std::size_t half = count / 2;
    std::exception_ptr failure;
    std::thread helper([&] {
        try {
            const LineCollator own(collator.locale().c_str());
            work(1, half, count, own);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    try {
        work(0, 0, half, collator);
    } catch (...) {
        helper.join();
        throw;
    }
    helper.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace pendara
