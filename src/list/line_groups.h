#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/collation_keys.h"
#include "list/line_compare.h"
#include "list/line_list.h"

namespace pendara {

// The groups of equal lines in a list: lines whose collation keys are equal (or, matching case,
// whose bytes are equal) share a group. Groups are numbered from 0 in order of first appearance.
// Each line's key is made once and looked up in a hash table, so the work grows with the list's
// length, not its square.
class LineGroups {
public:
    LineGroups(const std::vector<std::string>& lines, bool matchCase, const LineCollator& collator);
    // The same over views, for callers that keep the lines in one text.
    LineGroups(const std::vector<std::string_view>& lines, bool matchCase,
               const LineCollator& collator);

    // Groups `count` lines by the keys `append` makes: equal keys, one group.
    LineGroups(std::size_t count, const KeyAppender& append, const LineCollator& collator);

    std::size_t lineCount() const { return groupOfLine_.size(); }
    std::uint32_t groupOf(std::size_t line) const { return groupOfLine_[line]; }
    std::size_t groupCount() const { return firstLine_.size(); }
    // Position of the group's first line.
    std::uint32_t firstLine(std::uint32_t group) const { return firstLine_[group]; }
    // Number of lines in each group.
    std::vector<std::uint32_t> sizes() const;

private:
    template <typename Lines>
    void group(const Lines& lines, bool matchCase, const LineCollator& collator);
    template <typename Lines>
    void groupByBytes(const Lines& lines);
    template <typename Lines>
    void groupByKeys(const Lines& lines, const LineCollator& collator);
    template <typename Append>
    void groupByKeys(std::size_t count, std::size_t textSize, const Append& append,
                     const LineCollator& collator);

    std::vector<std::uint32_t> groupOfLine_;
    std::vector<std::uint32_t> firstLine_;
};

enum class KeepCopy { First, Last };

// What the rules below keep, as ascending positions, for callers that hold the lines themselves.
std::vector<std::uint32_t> DedupedPositions(const LineGroups& groups, KeepCopy keep);
std::vector<std::uint32_t> RepeatedPositions(const LineGroups& groups, bool everyCopy);
std::vector<std::uint32_t> SinglePositions(const LineGroups& groups);

// Keeps the lines at `positions` (ascending), in their order.
void KeepPositions(LineList& list, const std::vector<std::uint32_t>& positions);

struct TallyRow {
    std::uint32_t count;
    std::uint32_t line;  // position of the group's first line
};
// One row per group, the largest groups first, groups of equal size in order of first appearance.
std::vector<TallyRow> TallyRows(const LineGroups& groups);

// The rules over groups of equal lines. Lines are equal by `collator` (case ignored, accents
// kept), or byte for byte with `matchCase`. Lines that stay keep their order.

struct DedupeOptions {
    KeepCopy keep = KeepCopy::First;
    bool matchCase = false;
};

// Keeps one line of each group, the first or the last, where it stood.
void DedupeLines(LineList& list, const DedupeOptions& options,
                 const LineCollator& collator = LineCollator::forUserLocale());

struct RepeatedOptions {
    bool everyCopy = false;  // otherwise one copy of each, at its first place
    bool matchCase = false;
};

// Keeps only the lines that occur more than once.
void KeepRepeatedLines(LineList& list, const RepeatedOptions& options,
                       const LineCollator& collator = LineCollator::forUserLocale());

struct SinglesOptions {
    bool matchCase = false;
};

// Keeps only the lines that occur exactly once.
void KeepSingleLines(LineList& list, const SinglesOptions& options,
                     const LineCollator& collator = LineCollator::forUserLocale());

struct TallyOptions {
    bool matchCase = false;
};

// Replaces the lines by one line per group, "COUNT<TAB>LINE" with the group's first spelling:
// the largest groups first, groups of equal size in order of first appearance.
void TallyLines(LineList& list, const TallyOptions& options,
                const LineCollator& collator = LineCollator::forUserLocale());
// The same for groups already made of the list's lines.
void TallyGroups(LineList& list, const LineGroups& groups);

}  // namespace pendara
