#include "list/line_groups.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "list/hash_slots.h"
#include "list/two_cores.h"
#include "text/cancel_point.h"

namespace pendara {

namespace {

// The slot of a line some lines ahead is fetched early, so the table's cache misses overlap
// instead of adding up.
constexpr std::size_t kAhead = 16;

// The collation keys of a run of lines, one after another, with their hashes.
struct KeyRun {
    std::string keys;
    std::vector<std::size_t> ends;
    std::vector<std::uint64_t> hashes;

    std::string_view key(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends[i - 1];
        return std::string_view(keys).substr(begin, ends[i] - begin);
    }
};

// The keys of lines [first, last), each appended by `append(line, collator, keys)`.
template <typename Append>
void MakeKeyRun(std::size_t first, std::size_t last, std::size_t textSize,
                const LineCollator& collator, const Append& append, KeyRun& run) {
    run.keys.reserve(textSize + textSize / 4 + (last - first) * 8);
    run.ends.reserve(last - first);
    run.hashes.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        const std::size_t begin = run.keys.size();
        append(i, collator, run.keys);
        run.ends.push_back(run.keys.size());
        run.hashes.push_back(HashKey(std::string_view(run.keys).substr(begin)));
    }
}

// Positions of the lines for which `keep(position, group)` holds.
template <typename Keep>
std::vector<std::uint32_t> PositionsWhere(const LineGroups& groups, Keep keep) {
    std::vector<std::uint32_t> positions;
    for (std::uint32_t i = 0; i < groups.lineCount(); ++i) {
        if (keep(i, groups.groupOf(i))) positions.push_back(i);
    }
    return positions;
}

}  // namespace

void KeepPositions(LineList& list, const std::vector<std::uint32_t>& positions) {
    std::vector<std::string>& lines = list.lines();
    std::size_t kept = 0;
    for (const std::uint32_t i : positions) {
        if (kept != i) lines[kept] = std::move(lines[i]);
        ++kept;
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(kept), lines.end());
}

LineGroups::LineGroups(const std::vector<std::string>& lines, bool matchCase,
                       const LineCollator& collator) {
    group(lines, matchCase, collator);
}

LineGroups::LineGroups(const std::vector<std::string_view>& lines, bool matchCase,
                       const LineCollator& collator) {
    group(lines, matchCase, collator);
}

template <typename Lines>
void LineGroups::group(const Lines& lines, bool matchCase, const LineCollator& collator) {
    groupOfLine_.reserve(lines.size());
    if (matchCase) {
        groupByBytes(lines);
    } else {
        groupByKeys(lines, collator);
    }
}

template <typename Lines>
void LineGroups::groupByBytes(const Lines& lines) {
    std::vector<std::uint64_t> hashes(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) hashes[i] = HashKey(lines[i]);
    HashSlots byText(lines.size());
    for (std::size_t i = 0; i < std::min(kAhead, lines.size()); ++i) byText.prefetch(hashes[i]);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CancelPointEvery(i);
        if (i + kAhead < lines.size()) byText.prefetch(hashes[i + kAhead]);
        const auto fresh = static_cast<std::uint32_t>(firstLine_.size());
        const std::uint32_t group = byText.findOrAdd(hashes[i], fresh, [&](std::uint32_t other) {
            return lines[firstLine_[other]] == lines[i];
        });
        if (group == fresh) firstLine_.push_back(static_cast<std::uint32_t>(i));
        groupOfLine_.push_back(group);
    }
}

LineGroups::LineGroups(std::size_t count, const KeyAppender& append, const LineCollator& collator) {
    groupOfLine_.reserve(count);
    // The keys run about as long as their lines; no line is measured just to size the buffer.
    groupByKeys(count, count * 16, append, collator);
}

template <typename Lines>
void LineGroups::groupByKeys(const Lines& lines, const LineCollator& collator) {
    const KeyForm form = KeyFormOf(lines, collator);
    std::size_t textSize = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) textSize += lines[i].size();
    groupByKeys(
        lines.size(), textSize,
        [&](std::size_t i, const LineCollator& own, std::string& out) {
            own.appendSortKey(lines[i], out, form);
        },
        collator);
}

template <typename Append>
void LineGroups::groupByKeys(std::size_t count, std::size_t textSize, const Append& append,
                             const LineCollator& collator) {
    KeyRun runs[2];
    std::size_t starts[2] = {0, 0};
    SplitOverTwoCores(count, collator,
                      [&](int part, std::size_t first, std::size_t last, const LineCollator& own) {
                          starts[part] = first;
                          MakeKeyRun(first, last, textSize / 2 + 1, own, append, runs[part]);
                      });
    const auto keyOfLine = [&](std::uint32_t line) {
        const int part = line < starts[1] ? 0 : 1;
        return runs[part].key(line - starts[part]);
    };
    HashSlots byKey(count);
    for (int part = 0; part < 2; ++part) {
        const KeyRun& run = runs[part];
        const std::size_t count = run.hashes.size();
        for (std::size_t i = 0; i < std::min(kAhead, count); ++i) byKey.prefetch(run.hashes[i]);
        for (std::size_t i = 0; i < count; ++i) {
            CancelPointEvery(i);
            if (i + kAhead < count) byKey.prefetch(run.hashes[i + kAhead]);
            const std::string_view key = run.key(i);
            const auto fresh = static_cast<std::uint32_t>(firstLine_.size());
            const std::uint32_t group = byKey.findOrAdd(
                run.hashes[i], fresh,
                [&](std::uint32_t other) { return keyOfLine(firstLine_[other]) == key; });
            if (group == fresh) firstLine_.push_back(static_cast<std::uint32_t>(starts[part] + i));
            groupOfLine_.push_back(group);
        }
    }
}

std::vector<std::uint32_t> LineGroups::sizes() const {
    std::vector<std::uint32_t> sizes(groupCount(), 0);
    for (const std::uint32_t group : groupOfLine_) ++sizes[group];
    return sizes;
}

std::vector<std::uint32_t> DedupedPositions(const LineGroups& groups, KeepCopy keep) {
    if (keep == KeepCopy::First) {
        return PositionsWhere(groups, [&](std::uint32_t i, std::uint32_t group) {
            return groups.firstLine(group) == i;
        });
    }
    std::vector<std::uint32_t> lastLine(groups.groupCount());
    for (std::uint32_t i = 0; i < groups.lineCount(); ++i) lastLine[groups.groupOf(i)] = i;
    return PositionsWhere(
        groups, [&](std::uint32_t i, std::uint32_t group) { return lastLine[group] == i; });
}

std::vector<std::uint32_t> RepeatedPositions(const LineGroups& groups, bool everyCopy) {
    const std::vector<std::uint32_t> sizes = groups.sizes();
    return PositionsWhere(groups, [&](std::uint32_t i, std::uint32_t group) {
        return sizes[group] > 1 && (everyCopy || groups.firstLine(group) == i);
    });
}

std::vector<std::uint32_t> SinglePositions(const LineGroups& groups) {
    const std::vector<std::uint32_t> sizes = groups.sizes();
    return PositionsWhere(groups,
                          [&](std::uint32_t, std::uint32_t group) { return sizes[group] == 1; });
}

std::vector<TallyRow> TallyRows(const LineGroups& groups) {
    if (groups.groupCount() == 0) return {};
    const std::vector<std::uint32_t> sizes = groups.sizes();
    // Sizes are at most the number of lines, so the groups are placed by counting, largest
    // first; groups are numbered in order of first appearance and keep that among equal sizes.
    const std::uint32_t largest = *std::max_element(sizes.begin(), sizes.end());
    std::vector<std::uint32_t> place(largest + 2, 0);
    for (const std::uint32_t size : sizes) ++place[largest - size + 1];
    for (std::size_t i = 1; i < place.size(); ++i) place[i] += place[i - 1];
    std::vector<TallyRow> rows(groups.groupCount());
    for (std::uint32_t g = 0; g < rows.size(); ++g) {
        rows[place[largest - sizes[g]]++] = {sizes[g], groups.firstLine(g)};
    }
    return rows;
}

void DedupeLines(LineList& list, const DedupeOptions& options, const LineCollator& collator) {
    const LineGroups groups(list.lines(), options.matchCase, collator);
    KeepPositions(list, DedupedPositions(groups, options.keep));
}

void KeepRepeatedLines(LineList& list, const RepeatedOptions& options,
                       const LineCollator& collator) {
    const LineGroups groups(list.lines(), options.matchCase, collator);
    KeepPositions(list, RepeatedPositions(groups, options.everyCopy));
}

void KeepSingleLines(LineList& list, const SinglesOptions& options, const LineCollator& collator) {
    const LineGroups groups(list.lines(), options.matchCase, collator);
    KeepPositions(list, SinglePositions(groups));
}

void TallyLines(LineList& list, const TallyOptions& options, const LineCollator& collator) {
    TallyGroups(list, LineGroups(list.lines(), options.matchCase, collator));
}

void TallyGroups(LineList& list, const LineGroups& groups) {
    const std::vector<TallyRow> rows = TallyRows(groups);
    std::vector<std::string> tally;
    tally.reserve(rows.size());
    for (const TallyRow& row : rows) {
        char digits[16];
        const auto count = static_cast<std::size_t>(
            std::to_chars(digits, digits + sizeof digits, row.count).ptr - digits);
        const std::string& spelling = list.lines()[row.line];
        std::string line;
        line.reserve(count + 1 + spelling.size());
        line.append(digits, count).append(1, '\t').append(spelling);
        tally.push_back(std::move(line));
    }
    list.lines() = std::move(tally);
}

}  // namespace pendara
