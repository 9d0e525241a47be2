// The commands that reshape lines: join, split, fields and case.
#include "commands/invocation.h"
#include "shaping/case_mapper.h"
#include "shaping/field_picker.h"
#include "shaping/joiner.h"
#include "shaping/split_line.h"

namespace pendara {

namespace {

OptionSpec Separator(const char* byDefault, const char* help) {
    return {.name = "--separator",
            .shortName = 't',
            .kind = ValueKind::Text,
            .valueName = "SEP",
            .byDefault = byDefault,
            .help = help};
}

// A separator that is found on every character boundary cannot be one.
std::string NonEmptySeparator(const Invocation& invocation) {
    std::string separator = invocation.text("--separator");
    if (separator.empty()) throw UsageError("the separator is empty");
    return separator;
}

// Join's step: it keeps no line, and what it has joined goes out once it is a block long, so
// that joining a stream of any length takes no more memory than a block.
class JoinStep final : public LineStep {
public:
    explicit JoinStep(JoinOptions options) : joiner_(std::move(options)) {}

    void line(std::string_view line, LineSink& out) override {
        std::string& text = out.compose();
        if (joiner_.add(text, line)) return out.commit();
        if (text.size() >= kFlushAt) out.flush();
    }
    void finish(LineSink& out) override {
        if (joiner_.open()) out.commit();
    }

private:
    static constexpr std::size_t kFlushAt = 128 * 1024;
    Joiner joiner_;
};

// Case's step: runs of ASCII lines are mapped a block at a time where the line end stays LF.
class CaseStep final : public LineStep {
public:
    explicit CaseStep(CaseMode mode) : mapper_(mode) {}

    void line(std::string_view line, LineSink& out) override {
        mapper_.append(out.compose(), line);
        out.commit();
    }
    bool takesWholeLines() const override { return mapper_.mapsAsciiByteForByte(); }
    std::size_t wholeLines(std::string_view text, bool /*continues*/, LineSink& out) override {
        if (out.lineEnd() != "\n") return 0;
        const std::size_t taken = mapper_.appendAsciiLines(out.compose(), text);
        out.commitLines();
        return taken;
    }

private:
    CaseMapper mapper_;
};

CaseMode ReadCaseMode(const std::string& mode) {
    if (mode == "upper") return CaseMode::Upper;
    if (mode == "lower") return CaseMode::Lower;
    if (mode == "title") return CaseMode::Title;
    if (mode == "sentence") return CaseMode::Sentence;
    throw UsageError("case takes upper, lower, title or sentence, not '" + mode + "'");
}

}  // namespace

void AddShapingEntries(std::vector<CommandEntry>& entries) {
    entries.push_back({
        .name = "join",
        .summary = "join the lines into one, or each run of N lines into one",
        .options = {Separator(", ", "put SEP between the lines (default \", \")"),
                    {.name = "--every",
                     .kind = ValueKind::Number,
                     .valueName = "N",
                     .range = {1, 10000000},
                     .help = "join each run of N lines (default all)"}},
        .make = [](const Invocation& invocation, ListOpener&) -> std::unique_ptr<LineStep> {
            return std::make_unique<JoinStep>(
                JoinOptions{.separator = invocation.text("--separator"),
                            .every = invocation.has("--every")
                                         ? static_cast<std::size_t>(invocation.number("--every"))
                                         : 0});
        },
    });
    entries.push_back({
        .name = "split",
        .summary = "cut each line at every SEP, each piece a line of its own",
        .options = {Separator(",", "cut at SEP (default \",\")"),
                    {.name = "--trim", .help = "strip blanks from both ends of each piece"},
                    {.name = "--drop-empty", .help = "leave out empty pieces"}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return EachLine(
                    [options = SplitOptions{.separator = NonEmptySeparator(invocation),
                                            .trim = invocation.has("--trim"),
                                            .dropEmpty = invocation.has("--drop-empty")}](
                        std::string_view line, LineSink& out) {
                        if (AppendSplit(out.compose(), line, options, out.lineEnd()) > 0)
                            out.commit();
                    });
            },
    });
    entries.push_back({
        .name = "fields",
        .summary = "keep the listed fields of each line, in the listed order (LIST: 1,3-4,-1)",
        .options = {Separator("\t", "fields are separated by SEP (default TAB)"),
                    {.name = "--blanks",
                     .help = "runs of blanks separate fields; blanks at the ends do not count"},
                    {.name = "--output-separator",
                     .kind = ValueKind::Text,
                     .valueName = "T",
                     .help = "join the fields by T (default SEP, or a space with --blanks)"}},
        .groups = {{{"--separator", "--blanks"}}},
        .arguments = {{.name = "LIST"}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                std::string problem;
                auto items = ParseFieldList(invocation.argument(0), problem);
                if (!items) throw UsageError(problem);
                FieldsOptions options{.separator = NonEmptySeparator(invocation),
                                      .blanks = invocation.has("--blanks")};
                if (invocation.has("--output-separator")) {
                    options.outputSeparator = invocation.text("--output-separator");
                }
                return EachLine(
                    [picker = std::make_shared<FieldPicker>(std::move(*items), options)](
                        std::string_view line, LineSink& out) {
                        picker->append(out.compose(), line);
                        out.commit();
                    });
            },
    });
    entries.push_back({
        .name = "case",
        .summary = "change every line to upper, lower, title or sentence case, by the locale",
        .arguments = {{.name = "MODE", .choices = {"upper", "lower", "title", "sentence"}}},
        .make = [](const Invocation& invocation, ListOpener&) -> std::unique_ptr<LineStep> {
            return std::make_unique<CaseStep>(ReadCaseMode(invocation.argument(0)));
        },
    });
}

}  // namespace pendara
