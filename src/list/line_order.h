#pragma once

#include "list/collation_keys.h"
#include "list/line_compare.h"
#include "list/line_list.h"
#include "list/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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

// The order of `count` lines by the keys `append` makes, as positions: ascending by the keys'
// bytes, equal keys in input order. With `unique`, only the first line of each group of equal
// keys. `textSize`, the lines' total length, sizes the key buffers.
std::vector<std::uint32_t> SortedPositionsByKey(std::size_t count, std::size_t textSize,
                                                const KeyAppender& append,
                                                const LineCollator& collator, bool unique = false);

// Appends `count` so that the bytes order like the numbers; no such code is a prefix of another.
// Small counts, the usual ones, take one byte.
void AppendCount(std::size_t count, std::string& out);

// `line` rewritten for natural order: every run of ASCII digits so that the collator orders the
// runs by their value, except the digits after a minus sign that starts a number (at the start,
// or after a character that is not a letter or digit), which stay text. `zeros` gets a tie
// level: the leading zeros of each run up to the last run that has some, fewer zeros first.
void NaturalForm(std::string_view line, std::string& out, std::string& zeros);

// The lines in reverse order.
void ReverseLines(LineList& list);

}  // namespace pendara
