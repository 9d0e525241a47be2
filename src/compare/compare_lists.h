#pragma once

#include <cstdint>
#include <vector>

#include "list/collation_keys.h"
#include "list/line_list.h"
#include "list/text_lines.h"

namespace pendara {

class LineCollator;

// The four results of comparing a first list F with a second list S, lines being equal when
// the collator finds them equal (case ignored).
struct Comparison {
    LineList firstOnly;   // F's lines with no equal in S, in F's order, repeats kept
    LineList secondOnly;  // S's lines with no equal in F, in S's order, first occurrence only
    LineList same;        // F's lines with an equal in S, in F's order and F's letter case
    LineList different;   // firstOnly followed by secondOnly

    bool operator==(const Comparison&) const = default;
};

// Example: F {a, b, a, c}, S {b, d, d, B} gives first only {a, a, c}, second only {d},
// same {b}, different {a, a, c, d}.
// Work grows with the lists' total length: each line's sort key is made once and looked up
// in a hash table; long lists have their keys made on two cores.
Comparison CompareLists(const LineList& first, const LineList& second,
                        const LineCollator& collator);
// The same, moving the lines of the spent inputs into the results instead of copying them.
Comparison CompareLists(LineList&& first, LineList&& second, const LineCollator& collator);
// With the collator of the user's locale.
Comparison CompareLists(const LineList& first, const LineList& second);

// The results as positions into the lists, for a caller that keeps long lists as one text each:
// positions into the first list for first only and same, into the second for second only;
// different is first only followed by second only.
struct ComparedPositions {
    std::vector<std::uint32_t> firstOnly;
    std::vector<std::uint32_t> secondOnly;
    std::vector<std::uint32_t> same;
};
ComparedPositions CompareLinePositions(const TextLines& first, const TextLines& second,
                                       const LineCollator& collator);
// The same for lines equal when the keys that `first` and `second` make for them are.
ComparedPositions CompareKeyedPositions(std::size_t firstCount, const KeyAppender& first,
                                        std::size_t secondCount, const KeyAppender& second,
                                        const LineCollator& collator);

}  // namespace pendara
