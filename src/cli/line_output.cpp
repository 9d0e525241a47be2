#include "cli/line_output.h"

#include <cstdio>

#include "text/failure.h"

namespace pendara::cli {

void WriteOut(std::string_view text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
        throw Failure("Stream write error");
    }
}

void LineOutput::closeRun() {
    out_.append(runStart_, runEnd_);
    runStart_ = runEnd_ = nullptr;
}

void LineOutput::startRun(const char* start) {
    if (runEnd_ != runStart_) closeRun();
    runStart_ = start;
}

void LineOutput::keepApart(std::string_view line) {
    text().append(line);
    endLine();
}

void LineOutput::flush() {
    if (runEnd_ != runStart_) closeRun();
    if (out_.empty()) return;
    WriteOut(out_);
    out_.clear();
    if (std::fflush(stdout) != 0) throw Failure("Stream write error");
}

}  // namespace pendara::cli
