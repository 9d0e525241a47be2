#pragma once

#include <string>
#include <string_view>

#include "list/line_list.h"

namespace pendara {

// Replaces every occurrence of `find` by `replacement` in every line, left to right, without
// overlaps and case-sensitive; inserted text is never searched again ("aaaa", "aa" -> "a" gives
// "aa"). An empty `find` changes nothing. The number and order of lines never change.
void ReplaceText(LineList& lines, std::string_view find, std::string_view replacement);

// The view form of ReplaceText for one line: appends the edited line to `out`.
void AppendReplacedText(std::string& out, std::string_view line, std::string_view find,
                        std::string_view replacement);

}  // namespace pendara
