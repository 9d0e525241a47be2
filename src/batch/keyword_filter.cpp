#include "batch/keyword_filter.h"

#include <algorithm>

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

namespace {

// One pass over the lines: a line is a hit when it contains all (or any) of the keywords.
void KeywordPass(LineList& lines, std::string_view boxText, bool all, bool matchCase,
                 bool keepHits) {
    if (TrimBlanks(boxText).empty()) return;
    const int mode = matchCase ? 0 : 1;
    std::vector<std::string> keywords = SplitKeywords(boxText);
    for (std::string& keyword : keywords) keyword = ApplyCaseMode(keyword, mode);

    std::string folded;  // reused for every line, so folding the case allocates only once
    KeepLinesFromLast(lines.lines(), [&](const std::string& line) {
        std::string_view text = line;
        if (mode == 1) {
            folded.assign(line);
            for (char& c : folded) {
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            }
            text = folded;
        }
        const auto found = [&](const std::string& keyword) {
            return FindWhole(text, keyword) != std::string_view::npos;
        };
        const bool hit = all ? std::all_of(keywords.begin(), keywords.end(), found)
                             : std::any_of(keywords.begin(), keywords.end(), found);
        return hit == keepHits;
    });
}

}  // namespace

void FilterByKeywords(LineList& lines, std::string_view includeText, bool includeAll,
                      std::string_view excludeText, bool excludeAll, bool matchCase) {
    KeywordPass(lines, includeText, includeAll, matchCase, true);
    KeywordPass(lines, excludeText, excludeAll, matchCase, false);
}

}  // namespace pendara
