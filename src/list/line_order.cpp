#include "list/line_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "list/two_cores.h"
#include "text/cancel_point.h"
#include "text/utf8.h"

namespace pendara {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A minus sign that starts the text or follows a character that is not part of a word: the
// digits after it are a negative number's, not a run to be read by its value.
bool IsMinusSign(std::string_view text, std::size_t at) {
    if (text[at] != '-') return false;
    if (at == 0) return true;
    const auto before = static_cast<unsigned char>(text[at - 1]);
    const bool wordByte = before >= 0x80 || (before >= '0' && before <= '9') ||
                          (before >= 'a' && before <= 'z') || (before >= 'A' && before <= 'Z');
    return !wordByte;
}

}  // namespace

void AppendCount(std::size_t count, std::string& out) {
    if (count < 0xFF) {
        out.push_back(static_cast<char>(count));
        return;
    }
    out.push_back(static_cast<char>(0xFF));
    const auto wide = static_cast<std::uint32_t>(std::min<std::size_t>(count, UINT32_MAX));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(wide >> shift));
}

// Each run of digits is rewritten as the run without its leading zeros, preceded by a code of
// its length that orders like the length (as many 9s as the length holds nines, then the rest as
// one digit). The code is never empty, so the characters around a run stay apart.
void NaturalForm(std::string_view line, std::string& out, std::string& zeros) {
    out.clear();
    zeros.clear();
    std::size_t runsWithoutZeros = 0;
    for (std::size_t i = 0; i < line.size();) {
        if (!IsDigit(line[i])) {
            // What lies before the next digit goes as it is, in one piece.
            std::size_t next = i + 1;
            while (next < line.size() && !IsDigit(line[next])) ++next;
            out.append(line, i, next - i);
            i = next;
            // A negative number keeps its digits as they are.
            if (i < line.size() && IsMinusSign(line, i - 1)) {
                while (next < line.size() && IsDigit(line[next])) ++next;
                out.append(line, i, next - i);
                i = next;
            }
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

namespace {

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

// Sort keys for lines [first, last), each appended to `keys` by `append(line, collator, keys)`.
template <typename Append>
void MakeKeys(std::size_t first, std::size_t last, std::size_t textSize,
              const LineCollator& collator, const Append& append, std::string& keys,
              std::vector<KeyedLine>& out) {
    // Keys run a little longer than their lines; room for them up front saves a copy of all of
    // them when the buffer grows.
    keys.reserve(textSize + textSize / 2 + (last - first) * 8);
    // Each key's offset waits in its prefix until the buffer stops moving.
    for (std::size_t i = first; i < last; ++i) {
        CancelPointEvery(i);
        out[i].prefix[0] = keys.size();
        append(i, collator, keys);
    }
    for (std::size_t i = first; i < last; ++i) {
        const std::size_t offset = out[i].prefix[0];
        const std::size_t end = i + 1 < last ? out[i + 1].prefix[0] : keys.size();
        const std::string_view key(keys.data() + offset, end - offset);
        out[i] = {{PrefixWord(key, 0), PrefixWord(key, 8)},
                  key.data(),
                  static_cast<std::uint32_t>(key.size()),
                  static_cast<std::uint32_t>(i)};
    }
}

// Eight bytes from `bytes` as a number that orders like them.
std::uint64_t OrderWord(const char* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    word = __builtin_bswap64(word);
#endif
    return word;
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
    // The prefixes tie, so the keys tie in their first sixteen bytes, or up to the shorter end;
    // the rest is read eight bytes at a time, as most keys that get here differ soon after.
    const std::size_t common = std::min(a.length, b.length);
    std::size_t i = std::min<std::size_t>(common, 16);
    int order = 0;
    for (; i + 8 <= common; i += 8) {
        const std::uint64_t x = OrderWord(a.key + i), y = OrderWord(b.key + i);
        if (x != y) {
            order = x < y ? -1 : 1;
            break;
        }
    }
    for (; order == 0 && i < common; ++i) {
        const auto x = static_cast<unsigned char>(a.key[i]);
        const auto y = static_cast<unsigned char>(b.key[i]);
        if (x != y) order = x < y ? -1 : 1;
    }
    if (order == 0) order = a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
    if (order == 0) return a.line < b.line;
    return descending ? order > 0 : order < 0;
}

// The library's sort with a cancel point between pieces: the top levels of the quicksort are
// split here at a sampled median until the pieces are short, so the comparisons themselves stay
// as they were. Past a depth that only bad pivots reach, the rest goes to the library at once.
template <typename Less>
void SortPolling(std::vector<KeyedLine>::iterator first, std::vector<KeyedLine>::iterator last,
                 const Less& less, int depth = 0) {
    constexpr std::ptrdiff_t kPiece = 1 << 16;
    constexpr std::size_t kSamples = 31;
    while (last - first > kPiece && depth < 48) {
        CancelPoint();
        std::array<KeyedLine, kSamples> sample;
        const auto size = static_cast<std::size_t>(last - first);
        for (std::size_t k = 0; k < kSamples; ++k)
            sample[k] = first[k * (size - 1) / (kSamples - 1)];
        std::nth_element(sample.begin(), sample.begin() + kSamples / 2, sample.end(), less);
        const KeyedLine pivot = sample[kSamples / 2];
        const auto middle =
            std::partition(first, last, [&](const KeyedLine& e) { return less(e, pivot); });
        ++depth;
        // The shorter side by recursion, the longer one by the loop: the stack stays shallow.
        if (middle - first < last - middle) {
            SortPolling(first, middle, less, depth);
            first = middle;
        } else {
            SortPolling(middle, last, less, depth);
            last = middle;
        }
    }
    CancelPoint();
    std::sort(first, last, less);
}

// Sorts `entries` by `less`, a strict order: a long list is split at a sampled median and the
// two sides are sorted on two cores, in place.
template <typename Less>
void SortEntries(std::vector<KeyedLine>& entries, const LineCollator& collator, Less less) {
    constexpr std::size_t kSamples = 127;
    if (entries.size() < kTwoCoreKeyLines) {
        SortPolling(entries.begin(), entries.end(), less);
        return;
    }
    std::vector<KeyedLine> sample;
    for (std::size_t k = 0; k < kSamples; ++k) {
        sample.push_back(entries[k * (entries.size() - 1) / (kSamples - 1)]);
    }
    std::nth_element(sample.begin(), sample.begin() + kSamples / 2, sample.end(), less);
    const KeyedLine pivot = sample[kSamples / 2];
    const auto middle = std::partition(entries.begin(), entries.end(),
                                       [&](const KeyedLine& e) { return less(e, pivot); });
    RunOnTwoCores(
        entries.size(), collator,
        [&](const LineCollator&) { SortPolling(entries.begin(), middle, less); },
        [&](const LineCollator&) { SortPolling(middle, entries.end(), less); });
}

bool SameKey(const KeyedLine& a, const KeyedLine& b) {
    return a.prefix[0] == b.prefix[0] && a.prefix[1] == b.prefix[1] &&
           std::string_view(a.key, a.length) == std::string_view(b.key, b.length);
}

// The sort entries of `count` lines in sorted order; `keys` holds what they point to.
template <typename Append>
std::vector<KeyedLine> SortedEntries(std::size_t count, std::size_t textSize, bool descending,
                                     const LineCollator& collator, const Append& append,
                                     std::string (&keys)[2]) {
    std::vector<KeyedLine> entries(count);
    SplitOverTwoCores(count, collator,
                      [&](int part, std::size_t first, std::size_t last, const LineCollator& own) {
                          // Each part reserves room for about half the text's keys.
                          MakeKeys(first, last, textSize / 2 + 1, own, append, keys[part], entries);
                      });
    // As function objects, not pointers, so that the sort inlines the comparison.
    if (descending) {
        SortEntries(entries, collator,
                    [](const KeyedLine& a, const KeyedLine& b) { return Before<true>(a, b); });
    } else {
        SortEntries(entries, collator,
                    [](const KeyedLine& a, const KeyedLine& b) { return Before<false>(a, b); });
    }
    return entries;
}

// Quick keys are the lines' bytes through a table, so lines that all have one are compared
// through it and no key is kept: the key of a long list would take as much room as the list.
class QuickOrder {
public:
    explicit QuickOrder(const LineCollator& collator) : rank_(collator.quickRanks()) {}

    KeyedLine entry(std::string_view line, std::uint32_t position) const {
        std::uint64_t words[2] = {0, 0};
        const std::size_t n = std::min<std::size_t>(line.size(), 16);
        for (std::size_t b = 0; b < 16; ++b) {
            const unsigned v = b < n ? rank_[static_cast<unsigned char>(line[b])] : 0u;
            words[b / 8] = (words[b / 8] << 8) | v;
        }
        return {
            {words[0], words[1]}, line.data(), static_cast<std::uint32_t>(line.size()), position};
    }

    // Past the prefix: its sixteen bytes tie, so the lines tie there too, or both end inside.
    int compare(const KeyedLine& a, const KeyedLine& b) const {
        const std::size_t n = std::min(a.length, b.length);
        for (std::size_t i = std::min<std::size_t>(n, 16); i < n; ++i) {
            if (a.key[i] == b.key[i]) continue;
            const unsigned ra = rank_[static_cast<unsigned char>(a.key[i])];
            const unsigned rb = rank_[static_cast<unsigned char>(b.key[i])];
            if (ra != rb) return ra < rb ? -1 : 1;
        }
        return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
    }

    template <bool descending>
    bool before(const KeyedLine& a, const KeyedLine& b) const {
        for (int w = 0; w < 2; ++w) {
            if (a.prefix[w] != b.prefix[w]) {
                return descending ? a.prefix[w] > b.prefix[w] : a.prefix[w] < b.prefix[w];
            }
        }
        const int order = compare(a, b);
        if (order == 0) return a.line < b.line;
        return descending ? order > 0 : order < 0;
    }

private:
    const std::array<unsigned char, 128>& rank_;
};

// The same in the form `options` asks for: the length's count first, when asked for, then the
// collation key. A collation key ends with its only 0 byte, so whatever follows it only breaks
// ties.
template <typename Lines>
std::vector<KeyedLine> SortedEntries(const Lines& lines, const SortOptions& options,
                                     const LineCollator& collator, std::string (&keys)[2]) {
    // The natural form brings in digits the line may not have.
    KeyForm form = KeyFormOf(lines, collator);
    if (form == KeyForm::Quick && !options.natural && !options.byLength) {
        const QuickOrder order(collator);
        std::vector<KeyedLine> entries;
        entries.reserve(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            CancelPointEvery(i);
            entries.push_back(order.entry(lines[i], static_cast<std::uint32_t>(i)));
        }
        if (options.descending) {
            SortEntries(entries, collator, [&](const KeyedLine& a, const KeyedLine& b) {
                return order.before<true>(a, b);
            });
        } else {
            SortEntries(entries, collator, [&](const KeyedLine& a, const KeyedLine& b) {
                return order.before<false>(a, b);
            });
        }
        return entries;
    }
    if (options.natural && !collator.hasQuickKey("0123456789")) form = KeyForm::Full;
    std::size_t textSize = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) textSize += lines[i].size();
    const auto append = [&](std::size_t i, const LineCollator& own, std::string& out) {
        // One scratch pair per thread: the two halves are keyed at once.
        thread_local std::string natural, zeros;
        if (options.byLength) AppendCount(CharCount(lines[i]), out);
        if (options.natural) {
            NaturalForm(lines[i], natural, zeros);
            own.appendSortKey(natural, out, form);
            out += zeros;
        } else {
            own.appendSortKey(lines[i], out, form);
        }
    };
    return SortedEntries(lines.size(), textSize, options.descending, collator, append, keys);
}

}  // namespace

std::vector<std::uint32_t> SortedPositions(const TextLines& lines, const SortOptions& options,
                                           const LineCollator& collator) {
    std::string keys[2];
    const std::vector<KeyedLine> entries = SortedEntries(lines, options, collator, keys);
    // The order no longer needs the keys, and the positions need room.
    for (std::string& part : keys) std::string().swap(part);
    std::vector<std::uint32_t> positions;
    positions.reserve(entries.size());
    for (const KeyedLine& e : entries) positions.push_back(e.line);
    return positions;
}

std::vector<std::uint32_t> SortedPositionsByKey(std::size_t count, std::size_t textSize,
                                                const KeyAppender& append,
                                                const LineCollator& collator, bool unique) {
    std::string keys[2];
    const std::vector<KeyedLine> entries =
        SortedEntries(count, textSize, false, collator, append, keys);
    std::vector<std::uint32_t> positions;
    positions.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Equal keys lie next to each other, the first line of each run foremost.
        if (unique && i > 0 && SameKey(entries[i - 1], entries[i])) continue;
        positions.push_back(entries[i].line);
    }
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
