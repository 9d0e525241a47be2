#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "patterns/pattern.h"

namespace pendara {

// The line rules that run a Pattern. Each works on one line and appends its result to a string
// the caller owns, so that a stream of lines costs no allocation per line. Keeping or dropping
// whole lines by a pattern needs no rule of its own: Pattern::matches is that rule.

struct RegexReplaceOptions {
    bool firstOnly = false;  // only the first match of each line
};

// Replaces the matches of a pattern (see LineMatches for which) by a replacement text in which
// \0 stands for the match, \1 to \9 for its groups (empty for a group that took no part), and a
// doubled backslash for one. Bytes outside the matches stay exactly as they were.
class RegexReplacement {
public:
    // Fails with a PatternError when `with` holds a backslash before anything else, ends in a
    // lone backslash, or names a group the pattern does not have. `pattern` must outlive this.
    RegexReplacement(const Pattern& pattern, std::string_view with,
                     RegexReplaceOptions options = {});

    // Appends `line` with its matches replaced to `out` and returns true; returns false and
    // appends nothing when the pattern does not match, so the caller can keep the line as it is.
    bool append(std::string& out, std::string_view line) const;

private:
    struct Part {
        std::size_t begin, end;  // a literal: bytes of literals_
        int group;               // or a group, when >= 0
    };

    const Pattern& pattern_;
    RegexReplaceOptions options_;
    std::string literals_;
    std::vector<Part> parts_;
    int groupsUsed_ = 1;  // groups a match must report, the match itself included
};

struct ExtractOptions {
    int group = 0;     // 0 for the whole match
    bool all = false;  // every match of a line, not only the first
};

// Takes the matches of a pattern out of each line, as `grep -o` does: an empty match gives
// nothing, a group that took no part in its match gives nothing, an empty group of a match
// that is not empty gives an empty piece. Without `all`, the first match that gives a piece.
class Extraction {
public:
    // Fails with a PatternError when the pattern has no group `options.group`.
    Extraction(const Pattern& pattern, ExtractOptions options);

    // Appends the pieces of `line` to `out` with `separator` between them; returns how many.
    std::size_t append(std::string& out, std::string_view line, std::string_view separator) const;

private:
    const Pattern& pattern_;
    ExtractOptions options_;
};

}  // namespace pendara
