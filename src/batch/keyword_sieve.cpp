#include "batch/keyword_sieve.h"

#include "batch/text_primitives.h"
#include "list/ascii.h"

namespace pendara {

namespace {

// From this many keywords on, one pass of the automaton beats a search per keyword.
constexpr std::size_t kAutomatonFrom = 4;

}  // namespace

KeywordSieve::KeywordSieve(const KeywordFilter& filter)
    : include_(filter.include, filter.includeMatch, filter.letterCase == LetterCase::Ignore),
      exclude_(filter.exclude, filter.excludeMatch, filter.letterCase == LetterCase::Ignore) {}

KeywordSieve::Box::Box(std::string_view text, KeywordMatch match, bool fold)
    : all_(match == KeywordMatch::All), fold_(fold), keywords_(SplitKeywords(text)) {
    if (fold) {
        for (std::string& keyword : keywords_) keyword = LowerAscii(keyword);
    }
    std::vector<std::string> searched;
    for (const std::string& keyword : keywords_) {
        if (keyword.empty()) {
            hasEmpty_ = true;
        } else {
            searched.push_back(keyword);
        }
    }
    if (searched.size() >= kAutomatonFrom) {
        automaton_.emplace(searched, fold);
        if (!automaton_->usable()) automaton_.reset();
    }
}

bool KeywordSieve::Box::found(std::string_view line, const std::string& keyword) const {
    return (fold_ ? FindWholeFolded(line, keyword) : FindWhole(line, keyword)) !=
           std::string_view::npos;
}

bool KeywordSieve::Box::hit(std::string_view line) const {
    if (automaton_) {
        if (!all_) return automaton_->holdsAny(line);
        return !hasEmpty_ && automaton_->holdsAll(line);
    }
    for (const std::string& keyword : keywords_) {
        if (found(line, keyword) != all_) return !all_;
    }
    return all_;
}

}  // namespace pendara
