#pragma once

#include <string>
#include <string_view>

namespace pendara {

// Appends the key of the number that `text` starts with, after optional blanks: an optional
// sign, digits, and an optional fraction after `point` ("12abc" is 12, ".5" is 0.5, "1e5" is 1).
// Keys order and equal exactly like the numbers' values, however many digits they have; text
// without a number has the lowest key of all, the same for every such text. No key is a prefix
// of another.
void AppendNumberKey(std::string_view text, char point, std::string& out);

}  // namespace pendara
