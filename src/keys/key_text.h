#pragma once

#include <string>
#include <string_view>

#include "keys/key_form.h"

namespace pendara {

// The bytes 1 to 32 other than line breaks.
inline bool IsKeyBlank(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 1 && byte <= 32 && c != '\n' && c != '\r';
}

// Field `field` of `line` (from 1, or from -1 at the end), as a view into it; empty when the
// line has no such field. With an empty `separator`, runs of blanks separate fields and blanks
// at the line's ends make no empty field.
std::string_view FieldOf(std::string_view line, int field, std::string_view separator);

// Characters `first` to `last` of `line` (from 1; `last` 0 for the line's end), as much of
// them as the line has.
std::string_view CharactersOf(std::string_view line, std::size_t first, std::size_t last);

// The part of `line` that `keyForm` names.
std::string_view KeyTextOf(std::string_view line, const KeySpec& keyForm,
                           std::string_view separator);

// `key` as it counts for comparison: without blanks at its ends with `trim`, every run of
// blanks as one space with `squeeze`. A view into `key` where that suffices, else into `scratch`.
std::string_view NormalizeKey(std::string_view key, bool trim, bool squeeze, std::string& scratch);

}  // namespace pendara
