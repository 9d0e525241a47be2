#include "keys/key_spec.h"

#include <charconv>

namespace pendara {

namespace {

// Field numbers and character positions beyond this are surely typing errors.
constexpr std::size_t kLargest = 1'000'000'000;

[[noreturn]] void Fail(std::string_view text, const std::string& why) {
    throw KeySpecError("key '" + std::string(text) + "': " + why);
}

// A whole number without sign from `text`; false when it is not one or is too large.
bool ReadCount(std::string_view text, std::size_t& out) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && out <= kLargest;
}

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

void ReadFlags(std::string_view whole, std::string_view letters, KeySpec& spec) {
    if (letters.empty()) Fail(whole, "no flags after ':'");
    for (const char c : letters) {
        switch (c) {
            case 'n':
                spec.flags.numeric = true;
                break;
            case 'v':
                spec.flags.natural = true;
                break;
            case 'l':
                spec.flags.byLength = true;
                break;
            case 'c':
                spec.flags.matchCase = true;
                break;
            case 'r':
                spec.flags.reverse = true;
                break;
            default:
                Fail(whole, "unknown flag '" + std::string(1, c) + "' (flags are n, v, l, c, r)");
        }
    }
    if (spec.flags.numeric && (spec.flags.natural || spec.flags.byLength)) {
        Fail(whole, "a number key (n) cannot also be natural (v) or by length (l)");
    }
    spec.ownFlags = true;
}

void ReadColumns(std::string_view whole, std::string_view range, KeySpec& spec) {
    const std::size_t dash = range.find('-');
    if (dash == std::string_view::npos) Fail(whole, "characters are written cA-B or cA-");
    const std::string_view first = range.substr(0, dash), last = range.substr(dash + 1);
    if (!AllDigits(first) || (!last.empty() && !AllDigits(last))) {
        Fail(whole, "characters are written cA-B or cA-, A and B numbers from 1");
    }
    if (!ReadCount(first, spec.first) || (!last.empty() && !ReadCount(last, spec.last))) {
        Fail(whole, "a character position is too large");
    }
    if (spec.first == 0 || (!last.empty() && spec.last == 0)) {
        Fail(whole, "characters count from 1");
    }
    if (!last.empty() && spec.last < spec.first) Fail(whole, "the range ends before it starts");
    spec.part = KeySpec::Part::Columns;
}

void ReadField(std::string_view whole, std::string_view field, KeySpec& spec) {
    const bool fromEnd = !field.empty() && field[0] == '-';
    const std::string_view digits = fromEnd ? field.substr(1) : field;
    if (!AllDigits(digits)) Fail(whole, "a key is a field number or cA-B");
    std::size_t number = 0;
    if (!ReadCount(digits, number)) Fail(whole, "the field number is too large");
    if (number == 0) Fail(whole, "fields count from 1, or from -1 at the end");
    spec.field = fromEnd ? -static_cast<int>(number) : static_cast<int>(number);
    spec.part = KeySpec::Part::Field;
}

}  // namespace

KeySpec ParseKeySpec(std::string_view text) {
    if (text.empty()) throw KeySpecError("a key is empty");
    KeySpec spec;
    const std::size_t colon = text.find(':');
    const std::string_view where = text.substr(0, colon);
    if (!where.empty() && where[0] == 'c') {
        ReadColumns(text, where.substr(1), spec);
    } else {
        ReadField(text, where, spec);
    }
    if (colon != std::string_view::npos) ReadFlags(text, text.substr(colon + 1), spec);
    return spec;
}

}  // namespace pendara
