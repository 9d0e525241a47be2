#pragma once

#include <array>
#include <cstddef>
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
// thread makes its own (ForAnotherThread).
//
// Keys come in two forms. Full keys are the collator's own. Quick keys exist for lines made only
// of characters that each weigh one plain primary in the collator (in most locales every printable
// ASCII character): one byte a character, ordering and equal exactly like the full keys, and many
// times cheaper to make. The two forms do not compare with each other, so a job makes all its
// keys in one form, quick only when every line has a quick key (KeyFormOf).
enum class KeyForm { Full, Quick };

class LineCollator {
public:
    // `locale` is an ICU locale name; "" is the root collation.
    explicit LineCollator(const char* locale);
    // One like `other`, for another thread; cheaper than opening the locale anew.
    struct ForAnotherThread {};
    LineCollator(const LineCollator& other, ForAnotherThread);
    ~LineCollator();
    LineCollator(const LineCollator&) = delete;
    LineCollator& operator=(const LineCollator&) = delete;

    // The collator for the locale named by the first of LC_ALL, LC_COLLATE and LANG that is
    // set; C, POSIX and C.UTF-8 (or none) give the root collation.
    static const LineCollator& forUserLocale();

    // Sort key of `line`: byte strings that compare like the lines, ending with their only 0 byte.
    std::string sortKey(std::string_view line) const;
    // Appends the key to `out`; cheaper when many keys go into one buffer. A quick key only for
    // a line that has one. A full key past what the collator can make (about 2^31 UTF-16 units
    // or key bytes) fails with "Line too long to compare" rather than give a wrong answer.
    void appendSortKey(std::string_view line, std::string& out, KeyForm form = KeyForm::Full) const;
    // Whether every character of `line` has a quick key.
    bool hasQuickKey(std::string_view line) const;
    // The quick key byte of each ASCII character, 0 for one without: a quick key is a line's
    // bytes through this table, then a 0. Who compares quick lines often can read them through
    // it instead of keeping their keys.
    const std::array<unsigned char, 128>& quickRanks() const { return quickRank_; }

    int compare(std::string_view a, std::string_view b) const;  // <0, 0, >0
    bool equal(std::string_view a, std::string_view b) const { return compare(a, b) == 0; }

private:
    void makeQuickRanks();

    std::string locale_;
    UCollator* collator_;
    mutable std::u16string utf16_;
    // The quick key byte of each ASCII character by its primary weight's place among them; 0
    // for a character without one.
    std::array<unsigned char, 128> quickRank_{};
    bool printableQuick_ = false;  // every character from space to '~' has a quick key
};

// The key form that serves every one of `lines` (anything with size() and [] giving text).
template <typename Lines>
KeyForm KeyFormOf(const Lines& lines, const LineCollator& collator) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!collator.hasQuickKey(lines[i])) return KeyForm::Full;
    }
    return KeyForm::Quick;
}

// UTF-8 into UTF-16, each byte that is not part of a valid sequence becoming the lone
// surrogate U+DC00 + byte.
void DecodeForCollation(std::string_view text, std::u16string& out);

}  // namespace pendara
