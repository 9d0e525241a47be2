#include "patterns/line_patterns.h"

#include <algorithm>

namespace pendara {

namespace {

[[noreturn]] void RefuseReplacement(std::string_view with, const std::string& problem) {
    throw PatternError("bad replacement \"" + std::string(with) + "\": " + problem, problem);
}

// A backslash and `c`; built by append, as g++ 12 warns wrongly about a concatenation here.
std::string Escape(char c) {
    std::string escape(1, '\\');
    escape += c;
    return escape;
}

}  // namespace

RegexReplacement::RegexReplacement(const Pattern& pattern, std::string_view with,
                                   RegexReplaceOptions options)
    : pattern_(pattern), options_(options) {
    std::size_t literalStart = 0;
    const auto closeLiteral = [&] {
        if (literals_.size() > literalStart) parts_.push_back({literalStart, literals_.size(), -1});
        literalStart = literals_.size();
    };
    for (std::size_t i = 0; i < with.size(); ++i) {
        if (with[i] != '\\') {
            literals_ += with[i];
            continue;
        }
        if (++i == with.size()) RefuseReplacement(with, "a lone \\ at the end (write \\\\)");
        const char c = with[i];
        if (c == '\\') {
            literals_ += '\\';
        } else if (c >= '0' && c <= '9') {
            const int group = c - '0';
            if (group > pattern.groupCount()) {
                std::string problem = Escape(c);
                problem += " names a group the pattern does not have (it has ";
                problem += std::to_string(pattern.groupCount());
                problem += ")";
                RefuseReplacement(with, problem);
            }
            closeLiteral();
            parts_.push_back({0, 0, group});
            groupsUsed_ = std::max(groupsUsed_, group + 1);
        } else {
            RefuseReplacement(with, Escape(c) + " is not one of \\0 to \\9 or \\\\");
        }
    }
    closeLiteral();
}

bool RegexReplacement::append(std::string& out, std::string_view line) const {
    LineMatches matches(pattern_, line, groupsUsed_);
    std::size_t copied = 0;  // line bytes before this are in out
    bool any = false;
    while (matches.next()) {
        const Submatch& match = matches.group(0);
        out.append(line, copied, match.begin - copied);
        for (const Part& part : parts_) {
            if (part.group < 0) {
                out.append(literals_, part.begin, part.end - part.begin);
            } else {
                out += matches.group(part.group).in(line);
            }
        }
        copied = match.end;
        any = true;
        if (options_.firstOnly) break;
    }
    if (any) out.append(line, copied);
    return any;
}

Extraction::Extraction(const Pattern& pattern, ExtractOptions options)
    : pattern_(pattern), options_(options) {
    if (options.group < 0 || options.group > pattern.groupCount()) {
        const std::string problem = "there is no group " + std::to_string(options.group) +
                                    " (the pattern has " + std::to_string(pattern.groupCount()) +
                                    ")";
        throw PatternError(problem, problem);
    }
}

std::size_t Extraction::append(std::string& out, std::string_view line,
                               std::string_view separator) const {
    LineMatches matches(pattern_, line, options_.group + 1);
    std::size_t pieces = 0;
    while (matches.next()) {
        const Submatch& match = matches.group(0);
        const Submatch& piece = matches.group(options_.group);
        if (match.begin == match.end || !piece.tookPart()) continue;
        if (pieces++ > 0) out += separator;
        out += piece.in(line);
        if (!options_.all) break;
    }
    return pieces;
}

}  // namespace pendara
