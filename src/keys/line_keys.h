#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compare/compare_lists.h"
#include "keys/key_form.h"
#include "list/collation_keys.h"
#include "list/line_compare.h"
#include "list/line_groups.h"
#include "list/text_lines.h"

namespace pendara {

// Makes each line's keys into one byte string that orders and equals by its bytes: the keys in
// turn, each as a collation key, quick key, bytes (c) or number key, a reversed one with its
// bytes inverted, each key unable to be a prefix of another so that the next only breaks ties.
// Text keys of one key number take one form over all the lines that are to be compared, quick
// only where every such line's key has a quick key.
class LineKeys {
public:
    LineKeys(KeyOptions options, const LineCollator& collator);

    // Narrows the forms to what `lines` allow; call it for every list before making keys.
    template <typename Lines>
    void fit(const Lines& lines) {
        for (std::size_t i = 0; i < lines.size() && mayBeQuick(); ++i) fitLine(lines[i]);
    }
    void fitLine(std::string_view line);

    // Appends the key of `line` by `collator`, which the calling thread may use.
    void append(std::string_view line, const LineCollator& collator, std::string& out) const;

    const KeyOptions& options() const { return options_; }

private:
    // Whether some key still takes quick keys.
    bool mayBeQuick() const;

    struct Key {
        KeySpec keyForm;
        KeyFlags flags;  // in effect
        KeyForm form = KeyForm::Quick;
    };
    // The text that the collator weighs for key `key` of `line`, in `scratch`'s buffers.
    struct Scratch {
        std::string normal, natural, zeros;
    };
    std::string_view weighedText(std::string_view line, const Key& key, Scratch& scratch) const;

    KeyOptions options_;
    std::vector<Key> keys_;
    const LineCollator& collator_;
    bool digitsQuick_;
};

// The order of `lines` by `options`, as positions; equal keys keep their order. With `unique`,
// only the first line of each group of equal keys.
template <typename Lines>
std::vector<std::uint32_t> SortedPositionsByKeys(const Lines& lines, const KeyOptions& options,
                                                 const LineCollator& collator,
                                                 bool unique = false) {
    LineKeys keys(options, collator);
    keys.fit(lines);
    std::size_t textSize = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) textSize += lines[i].size();
    return SortedPositionsByKey(
        lines.size(), textSize,
        [&](std::size_t i, const LineCollator& own, std::string& out) {
            keys.append(lines[i], own, out);
        },
        collator, unique);
}

// The groups of lines with equal keys.
template <typename Lines>
LineGroups GroupLinesByKeys(const Lines& lines, const KeyOptions& options,
                            const LineCollator& collator) {
    LineKeys keys(options, collator);
    keys.fit(lines);
    return LineGroups(
        lines.size(),
        [&](std::size_t i, const LineCollator& own, std::string& out) {
            keys.append(lines[i], own, out);
        },
        collator);
}

// The four results of comparing two lists, lines being equal when their keys are.
template <typename Lines>
ComparedPositions CompareByKeys(const Lines& first, const Lines& second, const KeyOptions& options,
                                const LineCollator& collator) {
    LineKeys keys(options, collator);
    keys.fit(first);
    keys.fit(second);
    return CompareKeyedPositions(
        first.size(),
        [&](std::size_t i, const LineCollator& own, std::string& out) {
            keys.append(first[i], own, out);
        },
        second.size(),
        [&](std::size_t i, const LineCollator& own, std::string& out) {
            keys.append(second[i], own, out);
        },
        collator);
}

// The rules as the commands apply them: with no keys, normalisation or flags beyond what the
// list rules have always offered, those rules' own faster paths.

// Sort's order: ascending by the keys, equal keys in input order; with `unique`, the first line
// of each group of equal keys.
std::vector<std::uint32_t> SortOrder(const TextLines& lines, const KeyOptions& options, bool unique,
                                     const LineCollator& collator);

// The groups of equal lines for dedupe, repeated, singles and tally.
template <typename Lines>
LineGroups GroupLines(const Lines& lines, const KeyOptions& options, const LineCollator& collator) {
    KeyFlags flags = options.global;
    flags.matchCase = flags.reverse = false;  // matching case is the rules' own option
    if (options.keys.empty() && !flags.any() && !options.trim && !options.squeeze) {
        return LineGroups(lines, options.global.matchCase, collator);
    }
    return GroupLinesByKeys(lines, options, collator);
}

// The four results of comparing two lists.
ComparedPositions CompareLines(const TextLines& first, const TextLines& second,
                               const KeyOptions& options, const LineCollator& collator);

}  // namespace pendara
