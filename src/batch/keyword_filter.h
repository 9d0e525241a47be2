#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "list/line_list.h"

namespace pendara {

// The keywords of one filter box: the text without blanks at its ends, split at every single
// space, carriage return, line feed or CR LF. Two separators in a row give an empty keyword
// between them ("red  car" -> "red", "", "car"), which is never found in a line. Tabs inside the
// text belong to the keywords. A text of blanks only gives no keywords.
std::vector<std::string> SplitKeywords(std::string_view text);

// Whether a line must hold every keyword of a box or one is enough.
enum class KeywordMatch { All, Any };

enum class LetterCase { Ignore, Match };

struct KeywordFilter {
    std::string_view include = {};  // the text of the include box
    KeywordMatch includeMatch = KeywordMatch::All;
    std::string_view exclude = {};  // the text of the exclude box
    KeywordMatch excludeMatch = KeywordMatch::Any;
    LetterCase letterCase = LetterCase::Ignore;
};

// Keeps or drops whole lines by keywords, which match anywhere inside a line.
//
// The include pass (when the include text holds more than blanks) keeps the lines that contain
// every include keyword (All) or at least one (Any); then the exclude pass (when the exclude text
// holds more than blanks) drops the lines that contain every exclude keyword or at least one.
// With LetterCase::Ignore only the letters A to Z are compared regardless of case. The lines
// that remain keep their text and order. An empty line never contains a keyword, so the include
// pass drops it and the exclude pass keeps it.
void FilterByKeywords(LineList& lines, const KeywordFilter& filter);

}  // namespace pendara
