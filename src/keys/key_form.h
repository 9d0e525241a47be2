#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pendara {

// How one key compares.
struct KeyFlags {
    bool numeric = false;    // n: the key as a decimal number
    bool natural = false;    // v: runs of digits by their value
    bool byLength = false;   // l: by number of characters, then as text
    bool matchCase = false;  // c: by bytes instead of the collator
    bool reverse = false;    // r: this key in descending order

    bool any() const { return numeric || natural || byLength || matchCase || reverse; }
    bool operator==(const KeyFlags&) const = default;
};

// One key: the whole line, a field, or a range of characters.
struct KeySpec {
    enum class Part { Line, Field, Columns };
    Part part = Part::Line;
    int field = 0;          // Field: from 1, or from -1 at the line's end
    std::size_t first = 1;  // Columns: characters first to last, from 1
    std::size_t last = 0;   // 0: to the line's end
    KeyFlags flags;
    bool ownFlags = false;  // flags given with the key: the global ones do not apply to it

    bool operator==(const KeySpec&) const = default;
};

// Everything that decides how two lines compare.
struct KeyOptions {
    std::vector<KeySpec> keys;  // in turn; none: the whole line
    std::string separator;      // between fields; empty: runs of blanks
    KeyFlags global;            // for every key without flags of its own
    bool trim = false;          // blanks at a text key's ends do not count
    bool squeeze = false;       // every run of blanks in a text key counts as one space
    bool decimalComma = false;  // a number's fraction follows ',' instead of '.'

    // Whether these compare whole lines by the collator, the comparison without keys.
    bool plain() const { return keys.empty() && !global.any() && !trim && !squeeze; }
};

// A key written wrongly; the message says what is wrong with it.
class KeySpecError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Reads FIELD[:FLAGS]: FIELD is a field number (negative from the end) or cA-B (characters A to
// B, cA- to the end); FLAGS are letters of n, v, l, c, r.
KeySpec ParseKeySpec(std::string_view text);

}  // namespace pendara
