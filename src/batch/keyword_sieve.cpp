#include "batch/keyword_sieve.h"

#include <algorithm>

#include "batch/text_primitives.h"
#include "text/ascii.h"

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
    // Holding all keywords means holding the longest, the rarest most likely.
    if (!searched.empty() && (all_ || keywords_.size() == 1)) {
        required_ = *std::max_element(
            searched.begin(), searched.end(),
            [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    }
    if (searched.size() >= kAutomatonFrom) {
        automaton_.emplace(searched, fold);
        if (!automaton_->usable()) automaton_.reset();
    }
}

std::size_t KeywordSieve::Box::find(std::string_view text, const std::string& keyword) const {
    return fold_ ? FindWholeFolded(text, keyword) : FindWhole(text, keyword);
}

bool KeywordSieve::Box::hit(std::string_view line) const {
    if (automaton_) {
        if (!all_) return automaton_->holdsAny(line);
        return !hasEmpty_ && automaton_->holdsAll(line);
    }
    for (const std::string& keyword : keywords_) {
        if ((find(line, keyword) != std::string_view::npos) != all_) return !all_;
    }
    return all_;
}

}  // namespace pendara
