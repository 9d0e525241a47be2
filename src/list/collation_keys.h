#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "list/line_compare.h"
#include "list/text_lines.h"
#include "list/two_cores.h"

namespace pendara {

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

private:
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
