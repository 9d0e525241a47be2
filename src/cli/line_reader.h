#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "os/file_descriptor.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace pendara::cli {

// Reads a list a block at a time and hands out its lines as views into the block, by the same
// rule as reading the whole file: breaks are CR LF, lone CR or lone LF, the text ends at its
// first NUL, a final break adds no line, a UTF-16 byte-order mark is decoded and a UTF-8 one
// dropped. Memory stays at a block or two however long the input is (a line longer than a
// block grows it), and a line is handed out as soon as its break has been read, so a pipe that
// delivers lines slowly gets them back one by one.
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

    // The next line, or false at the end. The view holds until the next call.
    bool next(std::string_view& line) {
        if (pos_ < end_) {
            const char* brk = FindBreak(buffer_.data() + pos_, buffer_.data() + end_);
            if (brk != buffer_.data() + end_) {
                takeLine(static_cast<std::size_t>(brk - buffer_.data()), line);
                return true;
            }
        }
        return nextAfterRead(line);
    }

    // The next line that holds the place `find(text)` points to in the text not yet handed
    // out, skipping the lines before it unseen; false when `find` gives npos up to the end.
    // For filters that know a line's fate is sealed without a text it must hold.
    template <typename Find>
    bool nextHolding(std::string_view& line, Find find) {
        for (;;) {
            const char* const text = buffer_.data() + pos_;
            const char* const end = buffer_.data() + end_;
            const std::size_t at = find(std::string_view(text, end_ - pos_));
            if (at != std::string_view::npos) {
                skipTo(FindLineStart(text, text + at));
                return next(line);
            }
            // Every whole line buffered is passed over; the unfinished one waits for the rest.
            skipTo(FindLineStart(text, end));
            if (!readMore()) {
                skipLf_ = false;
                pos_ = end_;
                return false;
            }
            if (skipLf_) {
                skipLf_ = false;
                if (buffer_[pos_] == '\n') ++pos_;
            }
        }
    }

    // The first CR or LF in [p, end), or end; sixteen bytes at a time, as lines are short.
    static const char* FindBreak(const char* p, const char* end) {
#ifdef __SSE2__
        const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
        for (; end - p >= 16; p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const int hits = _mm_movemask_epi8(
                _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
            if (hits != 0) return p + __builtin_ctz(static_cast<unsigned>(hits));
        }
#endif
        while (p < end && *p != '\r' && *p != '\n') ++p;
        return p;
    }

private:
    enum class Encoding { Unknown, Bytes, Utf16Le, Utf16Be };

    // Where the line holding `at` starts: after the last CR or LF in [start, at), or start.
    static const char* FindLineStart(const char* start, const char* at) {
        while (at > start && at[-1] != '\n' && at[-1] != '\r') --at;
        return at;
    }
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
    bool ended_ = false;       // no more input: end of file or a NUL

    Encoding encoding_ = Encoding::Unknown;
    std::string raw_;  // UTF-16 bytes read but not decoded yet
    bool rawEnded_ = false;
};

}  // namespace pendara::cli
