#include "cli/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/list_file.h"
#include "os/system_reason.h"
#include "text/failure.h"

namespace pendara::cli {

namespace {

bool IsStandardInput(const std::string& path) { return path.empty() || path == "-"; }

// True when `bytes` could still grow into a byte-order mark.
bool MayBecomeMark(std::string_view bytes) {
    for (const std::string_view mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (bytes.size() < mark.size() && mark.starts_with(bytes)) return true;
    }
    return false;
}

}  // namespace

void LineReader::growBuffer(std::size_t size) {
    if (size > HeldInputLimit()) throw Failure("Text exceeds memo capacity");
    buffer_.resize(size);
}

LineReader::LineReader(const std::string& path, std::size_t blockSize)
    : path_(path), fd_(STDIN_FILENO), blockSize_(blockSize == 0 ? 1 : blockSize) {
    if (!IsStandardInput(path)) {
        owned_ = FileDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (owned_.get() < 0) failRead(errno);
        struct stat info {};
        if (::fstat(owned_.get(), &info) != 0) failRead(errno);
        if (S_ISDIR(info.st_mode)) failRead(EISDIR);
        fd_ = owned_.get();
    }
    buffer_.resize(blockSize_);
    // The first bytes decide how the rest is read; a pipe may deliver them one by one.
    while (!rawEnded_ && MayBecomeMark(std::string_view(buffer_.data(), end_))) {
        if (end_ == buffer_.size()) growBuffer(end_ + blockSize_);
        const std::size_t got = readRaw(buffer_.data() + end_, buffer_.size() - end_);
        rawEnded_ = got == 0;
        end_ += got;
    }
    decideEncoding();
}

void LineReader::decideEncoding() {
    const std::string_view start(buffer_.data(), end_);
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
        encoding_ = start[0] == '\xFF' ? Encoding::Utf16Le : Encoding::Utf16Be;
        raw_.assign(start.substr(2));
        end_ = 0;
        decodeUtf16();
        return;
    }
    encoding_ = Encoding::Bytes;
    if (start.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    if (rawEnded_) ended_ = true;
}

void LineReader::decodeUtf16() {
    // Whole code units only, and a high surrogate waits for its partner, so decoding block by
    // block gives what decoding the whole text at once would.
    std::size_t take = raw_.size() & ~std::size_t{1};
    if (!rawEnded_ && take >= 2) {
        const auto a = static_cast<unsigned char>(raw_[take - 2]);
        const auto b = static_cast<unsigned char>(raw_[take - 1]);
        const unsigned high = encoding_ == Encoding::Utf16Be ? a : b;
        if (high >= 0xD8 && high <= 0xDB) take -= 2;
    }
    if (rawEnded_) take = raw_.size();
    if (take == 0) return;
    const std::string text =
        Utf16ToUtf8(std::string_view(raw_).substr(0, take), encoding_ == Encoding::Utf16Be);
    raw_.erase(0, take);
    if (buffer_.size() - end_ < text.size()) growBuffer(end_ + text.size() + blockSize_);
    std::memcpy(buffer_.data() + end_, text.data(), text.size());
    end_ += text.size();
}

std::size_t LineReader::readRaw(char* into, std::size_t room) {
    for (;;) {
        const ssize_t got = ::read(fd_, into, room);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) failRead(errno);
    }
}

bool LineReader::readMore() {
    if (ended_) return false;
    if (beforeRead_) beforeRead_();
    read_ = true;
    wholeEnd_ = kUnknown;
    // The unfinished line moves to the front; a line longer than half the buffer doubles it.
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    if (buffer_.size() - end_ < (blockSize_ + 1) / 2) growBuffer(buffer_.size() * 2);
    const std::size_t before = end_;
    if (encoding_ == Encoding::Bytes) {
        const std::size_t got = readRaw(buffer_.data() + end_, buffer_.size() - end_);
        if (got == 0) {
            ended_ = true;
            return false;
        }
        end_ += got;
        return true;
    }
    while (end_ == before && !ended_) {
        if (rawEnded_) {
            ended_ = true;
            break;
        }
        const std::size_t had = raw_.size();
        raw_.resize(had + blockSize_);
        const std::size_t got = readRaw(raw_.data() + had, blockSize_);
        raw_.resize(had + got);
        rawEnded_ = got == 0;
        decodeUtf16();
    }
    return end_ > before;
}

bool LineReader::nextAfterRead(std::string_view& line) {
    for (;;) {
        if (!readMore()) {
            skipLf_ = false;
            if (pos_ == end_) return false;
            line = std::string_view(buffer_.data() + pos_, end_ - pos_);
            pos_ = end_;
            return true;
        }
        if (skipLf_) {
            skipLf_ = false;
            if (buffer_[pos_] == '\n') ++pos_;
        }
        const char* end = buffer_.data() + end_;
        const char* brk = FindBreakByte(buffer_.data() + pos_ + scanned_, end);
        if (brk != end) {
            takeLine(static_cast<std::size_t>(brk - buffer_.data()), line);
            return true;
        }
        scanned_ = end_ - pos_;
    }
}

void LineReader::failRead(int error) const {
    if (IsStandardInput(path_)) throw Failure("Cannot read standard input. " + SystemReason(error));
    throw Failure(
        FormatMessage("Cannot open file \"%s\". %s", {FullPath(path_), SystemReason(error)}));
}

}  // namespace pendara::cli
