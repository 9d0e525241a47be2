#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct UCollator;

namespace pendara {

// Compares lines the way the user's locale does, ignoring case but not accents (ICU collator at
// secondary strength). Two lines are equal exactly when their sort keys are equal, so sets and
// sorting can work on keys instead of pairwise comparisons.
//
// Bytes that are not UTF-8 are compared as characters of their own, distinct from each other and
// from every valid character, so a line with a stray byte never equals one without it.
//
// An instance must not be shared between threads: making a key uses buffers inside it. A second
// thread makes its own from locale().
class LineCollator {
public:
    // `locale` is an ICU locale name; "" is the root collation.
    explicit LineCollator(const char* locale);
    ~LineCollator();
    LineCollator(const LineCollator&) = delete;
    LineCollator& operator=(const LineCollator&) = delete;

    // The collator for the locale named by the environment (LC_ALL, LC_COLLATE, LANG).
    static const LineCollator& forUserLocale();

    // Sort key of `line`: byte strings that compare like the lines, ending with a 0 byte.
    std::string sortKey(std::string_view line) const;
    // Appends the key to `out`; cheaper when many keys go into one buffer.
    void appendSortKey(std::string_view line, std::string& out) const;

    int compare(std::string_view a, std::string_view b) const;  // <0, 0, >0
    bool equal(std::string_view a, std::string_view b) const { return compare(a, b) == 0; }

    const std::string& locale() const { return locale_; }

private:
    std::string locale_;
    UCollator* collator_;
    mutable std::u16string utf16_;
};

// Sorts `lines` ascending by `collator`; equal lines keep their order.
void SortLines(std::vector<std::string>& lines, const LineCollator& collator);

// UTF-8 into UTF-16, each byte that is not part of a valid sequence becoming the lone
// surrogate U+DC00 + byte.
void DecodeForCollation(std::string_view text, std::u16string& out);

}  // namespace pendara
