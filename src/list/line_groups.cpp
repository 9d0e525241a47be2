#include "list/line_groups.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "list/hash_slots.h"
#include "list/two_cores.h"

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

void MakeKeyRun(const std::vector<std::string>& lines, std::size_t first, std::size_t last,
                const LineCollator& collator, KeyRun& run) {
    std::size_t textSize = 0;
    for (std::size_t i = first; i < last; ++i) textSize += lines[i].size();
    run.keys.reserve(textSize + textSize / 4 + (last - first) * 8);
    run.ends.reserve(last - first);
    run.hashes.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        const std::size_t begin = run.keys.size();
        collator.appendSortKey(lines[i], run.keys);
        run.ends.push_back(run.keys.size());
        run.hashes.push_back(HashKey(std::string_view(run.keys).substr(begin)));
    }
}

// Keeps the lines for which `keep(position, group)` holds, in their order.
template <typename Keep>
void KeepLines(LineList& list, const LineGroups& groups, Keep keep) {
    std::vector<std::string>& lines = list.lines();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!keep(i, groups.groupOf(i))) continue;
        if (kept != i) lines[kept] = std::move(lines[i]);
        ++kept;
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(kept), lines.end());
}

}  // namespace

LineGroups::LineGroups(const std::vector<std::string>& lines, bool matchCase,
                       const LineCollator& collator) {
    groupOfLine_.reserve(lines.size());
    if (matchCase) {
        groupByBytes(lines);
    } else {
        groupByKeys(lines, collator);
    }
}

void LineGroups::groupByBytes(const std::vector<std::string>& lines) {
    std::vector<std::uint64_t> hashes(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) hashes[i] = HashKey(lines[i]);
    HashSlots byText(lines.size());
    for (std::size_t i = 0; i < std::min(kAhead, lines.size()); ++i) byText.prefetch(hashes[i]);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i + kAhead < lines.size()) byText.prefetch(hashes[i + kAhead]);
        const auto fresh = static_cast<std::uint32_t>(firstLine_.size());
        const std::uint32_t group = byText.findOrAdd(hashes[i], fresh, [&](std::uint32_t other) {
            return lines[firstLine_[other]] == lines[i];
        });
        if (group == fresh) firstLine_.push_back(static_cast<std::uint32_t>(i));
        groupOfLine_.push_back(group);
    }
}

void LineGroups::groupByKeys(const std::vector<std::string>& lines, const LineCollator& collator) {
    KeyRun runs[2];
    std::size_t starts[2] = {0, 0};
    SplitOverTwoCores(lines.size(), collator,
                      [&](int part, std::size_t first, std::size_t last, const LineCollator& own) {
                          starts[part] = first;
                          MakeKeyRun(lines, first, last, own, runs[part]);
                      });
    const auto keyOfLine = [&](std::uint32_t line) {
        const int part = line < starts[1] ? 0 : 1;
        return runs[part].key(line - starts[part]);
    };
    HashSlots byKey(lines.size());
    for (int part = 0; part < 2; ++part) {
        const KeyRun& run = runs[part];
        const std::size_t count = run.hashes.size();
        for (std::size_t i = 0; i < std::min(kAhead, count); ++i) byKey.prefetch(run.hashes[i]);
        for (std::size_t i = 0; i < count; ++i) {
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

void DedupeLines(LineList& list, const DedupeOptions& options, const LineCollator& collator) {
    const LineGroups groups(list.lines(), options.matchCase, collator);
    if (options.keep == KeepCopy::First) {
        KeepLines(list, groups,
                  [&](std::size_t i, std::uint32_t group) { return groups.firstLine(group) == i; });
        return;
    }
    std::vector<std::uint32_t> lastLine(groups.groupCount());
    for (std::size_t i = 0; i < list.lines().size(); ++i) {
        lastLine[groups.groupOf(i)] = static_cast<std::uint32_t>(i);
    }
    KeepLines(list, groups,
              [&](std::size_t i, std::uint32_t group) { return lastLine[group] == i; });
}

void KeepRepeatedLines(LineList& list, const RepeatedOptions& options,
                       const LineCollator& collator) {
    const LineGroups groups(list.lines(), options.matchCase, collator);
    const std::vector<std::uint32_t> sizes = groups.sizes();
    KeepLines(list, groups, [&](std::size_t i, std::uint32_t group) {
        return sizes[group] > 1 && (options.everyCopy || groups.firstLine(group) == i);
    });
}

void KeepSingleLines(LineList& list, const SinglesOptions& options, const LineCollator& collator) {
    const LineGroups groups(list.lines(), options.matchCase, collator);
    const std::vector<std::uint32_t> sizes = groups.sizes();
    KeepLines(list, groups, [&](std::size_t, std::uint32_t group) { return sizes[group] == 1; });
}

void TallyLines(LineList& list, const TallyOptions& options, const LineCollator& collator) {
    if (list.empty()) return;
    const LineGroups groups(list.lines(), options.matchCase, collator);
    const std::vector<std::uint32_t> sizes = groups.sizes();
    // Sizes are at most the number of lines, so the groups are placed by counting, largest
    // first; groups are numbered in order of first appearance and keep that among equal sizes.
    const std::uint32_t largest = *std::max_element(sizes.begin(), sizes.end());
    std::vector<std::uint32_t> place(largest + 2, 0);
    for (const std::uint32_t size : sizes) ++place[largest - size + 1];
    for (std::size_t i = 1; i < place.size(); ++i) place[i] += place[i - 1];
    std::vector<std::uint32_t> order(groups.groupCount());
    for (std::uint32_t g = 0; g < order.size(); ++g) order[place[largest - sizes[g]]++] = g;
    std::vector<std::string> tally;
    tally.reserve(order.size());
    for (const std::uint32_t group : order) {
        char digits[16];
        const auto count = static_cast<std::size_t>(
            std::to_chars(digits, digits + sizeof digits, sizes[group]).ptr - digits);
        const std::string& spelling = list.lines()[groups.firstLine(group)];
        std::string line;
        line.reserve(count + 1 + spelling.size());
        line.append(digits, count).append(1, '\t').append(spelling);
        tally.push_back(std::move(line));
    }
    list.lines() = std::move(tally);
}

}  // namespace pendara
