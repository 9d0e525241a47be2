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

    // Whether every line kept holds one same keyword; then lines without it need no judging.
    bool hasRequired() const { return !include_.required().empty(); }
    // Whether holding that keyword is all it takes to be kept.
    bool requiredDecides() const { return include_.only() && !exclude_.active(); }
    // The offset in `text` (many lines) of the first place that keyword occurs, or npos. No
    // line before the one holding that place is kept, that line perhaps.
    std::size_t findRequired(std::string_view text) const { return include_.find(text); }

private:
    // The keywords of one box.
    class Box {
    public:
        Box(std::string_view text, KeywordMatch match, bool fold);
        bool active() const { return !keywords_.empty(); }
        // True when the line holds all (or any) of the keywords.
        bool hit(std::string_view line) const;
        // A keyword every hit holds, or "".
        const std::string& required() const { return required_; }
        // Whether the box holds that one keyword and no other.
        bool only() const { return keywords_.size() == 1 && !required_.empty(); }
        std::size_t find(std::string_view text) const { return find(text, required_); }

    private:
        std::size_t find(std::string_view text, const std::string& keyword) const;

        bool all_;
        bool fold_;
        bool hasEmpty_ = false;              // an empty keyword is never found
        std::vector<std::string> keywords_;  // folded when fold_
        std::optional<KeywordAutomaton> automaton_;
        std::string required_;
    };

    Box include_;
    Box exclude_;
};

}  // namespace pendara
