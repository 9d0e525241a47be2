#include "list/line_order.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/two_cores.h"
#include "text/utf8.h"

namespace pendara {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends `count` so that the bytes order like the numbers: small counts, the usual ones, take
// one byte.
void AppendCount(std::size_t count, std::string& out) {
    if (count < 0xFF) {
        out.push_back(static_cast<char>(count));
        return;
    }
    out.push_back(static_cast<char>(0xFF));
    const auto wide = static_cast<std::uint32_t>(std::min<std::size_t>(count, UINT32_MAX));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(wide >> shift));
}

// `line` with every run of ASCII digits rewritten so that the collator orders the runs by value:
// the run without its leading zeros, preceded by a code of its length that orders like the
// length (as many 9s as the length holds nines, then the rest as one digit). The code is never
// empty, so the characters around a run stay apart. `zeros` gets a tie level: the leading zeros
// of each run up to the last run that has some, fewer zeros first.
void NaturalForm(std::string_view line, std::string& out, std::string& zeros) {
    out.clear();
    zeros.clear();
    std::size_t runsWithoutZeros = 0;
    for (std::size_t i = 0; i < line.size();) {
        if (!IsDigit(line[i])) {
            out.push_back(line[i++]);
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] == '0') ++i;
        const std::size_t valueStart = i;
        while (i < line.size() && IsDigit(line[i])) ++i;
        const std::size_t length = i - valueStart;
        out.append(length / 9, '9');
        out.push_back(static_cast<char>('0' + length % 9));
        out.append(line.substr(valueStart, length));
        if (valueStart == start) {
            ++runsWithoutZeros;
            continue;
        }
        zeros.append(runsWithoutZeros, '\0');
        runsWithoutZeros = 0;
        AppendCount(valueStart - start, zeros);
    }
}

struct KeyedLine {
    // The key's first sixteen bytes, so that most comparisons need not reach the key itself.
    std::uint64_t prefix[2];
    const char* key;
    std::uint32_t length;
    std::uint32_t line;
};

// Eight bytes of `key` from `from` on, as a number that orders like them; zeros past the end.
std::uint64_t PrefixWord(std::string_view key, std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t b = from; b < from + 8; ++b) {
        word = (word << 8) | (b < key.size() ? static_cast<unsigned char>(key[b]) : 0u);
    }
    return word;
}

// Sort keys for lines [first, last) in the form `options` asks for, appended to `keys`: the
// length's count first, when asked for, then the collation key. A collation key ends with its
// only 0 byte, so whatever follows it only breaks ties.
template <typename Lines>
void MakeKeys(const Lines& lines, std::size_t first, std::size_t last, const SortOptions& options,
              const LineCollator& collator, KeyForm form, std::string& keys,
              std::vector<KeyedLine>& out) {
    std::vector<std::size_t> offsets(last - first);
    std::string natural, zeros;
    // Keys run a little longer than their lines; room for them up front saves a copy of all of
    // them when the buffer grows.
    std::size_t textSize = 0;
    for (std::size_t i = first; i < last; ++i) textSize += lines[i].size();
    keys.reserve(textSize + textSize / 2 + (last - first) * 8);
    for (std::size_t i = first; i < last; ++i) {
        offsets[i - first] = keys.size();
        if (options.byLength) AppendCount(CharCount(lines[i]), keys);
        if (options.natural) {
            NaturalForm(lines[i], natural, zeros);
            collator.appendSortKey(natural, keys, form);
            keys += zeros;
        } else {
            collator.appendSortKey(lines[i], keys, form);
        }
    }
    for (std::size_t i = first; i < last; ++i) {
        const std::size_t offset = offsets[i - first];
        const std::size_t length = (i + 1 < last ? offsets[i + 1 - first] : keys.size()) - offset;
        const std::string_view key(keys.data() + offset, length);
        out[i] = {{PrefixWord(key, 0), PrefixWord(key, 8)},
                  key.data(),
                  static_cast<std::uint32_t>(length),
                  static_cast<std::uint32_t>(i)};
    }
}

// Ascending or descending by key; equal keys fall back to the input position either way, which
// keeps the sort stable.
template <bool descending>
bool Before(const KeyedLine& a, const KeyedLine& b) {
    for (int w = 0; w < 2; ++w) {
        if (a.prefix[w] != b.prefix[w]) {
            return descending ? a.prefix[w] > b.prefix[w] : a.prefix[w] < b.prefix[w];
        }
    }
    const int order = std::string_view(a.key, a.length).compare(std::string_view(b.key, b.length));
    if (order == 0) return a.line < b.line;
    return descending ? order > 0 : order < 0;
}

// The lines' sort entries in sorted order; `keys` holds what they point to.
template <typename Lines>
std::vector<KeyedLine> SortedEntries(const Lines& lines, const SortOptions& options,
                                     const LineCollator& collator, std::string (&keys)[2]) {
    std::vector<KeyedLine> entries(lines.size());
    // The natural form brings in digits the line may not have.
    KeyForm form = KeyFormOf(lines, collator);
    if (options.natural && !collator.hasQuickKey("0123456789")) form = KeyForm::Full;
    SplitOverTwoCores(lines.size(), collator,
                      [&](int part, std::size_t first, std::size_t last, const LineCollator& own) {
                          MakeKeys(lines, first, last, options, own, form, keys[part], entries);
                      });
    std::sort(entries.begin(), entries.end(), options.descending ? Before<true> : Before<false>);
    return entries;
}

}  // namespace

std::vector<std::uint32_t> SortedPositions(const TextLines& lines, const SortOptions& options,
                                           const LineCollator& collator) {
    std::string keys[2];
    const std::vector<KeyedLine> entries = SortedEntries(lines, options, collator, keys);
    std::vector<std::uint32_t> positions;
    positions.reserve(entries.size());
    for (const KeyedLine& e : entries) positions.push_back(e.line);
    return positions;
}

void SortLinesBy(LineList& list, const SortOptions& options, const LineCollator& collator) {
    std::vector<std::string>& lines = list.lines();
    if (lines.size() < 2) return;
    std::string keys[2];
    const std::vector<KeyedLine> entries = SortedEntries(lines, options, collator, keys);
    std::vector<std::string> sorted;
    sorted.reserve(lines.size());
    for (const KeyedLine& e : entries) sorted.push_back(std::move(lines[e.line]));
    lines = std::move(sorted);
}

void SortLines(std::vector<std::string>& lines, const LineCollator& collator) {
    LineList list(std::move(lines));
    SortLinesBy(list, {}, collator);
    lines = std::move(list.lines());
}

void ReverseLines(LineList& list) { std::reverse(list.lines().begin(), list.lines().end()); }

}  // namespace pendara
