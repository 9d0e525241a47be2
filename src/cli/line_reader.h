#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "os/file_descriptor.h"
#include "text/line_breaks.h"

namespace pendara::cli {

// Reads a list a block at a time and hands out its lines as views into the block, by the same
// rule as reading the whole file: breaks are CR LF, lone CR or lone LF, a final break adds no
// line, a UTF-16 byte-order mark is decoded and a UTF-8 one dropped; a NUL is a character. Memory
// stays at a block or two however long the input is (a line longer than a block grows it), and a
// line is handed out as soon as its break has been read, so a pipe that delivers lines slowly gets
// them back one by one.
class LineReader {
public:
    static constexpr std::size_t kBlockSize = 256 * 1024;

    // Reads `path`, or standard input for "" or "-". Fails with the list-file messages.
    explicit LineReader(const std::string& path, std::size_t blockSize = kBlockSize);

    // Called before each read that may wait for input, so output can go out first, and before
    // the lines handed out so far move or go.
    void setBeforeRead(std::function<void()> beforeRead) { beforeRead_ = std::move(beforeRead); }

    // Where the input after the last line handed out and its line break starts: the break is
    // what lies between the two. Breaks split by a read show only their first part.
    const char* rest() const { return buffer_.data() + pos_; }

    // The lines buffered whole after the last one handed out, up to and with the last LF, for
    // a step that takes many at once; skip() passes over those it took. `continues` tells, as
    // for nextHolding's `find`, whether they are a tail of the text handed out so last time, in
    // the same memory and unchanged since.
    std::string_view wholeLines(bool& continues) {
        continues = !read_;
        read_ = false;
        if (wholeEnd_ == kUnknown) {
            const void* const lastLf = pos_ == end_ ? nullptr : memrchr(rest(), '\n', end_ - pos_);
            wholeEnd_ =
                lastLf == nullptr ? 0 : static_cast<const char*>(lastLf) + 1 - buffer_.data();
        }
        if (wholeEnd_ <= pos_) return {};
        return std::string_view(rest(), wholeEnd_ - pos_);
    }
    void skip(std::size_t bytes) { skipTo(rest() + bytes); }

    // The next line, or false at the end. The view holds until the next call.
    bool next(std::string_view& line) {
        if (pos_ < end_) {
            const char* brk = FindBreakByte(buffer_.data() + pos_, buffer_.data() + end_);
            if (brk != buffer_.data() + end_) {
                takeLine(static_cast<std::size_t>(brk - buffer_.data()), line);
                return true;
            }
        }
        return nextAfterRead(line);
    }

    // The next line that holds the place `find(text, continues)` points to in the text not yet
    // handed out, skipping the lines before it unseen; false when `find` gives npos up to the
    // end. `find` sees whole lines only, each once, so it answers as it would on the whole list;
    // `continues` says that `text` is a tail of the text it saw last, in the same memory and
    // unchanged since. For filters that know a line's fate is sealed without a text it must
    // hold.
    template <typename Find>
    bool nextHolding(std::string_view& line, Find find) {
        for (;;) {
            const char* const text = buffer_.data() + pos_;
            const char* const end = buffer_.data() + end_;
            // The unfinished line waits for its break: the block's end may cut a character in
            // two, and searching it again after every read would make a long line quadratic.
            const char* const whole = ended_ ? end : FindLineStart(text + scanned_, end);
            if (whole == text + scanned_ && !ended_) {
                scanned_ = end_ - pos_;
            } else {
                const std::size_t at =
                    find(std::string_view(text, static_cast<std::size_t>(whole - text)), !read_);
                read_ = false;
                if (at != std::string_view::npos) {
                    skipTo(FindLineStart(text, text + at));
                    return next(line);
                }
                skipTo(whole);
            }
            if (!readMore()) {
                skipLf_ = false;
                if (pos_ == end_) return false;
                continue;  // the rest is the last line, whole now
            }
            if (skipLf_) {
                skipLf_ = false;
                if (buffer_[pos_] == '\n') ++pos_;
            }
        }
    }

private:
    enum class Encoding { Unknown, Bytes, Utf16Le, Utf16Be };

    void skipTo(const char* lineStart) {
        const auto to = static_cast<std::size_t>(lineStart - buffer_.data());
        if (to != pos_) scanned_ = 0;
        pos_ = to;
    }
    void takeLine(std::size_t brk, std::string_view& line) {
        line = std::string_view(buffer_.data() + pos_, brk - pos_);
        scanned_ = 0;
        pos_ = brk + 1;
        if (buffer_[brk] != '\r') return;
        if (pos_ < end_) {
            if (buffer_[pos_] == '\n') ++pos_;
        } else {
            skipLf_ = !ended_;
        }
    }
    bool nextAfterRead(std::string_view& line);
    // Resizes the buffer, failing past HeldInputLimit().
    void growBuffer(std::size_t size);
    // Reads more input after what is buffered; false when there is none left.
    bool readMore();
    std::size_t readRaw(char* into, std::size_t room);
    void decideEncoding();
    void decodeUtf16();
    [[noreturn]] void failRead(int error) const;

    std::string path_;
    FileDescriptor owned_;
    int fd_;
    std::size_t blockSize_;
    std::function<void()> beforeRead_;

    std::string buffer_;       // decoded text; lines are views into it
    std::size_t pos_ = 0;      // start of the line not yet handed out
    std::size_t end_ = 0;      // end of the decoded text in buffer_
    std::size_t scanned_ = 0;  // from pos_, bytes already known to hold no break
    bool skipLf_ = false;      // the last block ended in CR: an LF that follows belongs to it
    bool ended_ = false;       // no more input
    bool read_ = true;         // the buffer changed since the last text for a search
    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    std::size_t wholeEnd_ = kUnknown;  // just past the last LF in the buffer, 0 for none

    Encoding encoding_ = Encoding::Unknown;
    std::string raw_;  // UTF-16 bytes read but not decoded yet
    bool rawEnded_ = false;
};

}  // namespace pendara::cli
