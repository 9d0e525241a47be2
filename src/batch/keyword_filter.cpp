#include "batch/keyword_filter.h"

#include "batch/keyword_sieve.h"
#include "batch/line_edit.h"
#include "batch/text_primitives.h"

namespace pendara {

std::vector<std::string> SplitKeywords(std::string_view text) {
    text = TrimBlanks(text);
    std::vector<std::string> keywords;
    if (text.empty()) return keywords;
    std::size_t start = 0;
    for (std::size_t at = 0;; ++at) {
        if (at < text.size() && text[at] != ' ' && text[at] != '\r' && text[at] != '\n') continue;
        keywords.emplace_back(text.substr(start, at - start));
        if (at == text.size()) break;
        // A space counts as a carriage return, so a space or CR followed by LF is one break.
        if (text[at] != '\n' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
        start = at + 1;
    }
    return keywords;
}

void FilterByKeywords(LineList& lines, const KeywordFilter& filter) {
    const KeywordSieve sieve(filter);
    if (!sieve.active()) return;
    // Both passes are judged in one visit: the exclude pass only ever sees the lines the include
    // pass kept, and each line's fate depends on that line alone.
    KeepLinesFromLast(lines.lines(), [&](const std::string& line) { return sieve.keeps(line); });
}

}  // namespace pendara
