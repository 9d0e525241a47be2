#pragma once

#include <cstddef>
#include <functional>

namespace pendara {

class LineCollator;

// Runs `work` over the positions [0, count) of a list. Making collation keys is most of the
// work of the rules that need them, so on a long list a second core takes the second half
// with a collator of its own (a collator must not be shared between threads). `work` gets the
// part (0 or 1), its range and the collator to use; a failure on either core is passed on.
void SplitOverTwoCores(std::size_t count, const LineCollator& collator,
                       const std::function<void(int part, std::size_t first, std::size_t last,
                                                const LineCollator& collator)>& work);

}  // namespace pendara
