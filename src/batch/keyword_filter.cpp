#include "batch/keyword_filter.h"

#include <algorithm>

#include "batch/line_edit.h"
#include "batch/text_primitives.h"
#include "list/ascii.h"

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

// The keywords of one box, case-folded as the comparison wants.
struct KeywordSet {
    bool all;
    std::vector<std::string> keywords;

    KeywordSet(std::string_view boxText, KeywordMatch match, bool matchCase)
        : all(match == KeywordMatch::All), keywords(SplitKeywords(boxText)) {
        if (!matchCase) {
            for (std::string& keyword : keywords) keyword = LowerAscii(keyword);
        }
    }

    // A box of blanks only has no keywords, and its pass does not run at all.
    bool active() const { return !keywords.empty(); }

    // True when the line holds all (or any) of the keywords.
    bool hit(std::string_view line) const {
        const auto found = [&](const std::string& keyword) {
            return FindWhole(line, keyword) != std::string_view::npos;
        };
        return all ? std::all_of(keywords.begin(), keywords.end(), found)
                   : std::any_of(keywords.begin(), keywords.end(), found);
    }
};

}  // namespace

void FilterByKeywords(LineList& lines, const KeywordFilter& filter) {
    const bool matchCase = filter.letterCase == LetterCase::Match;
    const KeywordSet include(filter.include, filter.includeMatch, matchCase);
    const KeywordSet exclude(filter.exclude, filter.excludeMatch, matchCase);
    if (!include.active() && !exclude.active()) return;

    // The exclude pass only ever sees the lines the include pass kept, and each line's fate
    // depends on that line alone, so both passes are judged in one visit: half the trips
    // through a long list's memory, and each line folded once.
    std::string folded;  // reused for every line, so folding allocates only once
    KeepLinesFromLast(lines.lines(), [&](const std::string& line) {
        std::string_view text = line;
        if (!matchCase) {
            FoldAsciiInto(folded, line);
            text = folded;
        }
        if (include.active() && !include.hit(text)) return false;
        return !(exclude.active() && exclude.hit(text));
    });
}

}  // namespace pendara
