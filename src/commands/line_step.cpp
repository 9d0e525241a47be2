#include "commands/line_step.h"

#include <unistd.h>

#include "files/list_file.h"
#include "list/line_list.h"
#include "os/read_all.h"
#include "os/system_reason.h"
#include "text/failure.h"
#include "text/line_breaks.h"

namespace pendara {

void LineSink::putKept(std::string_view line) { put(line); }

void LineSink::closeRun() {
    out_.append(runStart_, runEnd_);
    runStart_ = runEnd_ = nullptr;
}

void LineSink::startRun(const char* start) {
    if (runEnd_ != runStart_) closeRun();
    runStart_ = start;
}

void LineSink::keepLines(std::string_view lines) {
    assert(next_ == nullptr);
    std::string& out = text();
    if (lineEnd_ == "\n" && lines.find('\r') == std::string_view::npos) {
        out.append(lines);
    } else {
        for (std::size_t at = 0; at < lines.size();) {
            const std::size_t brk = FindBreak(lines, at);
            assert(brk < lines.size());
            out.append(lines.substr(at, brk - at)).append(lineEnd_);
            at = brk + BreakSize(lines, brk);
        }
    }
    commitLines();
}

void LineSink::passComposed() {
    // A step may compose several lines at once, each ended by the line end but the last.
    std::string_view text = out_;
    for (std::size_t end; (end = text.find(lineEnd_)) != std::string_view::npos;
         text.remove_prefix(end + lineEnd_.size())) {
        next_->line(text.substr(0, end), *nextOut_);
    }
    next_->line(text, *nextOut_);
    out_.clear();
}

void LineSink::flush() {
    // Lines that go straight on leave nothing to deliver but a line still being composed.
    if (next_ != nullptr) return;
    if (runEnd_ != runStart_) closeRun();
    if (out_.empty()) return;
    deliver(out_);
    out_.clear();
}

void LinesSink::deliver(std::string_view text) {
    // Lines hold no break, so each LF ends one.
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            unfinished_.append(text.substr(start));
            break;
        }
        lines.emplace_back(unfinished_.append(text.substr(start, end - start)));
        unfinished_.clear();
        start = end + 1;
    }
}

void LineStep::wholeText(std::string text, LineSink& out) {
    LineCursor cursor(text);
    for (std::string_view line; cursor.next(line);) this->line(line, out);
    finish(out);
}

void WholeListStep::line(std::string_view line, LineSink&) { text_.append(line).push_back('\n'); }

void WholeListStep::finish(LineSink& out) {
    done(std::move(text_), out);
    text_.clear();
}

void WholeListStep::wholeText(std::string text, LineSink& out) { done(std::move(text), out); }

std::string ReadListInput(const std::string& path, const std::string& encoding,
                          std::string* found) {
    // A FIFO or device is read as a pipe is, to its end, within the memory a list may take.
    const std::size_t limit = HeldInputLimit();
    std::string bytes;
    if (!path.empty() && path != "-") {
        bytes = ReadListFileBytes(path, {.streams = true, .limit = limit});
    } else {
        if (const int error = ReadAll(STDIN_FILENO, bytes, limit); error != 0) {
            throw Failure("Cannot read standard input. " + SystemReason(error));
        }
        if (bytes.size() > limit) throw Failure("Text exceeds memo capacity");
    }
    std::string page = encoding;
    if (EncodingOfBytes(bytes) != FileForm::Encoding::Plain) {
        page.clear();
    } else if (page == kGuessEncoding) {
        page = GuessListEncoding(bytes);
    }
    if (found != nullptr) *found = page;
    return DecodeListText(std::move(bytes), page);
}

namespace {

// A list read whole, handed out line by line.
class TextSource final : public LineSource {
public:
    explicit TextSource(std::string text) : text_(std::move(text)), cursor_(text_) {}
    bool next(std::string_view& line) override { return cursor_.next(line); }

private:
    std::string text_;
    LineCursor cursor_;
};

}  // namespace

std::unique_ptr<LineSource> FileLists::open(const std::string& name) {
    return std::make_unique<TextSource>(ReadListInput(name, encoding_));
}

std::string FileLists::readText(const std::string& name) { return ReadListInput(name, encoding_); }

}  // namespace pendara
