#pragma once

#include <unistd.h>

#include <utility>

namespace pendara {

// Owns an open file descriptor and closes it when it goes, so no early return leaks one.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = other.release();
        }
        return *this;
    }

    int get() const { return fd_; }
    // Hands the descriptor over, for a close whose result the caller checks.
    int release() { return std::exchange(fd_, -1); }

private:
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    int fd_;
};

}  // namespace pendara
