#include "list/line_order.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list/two_cores.h"
#include "list/utf8.h"

namespace pendara {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// `line` with every run of ASCII digits rewritten so that the collator orders the runs by value:
// the run without its leading zeros, preceded by a code of its length that orders like the
// length (as many 9s as the length holds nines, then the rest as one digit). The code is never
// empty, so the characters around a run stay apart. `zeros` gets a tie level: per run, its
// leading zeros, more zeros first.
void NaturalForm(std::string_view line, std::string& out, std::string& zeros) {
    out.clear();
    zeros.clear();
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
        const auto fewer = static_cast<std::uint32_t>(UINT32_MAX - (valueStart - start));
        for (int shift = 24; shift >= 0; shift -= 8) {
            zeros.push_back(static_cast<char>((fewer >> shift) & 0xFF));
        }
    }
}

struct KeyedLine {
    std::uint64_t prefix;  // the key's first eight bytes, so most comparisons are one compare
    const char* key;
    std::uint32_t length;
    std::uint32_t line;
};

// Sort keys for lines [first, last) in the form `options` asks for, appended to `keys`. A
// collation key ends with its only 0 byte, so whatever follows it only breaks ties.
void MakeKeys(const std::vector<std::string>& lines, std::size_t first, std::size_t last,
              const SortOptions& options, const LineCollator& collator, std::string& keys,
              std::vector<KeyedLine>& out) {
    std::vector<std::size_t> offsets(last - first);
    std::string natural, zeros;
    for (std::size_t i = first; i < last; ++i) {
        offsets[i - first] = keys.size();
        if (options.byLength) {
            const auto count = static_cast<std::uint32_t>(CharCount(lines[i]));
            for (int shift = 24; shift >= 0; shift -= 8) {
                keys.push_back(static_cast<char>((count >> shift) & 0xFF));
            }
        }
        if (options.natural) {
            NaturalForm(lines[i], natural, zeros);
            collator.appendSortKey(natural, keys);
            keys += zeros;
        } else {
            collator.appendSortKey(lines[i], keys);
        }
    }
    for (std::size_t i = first; i < last; ++i) {
        const std::size_t offset = offsets[i - first];
        const std::size_t length = (i + 1 < last ? offsets[i + 1 - first] : keys.size()) - offset;
        std::uint64_t prefix = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            prefix =
                (prefix << 8) | (b < length ? static_cast<unsigned char>(keys[offset + b]) : 0u);
        }
        out[i] = {prefix, keys.data() + offset, static_cast<std::uint32_t>(length),
                  static_cast<std::uint32_t>(i)};
    }
}

// <0, 0 or >0 as the keys of `a` and `b` compare.
int CompareKeys(const KeyedLine& a, const KeyedLine& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
    const int order = std::string_view(a.key, a.length).compare(std::string_view(b.key, b.length));
    return (order > 0) - (order < 0);
}

}  // namespace

void SortLinesBy(LineList& list, const SortOptions& options, const LineCollator& collator) {
    std::vector<std::string>& lines = list.lines();
    if (lines.size() < 2) return;
    if (!options.descending && !options.natural && !options.byLength) {
        SortLines(lines, collator);
        return;
    }
    std::vector<KeyedLine> entries(lines.size());
    std::string keys[2];
    SplitOverTwoCores(lines.size(), collator,
                      [&](int part, std::size_t first, std::size_t last, const LineCollator& own) {
                          MakeKeys(lines, first, last, options, own, keys[part], entries);
                      });
    // Equal keys fall back to the input position in both directions, which keeps the sort stable.
    const int direction = options.descending ? -1 : 1;
    std::sort(entries.begin(), entries.end(), [&](const KeyedLine& a, const KeyedLine& b) {
        const int order = CompareKeys(a, b) * direction;
        return order != 0 ? order < 0 : a.line < b.line;
    });
    std::vector<std::string> sorted;
    sorted.reserve(lines.size());
    for (const KeyedLine& e : entries) sorted.push_back(std::move(lines[e.line]));
    lines = std::move(sorted);
}

void ReverseLines(LineList& list) { std::reverse(list.lines().begin(), list.lines().end()); }

}  // namespace pendara
