#include "list/collation_keys.h"

#include <exception>
#include <thread>

#include "list/line_compare.h"

namespace pendara {

CollationKeys CollationKeys::Make(std::span<const std::string> lines,
                                  const LineCollator& collator) {
    CollationKeys out;
    std::size_t textSize = 0;
    for (const std::string& line : lines) textSize += line.size();
    out.bytes_.reserve(textSize + textSize / 4 + lines.size() * 8);
    out.ends_.reserve(lines.size());
    for (const std::string& line : lines) {
        collator.appendSortKey(line, out.bytes_);
        out.ends_.push_back(out.bytes_.size());
    }
    return out;
}

std::pair<CollationKeys, CollationKeys> CollationKeys::MakeTwo(std::span<const std::string> first,
                                                               std::span<const std::string> second,
                                                               const LineCollator& collator,
                                                               std::size_t twoCoresFrom) {
    const bool helped = first.size() + second.size() >= twoCoresFrom && !first.empty() &&
                        !second.empty() && std::thread::hardware_concurrency() > 1;
    if (!helped) return {Make(first, collator), Make(second, collator)};
    CollationKeys secondKeys;
    std::exception_ptr failure;
    std::thread helper([&] {
        try {
            const LineCollator own(collator.locale().c_str());
            secondKeys = Make(second, own);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    CollationKeys firstKeys;
    try {
        firstKeys = Make(first, collator);
    } catch (...) {
        helper.join();
        throw;
    }
    helper.join();
    if (failure) std::rethrow_exception(failure);
    return {std::move(firstKeys), std::move(secondKeys)};
}

}  // namespace pendara
