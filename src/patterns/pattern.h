#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/failure.h"

namespace pendara {

// A pattern the user typed that cannot be used; what() names the pattern and the problem, as in
// `bad pattern "a(b": missing )`. A usage error, not a failure of the work.
class PatternError : public Failure {
public:
    PatternError(const std::string& message, std::string problem)
        : Failure(message), problem_(std::move(problem)) {}
    // The problem alone: "missing )".
    const std::string& problem() const { return problem_; }

private:
    std::string problem_;
};

struct PatternOptions {
    bool ignoreCase = false;  // Unicode simple case folding, not only A to Z
    bool word = false;        // the match has no letter, digit, mark or _ on either side
    bool line = false;        // the match is the whole line; wins over `word`
};

// Where a group of a match lies in the line, in bytes. A group that took no part in the match
// has no place (`begin == npos`), which is not the same as an empty group.
struct Submatch {
    static constexpr std::size_t npos = std::string_view::npos;
    std::size_t begin = npos;
    std::size_t end = npos;
    bool tookPart() const { return begin != npos; }
    std::string_view in(std::string_view line) const {
        return tookPart() ? line.substr(begin, end - begin) : std::string_view();
    }
};

// One compiled pattern: several alternatives (any of them may match) in RE2 syntax, so every
// match runs in time linear in the line whatever the pattern. Lines are UTF-8 in the program's
// sense: a stray byte (not part of valid UTF-8) is one character, matched by `.` and by negated
// classes, never by a letter class, and a stray byte in the pattern matches that very byte.
// Its groups are numbered across the alternatives in order, from 1.
//
// A Pattern keeps scratch space for lines with stray bytes, so it serves one thread at a time;
// copy the alternatives and compile again for another thread.
class Pattern {
public:
    // Compiles `alternatives` (at least one); fails with a PatternError that names the first
    // bad one, or a pattern whose program would need more than kMemoryLimit.
    Pattern(const std::vector<std::string>& alternatives, PatternOptions options = {});
    ~Pattern();
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;

    static constexpr std::size_t kMemoryLimit = std::size_t{64} << 20;

    // The user's capturing groups, the match itself (group 0) not counted.
    int groupCount() const { return groups_; }

    // Whether the pattern matches somewhere in `line`.
    bool matches(std::string_view line) const;

    // For keeping the matching lines of a long text without a search per line. `text` starts
    // at a line start and holds lines ended by LF, CR or CR LF (the last one may be cut off).
    // Returns a place in the first line from which on a line may match, npos when none does;
    // every line before that line does not match. `sure` tells whether the line holding the
    // place matches for certain; otherwise ask matches() about it. Lines with a CR or a stray
    // byte are never sure, so such text still gives the right lines, only more slowly.
    // A long text is searched in two parts at once, the second whole on a helper thread of
    // this Pattern's own, which reads a copy of it. `continues` says that `text` is a tail of
    // the text given last time, in the same memory and unchanged: the second part's lines are
    // then handed out as found.
    std::size_t findCandidate(std::string_view text, bool& sure, bool continues = false) const;

private:
    friend class LineMatches;

    // The text RE2 searches for `line`: the line itself when it is valid UTF-8, otherwise a
    // copy with every stray byte as a private character (see ToSearchText).
    std::string_view searchText(std::string_view line) const;
    // The line offset of `at` in the last text searchText made.
    std::size_t lineOffset(std::size_t at) const { return lineOffsets_[at]; }

    struct Engine;
    std::unique_ptr<Engine> engine_;
    int groups_ = 0;
    // Scratch of the LineMatches at work, kept here so that a line costs no allocation.
    mutable std::string translated_;
    mutable std::vector<std::size_t> lineOffsets_;
    mutable std::vector<Submatch> submatches_;
};

// The matches of one line, left to right, without overlaps. An empty match right where the
// previous match ended does not count (one character is passed over instead), so `x*` on "xa"
// matches "x" at 0 and "" at 2, and replacing those by "-" gives "-a-". Only one LineMatches
// per Pattern at a time, and `line` must outlive it.
class LineMatches {
public:
    // `groups`: how many groups each match reports, the match itself included (1 for the
    // match only); more than the pattern has report as taking no part.
    LineMatches(const Pattern& pattern, std::string_view line, int groups = 1);

    // Moves to the next match; false when there is none left.
    bool next();
    // Group `n` of the current match (0 is the match itself), n < groups.
    const Submatch& group(int n) const { return pattern_.submatches_[static_cast<std::size_t>(n)]; }

private:
    const Pattern& pattern_;
    std::string_view text_;  // what RE2 searches: the line, or its translation
    bool translated_;
    int groups_;
    std::size_t from_ = 0;                          // in text_
    std::size_t lastEnd_ = std::string_view::npos;  // in text_
    bool done_ = false;
};

// A pattern that matches `text` as it stands, every character taken literally.
std::string QuotedPattern(std::string_view text);

// The text RE2 is given for a line or a pattern that is not valid UTF-8: every stray byte B
// becomes the private-use character U+10FF00 + B, which no letter class holds and no case
// folds. `offsets`, when given, receives for every byte of the result the offset in `text` it
// came from (and text.size() at the end). Valid UTF-8 comes out as it went in.
void ToSearchText(std::string_view text, std::string& out, std::vector<std::size_t>* offsets);

// Where the first byte of `text` lies that is not part of valid UTF-8, or npos; plain ASCII is
// passed over eight bytes at a time.
std::size_t FirstStrayByte(std::string_view text);

}  // namespace pendara
