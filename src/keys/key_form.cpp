#include "keys/key_form.h"

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

void ReadFlags(std::string_view whole, std::string_view letters, KeySpec& keyForm) {
    if (letters.empty()) Fail(whole, "no flags after ':'");
    for (const char c : letters) {
        switch (c) {
            case 'n':
                keyForm.flags.numeric = true;
                break;
            case 'v':
                keyForm.flags.natural = true;
                break;
            case 'l':
                keyForm.flags.byLength = true;
                break;
            case 'c':
                keyForm.flags.matchCase = true;
                break;
            case 'r':
                keyForm.flags.reverse = true;
                break;
            default:
                Fail(whole, "unknown flag '" + std::string(1, c) + "' (flags are n, v, l, c, r)");
        }
    }
    if (keyForm.flags.numeric && (keyForm.flags.natural || keyForm.flags.byLength)) {
        Fail(whole, "a number key (n) cannot also be natural (v) or by length (l)");
    }
    keyForm.ownFlags = true;
}

void ReadColumns(std::string_view whole, std::string_view range, KeySpec& keyForm) {
    const std::size_t dash = range.find('-');
    if (dash == std::string_view::npos) Fail(whole, "characters are written cA-B or cA-");
    const std::string_view first = range.substr(0, dash), last = range.substr(dash + 1);
    if (!AllDigits(first) || (!last.empty() && !AllDigits(last))) {
        Fail(whole, "characters are written cA-B or cA-, A and B numbers from 1");
    }
    if (!ReadCount(first, keyForm.first) || (!last.empty() && !ReadCount(last, keyForm.last))) {
        Fail(whole, "a character position is too large");
    }
    if (keyForm.first == 0 || (!last.empty() && keyForm.last == 0)) {
        Fail(whole, "characters count from 1");
    }
    if (!last.empty() && keyForm.last < keyForm.first)
        Fail(whole, "the range ends before it starts");
    keyForm.part = KeySpec::Part::Columns;
}

void ReadField(std::string_view whole, std::string_view field, KeySpec& keyForm) {
    const bool fromEnd = !field.empty() && field[0] == '-';
    const std::string_view digits = fromEnd ? field.substr(1) : field;
    if (!AllDigits(digits)) Fail(whole, "a key is a field number or cA-B");
    std::size_t number = 0;
    if (!ReadCount(digits, number)) Fail(whole, "the field number is too large");
    if (number == 0) Fail(whole, "fields count from 1, or from -1 at the end");
    keyForm.field = fromEnd ? -static_cast<int>(number) : static_cast<int>(number);
    keyForm.part = KeySpec::Part::Field;
}

}  // namespace

KeySpec ParseKeySpec(std::string_view text) {
    if (text.empty()) throw KeySpecError("a key is empty");
    KeySpec keyForm;
    const std::size_t colon = text.find(':');
    const std::string_view where = text.substr(0, colon);
    if (!where.empty() && where[0] == 'c') {
        ReadColumns(text, where.substr(1), keyForm);
    } else {
        ReadField(text, where, keyForm);
    }
    if (colon != std::string_view::npos) ReadFlags(text, text.substr(colon + 1), keyForm);
    return keyForm;
}

}  // namespace pendara
