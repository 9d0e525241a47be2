#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/keyword_automaton.h"
#include "batch/keyword_filter.h"

namespace pendara {

// A keyword filter made ready for many lines: the boxes split and folded once, many keywords
// put into one automaton, and each line judged by FilterByKeywords' rule without a copy.
// Not to be shared between threads while testing (see KeywordAutomaton).
class KeywordSieve {
public:
    explicit KeywordSieve(const KeywordFilter& filter);

    // False when neither box holds a keyword: then every line stays.
    bool active() const { return include_.active() || exclude_.active(); }
    // Whether FilterByKeywords keeps `line`.
    bool keeps(std::string_view line) const {
        if (include_.active() && !include_.hit(line)) return false;
        return !(exclude_.active() && exclude_.hit(line));
    }

private:
    // The keywords of one box.
    class Box {
    public:
        Box(std::string_view text, KeywordMatch match, bool fold);
        bool active() const { return !keywords_.empty(); }
        // True when the line holds all (or any) of the keywords.
        bool hit(std::string_view line) const;

    private:
        bool found(std::string_view line, const std::string& keyword) const;

        bool all_;
        bool fold_;
        bool hasEmpty_ = false;              // an empty keyword is never found
        std::vector<std::string> keywords_;  // folded when fold_
        std::optional<KeywordAutomaton> automaton_;
    };

    Box include_;
    Box exclude_;
};

}  // namespace pendara
