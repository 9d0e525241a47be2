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

// Keeps or drops whole lines by keywords, which match anywhere inside a line.
//
// The include pass (when `includeText` holds more than blanks) keeps the lines that contain every
// include keyword (`includeAll`) or at least one; then the exclude pass (when `excludeText` holds
// more than blanks) drops the lines that contain every exclude keyword (`excludeAll`) or at least
// one. Without `matchCase` only the letters A to Z are compared regardless of case. The lines that
// remain keep their text and order. An empty line never contains a keyword, so the include pass
// drops it and the exclude pass keeps it.
void FilterByKeywords(LineList& lines, std::string_view includeText, bool includeAll,
                      std::string_view excludeText, bool excludeAll, bool matchCase);

}  // namespace pendara
