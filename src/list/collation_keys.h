#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "list/line_compare.h"
#include "list/text_lines.h"
#include "list/two_cores.h"

namespace pendara {

// Appends the key of line number `line` to `out` with `collator`, the one the calling thread may
// use. Such keys order and equal by their bytes alone, and none is a prefix of another.
using KeyAppender =
    std::function<void(std::size_t line, const LineCollator& collator, std::string& out)>;

// The collation keys of a run of lines, one after another in one buffer. Making them is most of
// the work of sorting and comparing lists; what is done with them is up to the caller.
class CollationKeys {
public:
    std::size_t size() const { return ends_.size(); }
    std::string_view key(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(bytes_).substr(begin, ends_[i] - begin);
    }

    // The keys of `lines` by `collator`, quick ones when they all have one.
    static CollationKeys Make(std::span<const std::string> lines, const LineCollator& collator);

    // The keys of two runs of lines, in one form. When together they hold `twoCoresFrom` lines or
    // more, neither is empty and the machine has a second core, the second run's keys are made
    // there with a collator of its own.
    static std::pair<CollationKeys, CollationKeys> MakeTwo(
        std::span<const std::string> first, std::span<const std::string> second,
        const LineCollator& collator, std::size_t twoCoresFrom = kTwoCoreKeyLines);

    // The same for lines kept as one text.
    static std::pair<CollationKeys, CollationKeys> MakeTwo(
        const TextLines& first, const TextLines& second, const LineCollator& collator,
        std::size_t twoCoresFrom = kTwoCoreKeyLines);

    // The keys that `first` and `second` append for `firstCount` and `secondCount` lines, on two
    // cores as above.
    static std::pair<CollationKeys, CollationKeys> MakeTwo(
        std::size_t firstCount, const KeyAppender& first, std::size_t secondCount,
        const KeyAppender& second, const LineCollator& collator,
        std::size_t twoCoresFrom = kTwoCoreKeyLines);

private:
    static CollationKeys MakeFrom(std::size_t count, const KeyAppender& append,
                                  const LineCollator& collator);
    template <typename Lines>
    static CollationKeys MakeFrom(const Lines& lines, const LineCollator& collator, KeyForm form);
    template <typename Lines>
    static std::pair<CollationKeys, CollationKeys> MakeTwoFrom(const Lines& first,
                                                               const Lines& second,
                                                               const LineCollator& collator,
                                                               std::size_t twoCoresFrom);

    std::string bytes_;
    std::vector<std::size_t> ends_;  // where the key of each line ends in bytes_
};

}  // namespace pendara
