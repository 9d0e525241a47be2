#include "cli/run_command.h"

#include <cstdio>
#include <new>

#include "cli/line_reader.h"
#include "text/failure.h"

namespace pendara::cli {

namespace {

// Standard output as a step's sink; a failed write is a Failure.
class OutputSink final : public LineSink {
public:
    using LineSink::LineSink;

protected:
    void deliver(std::string_view text) override {
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            throw Failure("Stream write error");
        }
    }
};

class ReaderSource final : public LineSource {
public:
    explicit ReaderSource(const std::string& path) : reader(path) {}
    bool next(std::string_view& line) override { return reader.next(line); }

    LineReader reader;
};

// A second list streams as the first does, and what is written goes out before it is read.
class StreamedLists final : public ListOpener {
public:
    explicit StreamedLists(OutputSink& out) : out_(out) {}

    std::unique_ptr<LineSource> open(const std::string& name) override {
        auto source = std::make_unique<ReaderSource>(name);
        source->reader.setBeforeRead([this] { out_.flush(); });
        return source;
    }
    std::string readText(const std::string& name) override { return ReadListInput(name); }

private:
    OutputSink& out_;
};

// One step's result as the next step's lines: the text a sink delivers is split at the line
// ends it wrote, and a line cut by a delivery waits for the rest.
class ChainSink final : public LineSink {
public:
    ChainSink(LineStep& next, LineSink& nextOut) : LineSink("\n"), next_(next), nextOut_(nextOut) {}

protected:
    void deliver(std::string_view text) override {
        std::size_t from = 0;
        if (!pending_.empty()) {
            const std::size_t end = text.find('\n');
            if (end == std::string_view::npos) {
                pending_.append(text);
                return;
            }
            pending_.append(text.substr(0, end));
            next_.line(pending_, nextOut_);
            pending_.clear();
            from = end + 1;
        }
        for (std::size_t end = text.find('\n', from); end != std::string_view::npos;
             end = text.find('\n', from)) {
            next_.line(text.substr(from, end - from), nextOut_);
            from = end + 1;
        }
        pending_.append(text.substr(from));
    }

private:
    LineStep& next_;
    LineSink& nextOut_;
    std::string pending_;
};

// A failure inside a recipe's step, already named by its line.
class StepFailure : public Failure {
public:
    using Failure::Failure;
};

// Names the recipe's line of whatever fails inside the step it wraps.
class NamedStep final : public LineStep {
public:
    NamedStep(std::unique_ptr<LineStep> step, std::string where)
        : step_(std::move(step)), where_(std::move(where)) {}

    void line(std::string_view line, LineSink& out) override {
        try {
            step_->line(line, out);
        } catch (...) {
            rethrow();
        }
    }
    void finish(LineSink& out) override {
        try {
            step_->finish(out);
        } catch (...) {
            rethrow();
        }
    }
    void wholeText(std::string text, LineSink& out) override {
        try {
            step_->wholeText(std::move(text), out);
        } catch (...) {
            rethrow();
        }
    }
    bool searches() const override { return step_->searches(); }
    std::size_t search(std::string_view text) const override { return step_->search(text); }

private:
    [[noreturn]] void rethrow() const {
        try {
            throw;
        } catch (const StepFailure&) {
            throw;
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& error) {
            throw StepFailure(where_ + error.what());
        }
    }

    std::unique_ptr<LineStep> step_;
    std::string where_;
};

template <typename Step>
void Feed(LineReader& reader, Step& step, LineSink& out) {
    std::string_view line;
    if (step.searches()) {
        const auto find = [&](std::string_view text) { return step.search(text); };
        while (reader.nextHolding(line, find)) {
            out.given(line, reader.rest());
            step.line(line, out);
        }
    } else {
        while (reader.next(line)) {
            out.given(line, reader.rest());
            step.line(line, out);
        }
    }
}

}  // namespace

void RunRecipe(const std::vector<RecipeStep>& steps, const std::string& name,
               const std::vector<std::string>& inputs, bool crlf) {
    const bool number =
        !steps.empty() && steps.back().invocation.entry().result == ResultKind::Number;
    OutputSink out(crlf && !number ? "\r\n" : "\n");
    StreamedLists lists(out);
    // Every step is made, and every list it names opened, before a line is read or written.
    std::vector<std::unique_ptr<LineStep>> made;
    for (const RecipeStep& step : steps) {
        const std::string where = name + ":" + std::to_string(step.line) + ": ";
        try {
            made.push_back(std::make_unique<NamedStep>(
                step.invocation.entry().make(step.invocation, lists), where));
        } catch (const UsageError& error) {
            throw UsageError(where + error.what());
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& error) {
            throw Failure(where + error.what());
        }
    }
    if (made.empty()) {
        // No step: the lists as they are.
        made.push_back(EachLine([](std::string_view line, LineSink& sink) { sink.keep(line); }));
    }
    // Each step's sink feeds the next; the last one writes.
    std::vector<std::unique_ptr<ChainSink>> sinks;
    for (std::size_t i = 1; i < made.size(); ++i) {
        sinks.push_back(nullptr);
    }
    for (std::size_t i = made.size() - 1; i-- > 0;) {
        LineSink& nextOut = i + 1 == made.size() - 1 ? static_cast<LineSink&>(out) : *sinks[i + 1];
        sinks[i] = std::make_unique<ChainSink>(*made[i + 1], nextOut);
    }
    LineSink& first = sinks.empty() ? static_cast<LineSink&>(out) : *sinks.front();
    const std::vector<std::string> names = inputs.empty() ? std::vector<std::string>{""} : inputs;
    if (names.size() == 1 && steps.size() > 0 && steps.front().invocation.entry().wholeList) {
        made.front()->wholeText(ReadListInput(names.front()), first);
    } else {
        for (const std::string& input : names) {
            LineReader reader(input);
            // The first sink keeps runs of the input, which go out before it is read again.
            reader.setBeforeRead([&] { first.flush(); });
            Feed(reader, *made.front(), first);
            first.flush();
        }
        made.front()->finish(first);
    }
    first.flush();
    for (std::size_t i = 1; i < made.size(); ++i) {
        LineSink& sink = i == made.size() - 1 ? static_cast<LineSink&>(out) : *sinks[i];
        made[i]->finish(sink);
        sink.flush();
    }
}

void RunCommand(const CommandLine& commandLine) {
    const Invocation& invocation = commandLine.invocation;
    const CommandEntry& entry = invocation.entry();
    // A number is no list: it ends in LF whatever the list's line end.
    OutputSink out(commandLine.crlf && entry.result == ResultKind::Lines ? "\r\n" : "\n");
    StreamedLists lists(out);
    // The input opens before any list the command names, and both before anything is written.
    if (entry.wholeList) {
        std::string text = ReadListInput(commandLine.input);
        entry.make(invocation, lists)->wholeText(std::move(text), out);
        return out.flush();
    }
    LineReader reader(commandLine.input);
    // Output goes out as it is made, and always before the input is read again, so a slow pipe
    // gets its lines back one by one.
    reader.setBeforeRead([&] { out.flush(); });
    const std::unique_ptr<LineStep> step = entry.make(invocation, lists);
    std::string_view line;
    if (step->searches()) {
        // The lines before the one holding what the step searches for are passed over unseen.
        const auto find = [&](std::string_view text) { return step->search(text); };
        while (reader.nextHolding(line, find)) {
            out.given(line, reader.rest());
            step->line(line, out);
        }
    } else {
        while (reader.next(line)) {
            out.given(line, reader.rest());
            step->line(line, out);
        }
    }
    step->finish(out);
    out.flush();
}

}  // namespace pendara::cli
