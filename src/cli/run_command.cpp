#include "cli/run_command.h"

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <exception>
#include <mutex>
#include <new>
#include <thread>

#include "cli/line_reader.h"
#include "text/failure.h"

namespace pendara::cli {

namespace {

// A write to standard output that failed: the output's fault, not the step's that wrote.
class WriteFailure : public Failure {
public:
    using Failure::Failure;
};

// Standard output as a step's sink; a failed write is a Failure.
class OutputSink final : public LineSink {
public:
    using LineSink::LineSink;

protected:
    void deliver(std::string_view text) override {
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            throw WriteFailure("Stream write error");
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

    // Text as a sink delivers it, from a step on another thread.
    void feed(std::string_view text) { deliver(text); }

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
        } catch (const WriteFailure&) {
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

// Blocks of lines from the steps that stream to the thread that runs the rest, a few at a time.
class BlockQueue {
public:
    void push(std::string block) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return blocks_.size() < kMost || failed_; });
        if (failed_) throw Stopped();
        blocks_.push_back(std::move(block));
        changed_.notify_all();
    }
    // The next block, or false once the queue is closed and empty; Stopped when it failed.
    bool pop(std::string& block) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return !blocks_.empty() || closed_ || failed_; });
        if (failed_) throw Stopped();
        if (blocks_.empty()) return false;
        block = std::move(blocks_.front());
        blocks_.pop_front();
        changed_.notify_all();
        return true;
    }
    void close() { set(closed_); }
    void fail() { set(failed_); }

    // Thrown to a feeder when the other side gave up; its own failure is the one to report.
    struct Stopped : std::exception {};

private:
    static constexpr std::size_t kMost = 8;
    void set(bool& flag) {
        const std::lock_guard<std::mutex> lock(mutex_);
        flag = true;
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> blocks_;
    bool closed_ = false;
    bool failed_ = false;
};

class QueueSink final : public LineSink {
public:
    explicit QueueSink(BlockQueue& queue) : LineSink("\n"), queue_(queue) {}

protected:
    void deliver(std::string_view text) override { queue_.push(std::string(text)); }

private:
    BlockQueue& queue_;
};

// The first step that holds its whole list after steps that stream, or 0 for none. A recipe
// with a step that reads a second list stays on one thread: that step writes before it reads.
std::size_t SplitPoint(const std::vector<RecipeStep>& steps) {
    for (const RecipeStep& step : steps) {
        for (const ArgumentSpec& argument : step.invocation.entry().arguments) {
            if (argument.kind == ArgumentKind::List) return 0;
        }
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].invocation.entry().wholeList) return i;
    }
    return 0;
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
    const std::size_t count = made.size();
    std::vector<LineSink*> sinkOf(count, &out);
    std::vector<std::unique_ptr<LineSink>> owned;
    // Where the steps that stream hand over to the first that holds its whole list, the steps
    // after it run on a thread of their own, as a pipe of two processes would.
    const std::size_t split = SplitPoint(steps);
    BlockQueue queue;
    for (std::size_t i = count - 1; i-- > 0;) {
        if (i + 1 == split) {
            owned.push_back(std::make_unique<QueueSink>(queue));
        } else {
            owned.push_back(std::make_unique<ChainSink>(*made[i + 1], *sinkOf[i + 1]));
        }
        sinkOf[i] = owned.back().get();
    }
    const auto finish = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            made[i]->finish(*sinkOf[i]);
            sinkOf[i]->flush();
        }
    };
    std::exception_ptr later;
    std::thread rest;
    if (split != 0) {
        rest = std::thread([&] {
            try {
                ChainSink entry(*made[split], *sinkOf[split]);
                for (std::string block; queue.pop(block);) entry.feed(block);
                finish(split, count);
            } catch (const BlockQueue::Stopped&) {
                // The feeding side failed: nothing more is written, and its error is reported.
            } catch (...) {
                later = std::current_exception();
                queue.fail();
            }
        });
    }
    try {
        LineSink& first = *sinkOf.front();
        const std::vector<std::string> names =
            inputs.empty() ? std::vector<std::string>{""} : inputs;
        if (names.size() == 1 && !steps.empty() && steps.front().invocation.entry().wholeList) {
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
        finish(1, split != 0 ? split : count);
        queue.close();
    } catch (...) {
        queue.fail();
        if (rest.joinable()) rest.join();
        // The thread's failure comes first: it is why feeding it stopped.
        if (later) std::rethrow_exception(later);
        throw;
    }
    if (rest.joinable()) rest.join();
    if (later) std::rethrow_exception(later);
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
