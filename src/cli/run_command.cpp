#include "cli/run_command.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <new>
#include <thread>

#include "cli/line_reader.h"
#include "files/code_page.h"
#include "files/file_form.h"
#include "files/list_file.h"
#include "os/replace_file.h"
#include "os/system_reason.h"
#include "text/failure.h"

namespace pendara::cli {

namespace {

// A write to standard output that failed: the output's fault, not the step's that wrote.
class WriteFailure : public Failure {
public:
    using Failure::Failure;
};

// Where a result goes: standard output as it is made, or a text held until it is whole. With
// `crStandIn`, records come back from the bytes their breaks travelled as: LF ends a record
// then, so it becomes NUL, NUL becomes LF again and the stand-in CR.
class OutputSink final : public LineSink {
public:
    OutputSink(std::string_view lineEnd, std::string* held, char crStandIn = 0)
        : LineSink(lineEnd), held_(held), crStandIn_(crStandIn) {}

    // What is written goes out in `page` (a code page's name); "" writes the text as it is.
    void setEncoding(const std::string& page) {
        page_ = page.empty() || CodePage::Named(page).name() == "UTF-8" ? nullptr
                                                                        : &CodePage::Named(page);
    }

protected:
    void deliver(std::string_view text) override {
        if (page_ != nullptr) {
            // Text goes out in whole lines, so a character is never cut in two here.
            if (const auto unmappable = page_->encode(text, encoded_)) {
                const std::string_view before = text.substr(0, unmappable->offset);
                throw UnmappableCharacter(
                    page_->name(), lines_ + std::count(before.begin(), before.end(), '\n') + 1,
                    unmappable->character);
            }
            lines_ += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            text = encoded_;
        }
        std::string copy;
        if (crStandIn_ != 0) {
            copy.assign(text);
            for (char& c : copy) {
                c = c == '\n' ? '\0' : c == '\0' ? '\n' : c == crStandIn_ ? '\r' : c;
            }
            text = copy;
        }
        if (held_ != nullptr) {
            held_->append(text);
            return;
        }
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            throw WriteFailure("write error: " + SystemReason(errno));
        }
    }

private:
    std::string* held_;
    char crStandIn_;
    const CodePage* page_ = nullptr;
    std::string encoded_;
    std::size_t lines_ = 0;
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

// The lists of several files as one text: each file's last line keeps its break, so it does not
// run into the next file's first. With an `encoding`, each is decoded from it; `found` receives
// the first input's encoding (what "auto" guessed).
std::string ReadInputs(const std::vector<std::string>& inputs, const std::string& encoding = {},
                       std::string* found = nullptr) {
    std::string all;
    for (const std::string& input : inputs) {
        std::string guessed;
        std::string text = ReadListInput(input, encoding, &guessed);
        if (found != nullptr && &input == &inputs.front()) *found = guessed;
        if (all.empty()) {
            all = std::move(text);
        } else {
            all.append(text);
        }
        // A lone CR at the end would pair with an LF that starts the next file.
        if (!all.empty() && all.back() == '\r') all.back() = '\n';
        if (!all.empty() && all.back() != '\n') all.push_back('\n');
    }
    return all;
}

// How records that hold line breaks reach a step that splits its list at them: each break
// travels as a byte that occurs nowhere in the input or the command, NUL for LF (no record holds
// one) and for CR a byte that UTF-8 never uses.
struct StandIns {
    char lf = '\0';
    char cr = 0;
    bool used = false;

    void apply(std::string& text) const {
        if (!used) return;
        for (char& c : text) c = c == '\n' ? lf : c == '\r' ? cr : c;
    }
};

StandIns ChooseStandIns(const std::vector<const std::string*>& texts,
                        const Invocation& invocation) {
    bool seen[256] = {};
    const auto see = [&](std::string_view text) {
        for (const char c : text) seen[static_cast<unsigned char>(c)] = true;
    };
    for (const std::string* text : texts) see(*text);
    for (const std::string& argument : invocation.arguments()) see(argument);
    for (const auto& [name, values] : invocation.options()) {
        for (const std::string& value : values) see(value);
    }
    StandIns in{.used = true};
    for (int byte = 0xFF; byte >= 0xF5 && in.cr == 0; --byte) {
        if (!seen[byte]) in.cr = static_cast<char>(byte);
    }
    if (in.cr == 0) {
        throw Failure("with --null, " + invocation.command() +
                      " needs one of the bytes F5 to FF to be absent from its input");
    }
    return in;
}

// The next record of `rest`, ended by NUL; a final NUL adds no record.
bool NextRecord(std::string_view& rest, std::string_view& record) {
    if (rest.empty()) return false;
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    record = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return true;
}

// The records of a text, with their breaks as the stand-ins.
class RecordSource final : public LineSource {
public:
    RecordSource(std::string_view text, const StandIns& in) : rest_(text), in_(in) {}
    bool next(std::string_view& line) override {
        if (!NextRecord(rest_, line)) return false;
        if (!in_.used) return true;
        record_.assign(line);
        in_.apply(record_);
        line = record_;
        return true;
    }

private:
    std::string_view rest_;
    StandIns in_;
    std::string record_;
};

// The lists a command names, read whole as records: each once, as one may be standard input.
class RecordLists final : public ListOpener {
public:
    const std::string& text(const std::string& name) {
        auto found = texts_.find(name);
        if (found == texts_.end()) found = texts_.emplace(name, ReadListInput(name)).first;
        return found->second;
    }
    void setStandIns(const StandIns& in) { in_ = in; }

    std::unique_ptr<LineSource> open(const std::string& name) override {
        return std::make_unique<RecordSource>(text(name), in_);
    }
    // As the list-file rule has it: every record followed by LF.
    std::string readText(const std::string& name) override {
        std::string out;
        RecordSource records(text(name), in_);
        for (std::string_view record; records.next(record);) out.append(record).push_back('\n');
        return out;
    }

private:
    std::map<std::string, std::string> texts_;
    StandIns in_;
};

// Names lists without reading them, for a look at the step a command makes.
class NoLists final : public ListOpener {
public:
    std::unique_ptr<LineSource> open(const std::string&) override {
        return std::make_unique<RecordSource>(std::string_view(), StandIns{});
    }
    std::string readText(const std::string&) override { return {}; }
};

// The command over the NUL-separated records of `texts`, one list after another.
void ProduceRecordsOf(const Invocation& invocation, const std::vector<std::string>& texts,
                      std::string* held) {
    const CommandEntry& entry = invocation.entry();
    RecordLists lists;
    std::vector<const std::string*> all;
    for (const std::string& text : texts) all.push_back(&text);
    // A step that holds its list splits it at line breaks again, so the breaks in its records
    // travel as stand-ins, and come back out on the way to the output.
    NoLists none;
    const bool holds = dynamic_cast<WholeListStep*>(entry.make(invocation, none).get()) != nullptr;
    if (holds) {
        for (std::size_t i = 0; i < entry.arguments.size(); ++i) {
            if (entry.arguments[i].kind == ArgumentKind::List) {
                all.push_back(&lists.text(invocation.argument(i)));
            }
        }
    }
    const StandIns in = holds ? ChooseStandIns(all, invocation) : StandIns{};
    lists.setStandIns(in);
    const std::unique_ptr<LineStep> step = entry.make(invocation, lists);
    // A number is no list: it ends in LF.
    const bool lines = entry.result == ResultKind::Lines;
    OutputSink out(holds || !lines ? "\n" : std::string_view("\0", 1), held, lines ? in.cr : 0);
    for (const std::string& text : texts) {
        RecordSource records(text, in);
        for (std::string_view record; records.next(record);) step->line(record, out);
    }
    step->finish(out);
    out.flush();
}

std::vector<std::string> ReadTexts(const std::vector<std::string>& inputs) {
    std::vector<std::string> texts;
    for (const std::string& input : inputs) texts.push_back(ReadListInput(input));
    return texts;
}

// The command over NUL-separated records.
void ProduceRecords(const CommandLine& commandLine, std::string* held) {
    ProduceRecordsOf(commandLine.invocation, ReadTexts(commandLine.inputs), held);
}

// The command's result for `commandLine`, to standard output, or into `held` when given.
void Produce(const CommandLine& commandLine, std::string* held) {
    const Invocation& invocation = commandLine.invocation;
    const CommandEntry& entry = invocation.entry();
    // A number is no list: it ends in LF whatever the list's line end.
    const std::string_view lineEnd =
        commandLine.crlf && entry.result == ResultKind::Lines ? "\r\n" : "\n";
    if (commandLine.null) return ProduceRecords(commandLine, held);
    OutputSink out(lineEnd, held, false);
    if (!commandLine.encoding.empty()) {
        // Decoding takes every list whole; the result is written in the first input's encoding.
        std::string found;
        std::string text = ReadInputs(commandLine.inputs, commandLine.encoding, &found);
        out.setEncoding(commandLine.encoding == kGuessEncoding ? found : commandLine.encoding);
        FileLists lists(commandLine.encoding);
        entry.make(invocation, lists)->wholeText(std::move(text), out);
        return out.flush();
    }
    StreamedLists lists(out);
    // The input opens before any list the command names, and both before anything is written.
    if (entry.wholeList) {
        std::string text = commandLine.inputs.size() == 1 ? ReadListInput(commandLine.inputs[0])
                                                          : ReadInputs(commandLine.inputs);
        entry.make(invocation, lists)->wholeText(std::move(text), out);
        return out.flush();
    }
    std::vector<std::unique_ptr<LineReader>> readers;
    for (const std::string& input : commandLine.inputs) {
        readers.push_back(std::make_unique<LineReader>(input));
    }
    const std::unique_ptr<LineStep> step = entry.make(invocation, lists);
    for (std::unique_ptr<LineReader>& reader : readers) {
        // Output goes out as it is made, and always before the input is read again, so a slow
        // pipe gets its lines back one by one.
        reader->setBeforeRead([&] { out.flush(); });
        std::string_view line;
        if (step->searches()) {
            // The lines before the one holding what the step searches for are passed over
            // unseen.
            const auto find = [&](std::string_view text, bool continues) {
                return step->search(text, continues);
            };
            while (reader->nextHolding(line, find)) {
                out.given(line, reader->rest());
                step->line(line, out);
            }
        } else {
            const bool takesWholeLines = step->takesWholeLines();
            for (;;) {
                if (takesWholeLines) {
                    bool continues = false;
                    const std::string_view lines = reader->wholeLines(continues);
                    reader->skip(step->wholeLines(lines, continues, out));
                }
                if (!reader->next(line)) break;
                out.given(line, reader->rest());
                step->line(line, out);
            }
        }
        // Its lines may be kept as runs of its block, which goes with it.
        out.flush();
        reader.reset();
    }
    step->finish(out);
    out.flush();
}

// Replaces `path` with `bytes` through the one file writer: the old file stays whole when this
// fails.
void Replace(const std::string& path, std::string_view bytes) {
    const FileReplacement written = ReplaceFileContents(path, bytes);
    if (written.failedAt == FileReplacement::Done) return;
    if (written.failedAt == FileReplacement::Write) {
        throw Failure("write error: " + SystemReason(written.error));
    }
    throw Failure(FormatMessage("Cannot create file \"%s\". %s",
                                {FullPath(path), SystemReason(written.error)}));
}

// One step's result as the next step's lines: the text a sink delivers is split at the line
// ends it wrote, and a line cut by a delivery waits for the rest.
class ChainSink final : public LineSink {
public:
    ChainSink(LineStep& next, LineSink& nextOut) : LineSink("\n"), next_(next), nextOut_(nextOut) {
        // On one thread, lines go straight on; text fed from another thread is split here.
        passTo(next, nextOut);
    }

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
    std::size_t search(std::string_view text, bool continues) const override {
        return step_->search(text, continues);
    }

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
        const auto find = [&](std::string_view text, bool continues) {
            return step.search(text, continues);
        };
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

// The first step made that holds its whole list after steps that stream, or 0 for none. A
// recipe with a step that reads a second list stays on one thread: that step writes before it
// reads.
std::size_t SplitPoint(const std::vector<RecipeStep>& steps, const std::vector<bool>& holds) {
    for (const RecipeStep& step : steps) {
        for (const ArgumentSpec& argument : step.invocation.entry().arguments) {
            if (argument.kind == ArgumentKind::List) return 0;
        }
    }
    for (std::size_t i = 0; i < holds.size(); ++i) {
        if (holds[i]) return i;
    }
    return 0;
}

}  // namespace

namespace {

std::string Where(const std::string& name, const RecipeStep& step) {
    return name + ":" + std::to_string(step.line) + ": ";
}

// The failure of `step`, named by its line.
[[noreturn]] void RethrowNamed(const std::string& name, const RecipeStep& step) {
    try {
        throw;
    } catch (const UsageError& error) {
        throw UsageError(Where(name, step) + error.what());
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        throw Failure(Where(name, step) + error.what());
    }
}

// A recipe over NUL-separated records: each step's records are the last one's result, as in a
// pipe of the same commands with -z, so a record may hold line breaks whatever the steps do.
void ProduceRecipeRecords(const std::vector<RecipeStep>& steps, const std::string& name,
                          const std::vector<std::string>& inputs, std::string* held) {
    std::vector<std::string> texts = ReadTexts(inputs);
    for (const RecipeStep& step : steps) {
        std::string result;
        try {
            ProduceRecordsOf(step.invocation, texts, &result);
        } catch (...) {
            RethrowNamed(name, step);
        }
        texts = {std::move(result)};
    }
    std::string all;
    if (!steps.empty()) {
        all = std::move(texts.front());
    } else {
        // No step: the records as they came, each ended by NUL.
        for (const std::string& text : texts) {
            std::string_view rest = text;
            for (std::string_view record; NextRecord(rest, record);) {
                all.append(record).push_back('\0');
            }
        }
    }
    if (held != nullptr) {
        held->append(all);
    } else if (std::fwrite(all.data(), 1, all.size(), stdout) != all.size() ||
               std::fflush(stdout) != 0) {
        throw WriteFailure("write error: " + SystemReason(errno));
    }
}

// A recipe's result for `inputs`, to standard output, or into `held` when given; with an
// `encoding`, read from it and written in it as any command does.
void ProduceRecipe(const std::vector<RecipeStep>& steps, const std::string& name,
                   const std::vector<std::string>& inputs, bool crlf, const std::string& encoding,
                   std::string* held) {
    const bool number =
        !steps.empty() && steps.back().invocation.entry().result == ResultKind::Number;
    OutputSink out(crlf && !number ? "\r\n" : "\n", held);
    const std::vector<std::string> names = inputs.empty() ? std::vector<std::string>{""} : inputs;
    // Decoding takes every list whole; the result is written in the first input's encoding.
    std::string decoded;
    if (!encoding.empty()) {
        std::string found;
        decoded = ReadInputs(names, encoding, &found);
        out.setEncoding(encoding == kGuessEncoding ? found : encoding);
    }
    StreamedLists streamed(out);
    FileLists decodedLists(encoding);
    ListOpener& lists = encoding.empty() ? static_cast<ListOpener&>(streamed) : decodedLists;
    // Every step is made, and every list it names opened, before a line is read or written.
    std::vector<std::unique_ptr<LineStep>> made;
    std::vector<bool> holds;  // whether the step made holds its whole list
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const RecipeStep& step = steps[i];
        try {
            // Two steps that do less work as one run as one, named by the first.
            std::unique_ptr<LineStep> joined =
                i + 1 < steps.size() ? MakeJoinedStep(step.invocation, steps[i + 1].invocation)
                                     : nullptr;
            holds.push_back(joined != nullptr || step.invocation.entry().wholeList);
            if (joined != nullptr) ++i;
            made.push_back(std::make_unique<NamedStep>(
                joined != nullptr ? std::move(joined)
                                  : step.invocation.entry().make(step.invocation, lists),
                Where(name, step)));
        } catch (...) {
            RethrowNamed(name, step);
        }
    }
    if (made.empty()) {
        // No step: the lists as they are.
        made.push_back(EachLine([](std::string_view line, LineSink& sink) { sink.keep(line); }));
        holds.push_back(false);
    }
    // Each step's sink feeds the next; the last one writes.
    const std::size_t count = made.size();
    std::vector<LineSink*> sinkOf(count, &out);
    std::vector<std::unique_ptr<LineSink>> owned;
    // Where the steps that stream hand over to the first that holds its whole list, the steps
    // after it run on a thread of their own, as a pipe of two processes would.
    const std::size_t split = SplitPoint(steps, holds);
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
        if (!encoding.empty()) {
            made.front()->wholeText(std::move(decoded), first);
        } else if (names.size() == 1 && holds.front()) {
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

// Where a result goes, for a command or a recipe: to standard output; with `output` into that
// file once it is whole, so the file may be one of the inputs; with `inPlace` each input file
// replaced by its own result in its own form, none before every result is made, so a failing
// file leaves all whole. `produce(inputs, held)` makes the result of `inputs`, into `held` when
// that is not null.
void Deliver(const std::vector<std::string>& inputs, const std::string& output, bool inPlace,
             bool crlf, bool null,
             const std::function<void(const std::vector<std::string>&, std::string*)>& produce) {
    if (inPlace) {
        std::vector<std::string> results;
        for (const std::string& input : inputs) {
            std::string result;
            produce({input}, &result);
            if (!null) {
                // The file keeps its form: its mark, its line end and its final break.
                const std::string bytes = ReadListFileBytes(input);
                FileForm form = FormOfText(EncodingOfBytes(bytes), DecodeListText(bytes));
                if (crlf) form.lineEnd = FileForm::LineEnd::CrLf;
                result = EncodeListText(result, form);
            }
            results.push_back(std::move(result));
        }
        for (std::size_t i = 0; i < results.size(); ++i) Replace(inputs[i], results[i]);
        return;
    }
    if (!output.empty()) {
        std::string result;
        produce(inputs, &result);
        return Replace(output, result);
    }
    produce(inputs, nullptr);
}

}  // namespace

void RunRecipe(const std::vector<RecipeStep>& steps, const std::string& name,
               const CommandLine& commandLine) {
    Deliver(commandLine.inputs, commandLine.output, commandLine.inPlace, commandLine.crlf,
            commandLine.null, [&](const std::vector<std::string>& these, std::string* held) {
                if (commandLine.null) return ProduceRecipeRecords(steps, name, these, held);
                ProduceRecipe(steps, name, these, commandLine.crlf, commandLine.encoding, held);
            });
}

void RunCommand(const CommandLine& commandLine) {
    Deliver(commandLine.inputs, commandLine.output, commandLine.inPlace, commandLine.crlf,
            commandLine.null, [&](const std::vector<std::string>& these, std::string* held) {
                CommandLine one = commandLine;
                one.inputs = these;
                Produce(one, held);
            });
}

}  // namespace pendara::cli
