#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pendara::cli {

// Writes `text` to standard output; a failed write is a Failure.
void WriteOut(std::string_view text);

// The output of a line-by-line command. Lines that stay as they were read, with the very line
// end the output uses, are not copied one by one: they are remembered as runs of the input and
// copied a run at a time, which is most of the work when most lines stay.
class LineOutput {
public:
    explicit LineOutput(std::string_view lineEnd) : lineEnd_(lineEnd) {
        out_.reserve(kFlushAt * 2);
    }

    // Where a rewritten line goes: the output so far, runs included. endLine() closes the line.
    std::string& text() {
        if (runEnd_ != runStart_) closeRun();
        return out_;
    }
    void endLine() {
        out_.append(lineEnd_);
        if (out_.size() >= kFlushAt) flush();
    }
    // `line` unchanged; `next` is where the input after its line break starts.
    void keep(std::string_view line, const char* next) {
        // A break of two bytes is CR LF; one byte is CR or LF.
        const auto breakSize = static_cast<std::size_t>(next - (line.data() + line.size()));
        if (breakSize != lineEnd_.size() || next[-1] != '\n') return keepApart(line);
        if (line.data() != runEnd_) startRun(line.data());
        runEnd_ = next;
    }
    // Writes everything out. Runs point into the input, so this comes before it is read again.
    void flush();

private:
    static constexpr std::size_t kFlushAt = 128 * 1024;

    void closeRun();
    void startRun(const char* start);
    void keepApart(std::string_view line);

    std::string_view lineEnd_;
    std::string out_;
    const char* runStart_ = nullptr;  // unchanged lines not yet copied to out_, breaks included
    const char* runEnd_ = nullptr;
};

}  // namespace pendara::cli
