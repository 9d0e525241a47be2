// The commands that read a second list beside the one streaming through them.
#include "catalogue/key_options.h"
#include "commands/invocation.h"
#include "compare/compare_lists.h"
#include "keys/line_keys.h"
#include "list/line_compare.h"
#include "list/text_lines.h"
#include "merge/merge_lists.h"

namespace pendara {

namespace {

// Both lists stream through, a line of each at a time; the shorter side counts as empty lines.
class MergeStep final : public LineStep {
public:
    MergeStep(const Invocation& invocation, std::unique_ptr<LineSource> right)
        : topBottom_(invocation.has("--top-bottom")),
          before_(invocation.text("--before")),
          separator_(invocation.text("--separator")),
          after_(invocation.text("--after")),
          right_(std::move(right)) {}

    void line(std::string_view left, LineSink& out) override {
        if (topBottom_) {
            begin(out);
            return out.keep(left);
        }
        std::string_view right;
        moreRight_ = moreRight_ && right_->next(right);
        AppendSideBySide(out.compose(), left, right, before_, separator_, after_);
        out.commit();
    }

    void finish(LineSink& out) override {
        std::string_view right;
        if (!topBottom_) {
            while (moreRight_ && (moreRight_ = right_->next(right))) {
                AppendSideBySide(out.compose(), {}, right, before_, separator_, after_);
                out.commit();
            }
            return;
        }
        begin(out);
        // An empty text adds no line.
        if (!separator_.empty()) out.put(separator_);
        while (right_->next(right)) out.put(right);
        if (!after_.empty()) out.put(after_);
    }

private:
    void begin(LineSink& out) {
        if (begun_) return;
        begun_ = true;
        if (!before_.empty()) out.put(before_);
    }

    bool topBottom_;
    std::string before_, separator_, after_;
    std::unique_ptr<LineSource> right_;
    bool moreRight_ = true;
    bool begun_ = false;
};

// Each list as one text and its line starts: a string per line would cost more than the text.
class CompareStep final : public WholeListStep {
public:
    CompareStep(std::string result, KeyOptions keys, std::string second)
        : result_(std::move(result)), keys_(std::move(keys)), second_(std::move(second)) {}

protected:
    void done(std::string text, LineSink& out) override {
        const TextLines first(std::move(text));
        const ComparedPositions result =
            CompareLines(first, second_, keys_, LineCollator::forUserLocale());
        const auto put = [&](const TextLines& lines, const std::vector<std::uint32_t>& positions) {
            for (const std::uint32_t i : positions) out.put(lines[i]);
        };
        if (result_ == "first-only" || result_ == "different") put(first, result.firstOnly);
        if (result_ == "same") put(first, result.same);
        if (result_ == "second-only" || result_ == "different") put(second_, result.secondOnly);
    }

private:
    std::string result_;
    KeyOptions keys_;
    TextLines second_;
};

// A step of two lists that names its first one (a recipe's `merge LEFT RIGHT`): the lines it
// is given are passed over, and it gives what the step gives on that list.
class OwnFirstList final : public LineStep {
public:
    OwnFirstList(std::unique_ptr<LineStep> step, std::unique_ptr<LineSource> first)
        : step_(std::move(step)), first_(std::move(first)) {}

    void line(std::string_view, LineSink&) override {}
    void finish(LineSink& out) override {
        for (std::string_view line; first_->next(line);) step_->line(line, out);
        step_->finish(out);
    }

private:
    std::unique_ptr<LineStep> step_;
    std::unique_ptr<LineSource> first_;
};

// The same for a step that holds its whole list, which takes the first list as one text.
class OwnFirstText final : public WholeListStep {
public:
    OwnFirstText(std::unique_ptr<LineStep> step, std::string first)
        : step_(std::move(step)), first_(std::move(first)) {}

protected:
    void done(std::string, LineSink& out) override { step_->wholeText(std::move(first_), out); }

private:
    std::unique_ptr<LineStep> step_;
    std::string first_;
};

OptionSpec Text(const char* name, const char* help) {
    return {.name = name, .kind = ValueKind::Text, .valueName = "T", .help = help};
}

}  // namespace

void AddTwoListEntries(std::vector<CommandEntry>& entries) {
    entries.push_back({
        .name = "merge",
        .summary = "join two lists line by line, or one after the other with --top-bottom",
        .options = {{.name = "--top-bottom", .help = "all of the first list, then the second"},
                    Text("--before", "in front of each line (a line of its own with --top-bottom)"),
                    Text("--separator", "between the two sides (a line between the lists)"),
                    Text("--after", "after each line (a line of its own with --top-bottom)")},
        .arguments = {{"RIGHT", ArgumentKind::List}},
        .input = {"LEFT", false},
        .make = [](const Invocation& invocation, ListOpener& lists) -> std::unique_ptr<LineStep> {
            // The first list opens first, as it is read first.
            std::unique_ptr<LineSource> first =
                invocation.input().empty() ? nullptr : lists.open(invocation.input());
            auto step = std::make_unique<MergeStep>(invocation, lists.open(invocation.argument(0)));
            if (first == nullptr) return step;
            return std::make_unique<OwnFirstList>(std::move(step), std::move(first));
        },
    });
    entries.push_back({
        .name = "compare",
        .summary = "compare two lists, ignoring case, and print one of the four results",
        .options =
            [] {
                std::vector<OptionSpec> options = {
                    {.name = "--result",
                     .kind = ValueKind::Choice,
                     .choices = {"first-only", "second-only", "same", "different"},
                     .help = "the first list's lines alone, the second's, both, or either alone"}};
                for (OptionSpec& option : KeyOptionSpecs()) options.push_back(std::move(option));
                return options;
            }(),
        .groups = {{{"--result"}, true}},
        .arguments = {{"SECOND", ArgumentKind::List}},
        .input = {"FIRST", false},
        .wholeList = true,
        .make = [](const Invocation& invocation, ListOpener& lists) -> std::unique_ptr<LineStep> {
            std::string first =
                invocation.input().empty() ? std::string() : lists.readText(invocation.input());
            auto step =
                std::make_unique<CompareStep>(invocation.text("--result"), KeyOptionsOf(invocation),
                                              lists.readText(invocation.argument(0)));
            if (invocation.input().empty()) return step;
            return std::make_unique<OwnFirstText>(std::move(step), std::move(first));
        },
    });
}

}  // namespace pendara
