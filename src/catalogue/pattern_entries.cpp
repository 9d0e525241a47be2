// The commands that run a user's pattern: match and extract (replace --regex is replace's).
#include "commands/invocation.h"
#include "patterns/line_patterns.h"

namespace pendara {

namespace {

const OptionSpec kIgnoreCase{
    .name = "--ignore-case", .shortName = 'I', .help = "fold case for all of Unicode"};

// The command's patterns: PATTERN, or every -e when there are some. A bad one is wrong usage.
std::unique_ptr<Pattern> CompilePatterns(const Invocation& invocation, PatternOptions options) {
    std::vector<std::string> patterns;
    if (invocation.has("--regexp")) {
        patterns = invocation.options().at("--regexp");
    } else {
        patterns.push_back(invocation.argument(0));
    }
    try {
        return std::make_unique<Pattern>(patterns, options);
    } catch (const PatternError& error) {
        throw UsageError(error.what());
    }
}

// Match's step. Kept lines are found by one search across many lines, which also says of most
// of them that they match, so that only the doubtful ones are searched again on their own.
class MatchStep final : public LineStep {
public:
    MatchStep(std::unique_ptr<Pattern> pattern, bool invert)
        : pattern_(std::move(pattern)), invert_(invert) {}

    void line(std::string_view line, LineSink& out) override {
        const char* const sure = sure_;
        sure_ = nullptr;  // only for the line the search led to
        const bool found =
            (sure != nullptr && sure >= line.data() && sure <= line.data() + line.size()) ||
            pattern_->matches(line);
        if (found != invert_) out.keep(line);
    }
    bool searches() const override { return !invert_; }
    std::size_t search(std::string_view text, bool continues) const override {
        bool sure = false;
        const std::size_t at = pattern_->findCandidate(text, sure, continues);
        sure_ = sure ? text.data() + at : nullptr;
        return at;
    }

private:
    std::unique_ptr<Pattern> pattern_;
    bool invert_;
    mutable const char* sure_ = nullptr;  // where search() saw a certain match
};

// Extract's step: the pattern and the rule that reads it, made once.
class ExtractStep final : public LineStep {
public:
    ExtractStep(std::unique_ptr<Pattern> pattern, ExtractOptions options)
        : pattern_(std::move(pattern)), extraction_(Checked(*pattern_, options)) {}

    void line(std::string_view line, LineSink& out) override {
        if (extraction_.append(out.compose(), line, out.lineEnd()) > 0) out.commit();
    }

private:
    static Extraction Checked(const Pattern& pattern, ExtractOptions options) {
        try {
            return Extraction(pattern, options);
        } catch (const PatternError& error) {
            throw UsageError(error.what());
        }
    }

    std::unique_ptr<Pattern> pattern_;
    Extraction extraction_;
};

}  // namespace

void AddPatternEntries(std::vector<CommandEntry>& entries) {
    entries.push_back({
        .name = "match",
        .summary = "keep the lines a pattern matches (RE2 syntax)",
        .options = {{.name = "--invert", .shortName = 'v', .help = "keep the others instead"},
                    kIgnoreCase,
                    {.name = "--word", .shortName = 'w', .help = "match whole words only"},
                    {.name = "--line", .shortName = 'x', .help = "match whole lines only"},
                    {.name = "--regexp",
                     .shortName = 'e',
                     .kind = ValueKind::Text,
                     .valueName = "PATTERN",
                     .help = "instead of PATTERN; more than once: any of them",
                     .repeats = true}},
        .arguments = {{.name = "PATTERN", .unless = "--regexp"}},
        .make = [](const Invocation& invocation, ListOpener&) -> std::unique_ptr<LineStep> {
            return std::make_unique<MatchStep>(
                CompilePatterns(invocation, {.ignoreCase = invocation.has("--ignore-case"),
                                             .word = invocation.has("--word"),
                                             .line = invocation.has("--line")}),
                invocation.has("--invert"));
        },
    });
    entries.push_back({
        .name = "extract",
        .summary = "keep of each line the part a pattern matches; drop the lines without one",
        .options = {{.name = "--group",
                     .kind = ValueKind::Number,
                     .valueName = "N",
                     .range = {0, 1000},
                     .byDefault = "0",
                     .help = "the pattern's group N instead of the whole match"},
                    {.name = "--all", .help = "every match of a line, each on a line of its own"},
                    kIgnoreCase},
        .arguments = {{.name = "PATTERN"}},
        .make = [](const Invocation& invocation, ListOpener&) -> std::unique_ptr<LineStep> {
            return std::make_unique<ExtractStep>(
                CompilePatterns(invocation, {.ignoreCase = invocation.has("--ignore-case")}),
                ExtractOptions{.group = static_cast<int>(invocation.number("--group")),
                               .all = invocation.has("--all")});
        },
    });
}

}  // namespace pendara
