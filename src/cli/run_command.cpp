#include "cli/run_command.h"

#include <algorithm>
#include <cstdio>

#include "cli/line_reader.h"
#include "files/code_page.h"
#include "files/list_file.h"
#include "text/failure.h"

namespace pendara::cli {

namespace {

// Standard output as a step's sink; a failed write is a Failure.
class OutputSink final : public LineSink {
public:
    using LineSink::LineSink;

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
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            throw Failure("Stream write error");
        }
    }

private:
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

}  // namespace

void RunCommand(const CommandLine& commandLine) {
    const Invocation& invocation = commandLine.invocation;
    const CommandEntry& entry = invocation.entry();
    // A number is no list: it ends in LF whatever the list's line end.
    OutputSink out(commandLine.crlf && entry.result == ResultKind::Lines ? "\r\n" : "\n");
    if (!commandLine.encoding.empty()) {
        // Decoding takes every list whole; the result is written in the first input's encoding.
        std::string found;
        std::string text = ReadListInput(commandLine.input, commandLine.encoding, &found);
        out.setEncoding(commandLine.encoding == kGuessEncoding ? found : commandLine.encoding);
        FileLists lists(commandLine.encoding);
        entry.make(invocation, lists)->wholeText(std::move(text), out);
        return out.flush();
    }
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
