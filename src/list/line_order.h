#pragma once

#include "list/line_compare.h"
#include "list/line_list.h"
#include "list/text_lines.h"

#include <cstdint>
#include <vector>

namespace pendara {

struct SortOptions {
    bool descending = false;
    // Runs of ASCII digits compare by their value, so "item2" comes before "item10". Lines
    // that differ only in the leading zeros of such runs have fewer zeros first ("1" before "01").
    bool natural = false;
    // By number of characters first, then by the order the other options give.
    bool byLength = false;
};

// Sorts `lines` ascending by `collator`: Sort List's order. Equal lines keep their order.
void SortLines(std::vector<std::string>& lines, const LineCollator& collator);

// Sorts the lines by `collator` (case ignored, accents kept) in the form `options` asks for.
// Always stable: lines that compare equal keep their order, also when descending. With no
// option set this is Sort List's order.
void SortLinesBy(LineList& list, const SortOptions& options,
                 const LineCollator& collator = LineCollator::forUserLocale());

// The order SortLinesBy gives `lines`, as their positions: for a long list read as one text,
// sorted without a string per line.
std::vector<std::uint32_t> SortedPositions(
    const TextLines& lines, const SortOptions& options,
    const LineCollator& collator = LineCollator::forUserLocale());

// The lines in reverse order.
void ReverseLines(LineList& list);

}  // namespace pendara
