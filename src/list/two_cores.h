#pragma once

#include <cstddef>
#include <functional>

namespace pendara {

class LineCollator;

// Lists at least this long have their collation keys made on two cores: below it a second
// thread costs more than it saves. Making keys is most of the work of sorting, grouping and
// comparing lines.
inline constexpr std::size_t kTwoCoreKeyLines = 200000;

// A piece of work that gets the collator it alone may use (a collator must not be shared
// between threads).
using CollatorWork = std::function<void(const LineCollator& collator)>;

// Runs `first` here and `second` on a second core when `lines` (the size of the whole job)
// reaches `twoCoresFrom` and the machine has a second core; otherwise, or when no thread can be
// started, one after the other here. A failure of either is passed on, after both have ended.
void RunOnTwoCores(std::size_t lines, const LineCollator& collator, const CollatorWork& first,
                   const CollatorWork& second, std::size_t twoCoresFrom = kTwoCoreKeyLines);

// Runs `work` over the positions [0, count) of a list as two parts (0 and 1), the second half
// on a second core when RunOnTwoCores allows; a part may be empty.
void SplitOverTwoCores(std::size_t count, const LineCollator& collator,
                       const std::function<void(int part, std::size_t first, std::size_t last,
                                                const LineCollator& collator)>& work);

}  // namespace pendara
