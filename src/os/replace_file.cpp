#include "os/replace_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <random>

#include "os/file_descriptor.h"
#include "os/read_all.h"

namespace pendara {

namespace {

// Holds SIGXFSZ back on this thread while the writer works, so that a write past the file-size
// limit fails with EFBIG like any other failed write instead of ending the program. The signal
// that write raised is taken before the thread's old mask returns.
class FileSizeSignalHold {
public:
    FileSizeSignalHold() {
        sigemptyset(&signal_);
        sigaddset(&signal_, SIGXFSZ);
        pthread_sigmask(SIG_BLOCK, &signal_, &old_);
        sigset_t pending;
        wasPending_ = sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1;
    }
    ~FileSizeSignalHold() {
        const int savedErrno = errno;
        sigset_t pending;
        if (!wasPending_ && sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1) {
            const timespec now{};
            while (sigtimedwait(&signal_, nullptr, &now) < 0 && errno == EINTR) {}
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
        errno = savedErrno;
    }
    FileSizeSignalHold(const FileSizeSignalHold&) = delete;
    FileSizeSignalHold& operator=(const FileSizeSignalHold&) = delete;

private:
    sigset_t signal_{};
    sigset_t old_{};
    bool wasPending_ = false;
};

// Six letters or digits, as mkstemp picks them, from a generator of this thread's own.
std::string RandomSuffix() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix = ".";
    for (int i = 0; i < 6; ++i) suffix += digits[random() % (sizeof digits - 1)];
    return suffix;
}

// A temporary name beside `target`: the target's name with a random suffix, the name shortened
// (never inside a UTF-8 character) where the suffix would not fit the folder's longest name.
std::string TemporaryName(int folder, const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    long longest = 0;
    if (folder != AT_FDCWD) {
        longest = ::fpathconf(folder, _PC_NAME_MAX);
    } else {
        const std::string parent = slash == std::string::npos ? "." : target.substr(0, nameAt);
        longest = ::pathconf(parent.c_str(), _PC_NAME_MAX);
    }
    if (longest <= 0) longest = 255;
    const std::string suffix = RandomSuffix();
    const auto room = static_cast<std::size_t>(longest) - suffix.size();
    std::size_t end = target.size();
    if (end - nameAt > room) {
        end = nameAt + room;
        while (end > nameAt && (static_cast<unsigned char>(target[end]) & 0xC0) == 0x80) --end;
    }
    return target.substr(0, end) + suffix;
}

// Writes all of `text` at the file's current offset, retrying interrupted writes; 0 or errno.
int WriteAllOf(int fd, std::string_view text) {
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, p, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return put < 0 ? errno : ENOSPC;
        p += put;
        left -= static_cast<std::size_t>(put);
    }
    return 0;
}

class Replacer {
public:
    Replacer(int folder, std::string target, std::string_view text, int mode, bool followLinks)
        : folder_(folder), text_(text), mode_(mode), followLinks_(followLinks) {
        result_.target = std::move(target);
    }

    FileReplacement run() {
        const char* const path = result_.target.c_str();
        // What is there now, opened as a plain write would open it, which also answers whether
        // such a write would be allowed. O_NONBLOCK keeps a FIFO without a reader from hanging.
        FileDescriptor existing(::openat(
            folder_, path,
            O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLinks_ ? 0 : O_NOFOLLOW)));
        if (existing.get() < 0) {
            const int error = errno;
            struct stat link {};
            const bool isLink = !followLinks_ && error == ELOOP &&
                                ::fstatat(folder_, path, &link, AT_SYMLINK_NOFOLLOW) == 0 &&
                                S_ISLNK(link.st_mode);
            if (error != ENOENT && !isLink) return fail(FileReplacement::Create, error);
            return replace(nullptr);
        }
        struct stat old {};
        if (::fstat(existing.get(), &old) != 0) return fail(FileReplacement::Create, errno);
        if (!S_ISREG(old.st_mode) || old.st_nlink > 1 || old.st_uid != ::geteuid()) {
            return writeInPlace(std::move(existing), old);
        }
        FileReplacement replaced = replace(&old);
        if (replaced.failedAt == FileReplacement::Done || !tryInPlace_) return replaced;
        result_.failedAt = FileReplacement::Done;
        result_.error = 0;
        return writeInPlace(std::move(existing), old);
    }

private:
    FileReplacement fail(FileReplacement::Step step, int error) {
        result_.failedAt = step;
        result_.error = error;
        return result_;
    }

    static bool IsPermissionError(int error) {
        return error == EACCES || error == EPERM || error == EROFS;
    }

    // The atomic path: a temporary file beside the target, renamed over it. Where the folder or
    // the file's group refuses the saver, `tryInPlace_` says the in-place path may still work.
    FileReplacement replace(const struct stat* old) {
        std::string temp;
        FileDescriptor fd;
        for (int attempt = 0; fd.get() < 0; ++attempt) {
            temp = TemporaryName(folder_, result_.target);
            fd = FileDescriptor(::openat(
                folder_, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            if (fd.get() < 0 && (errno != EEXIST || attempt == 100)) {
                tryInPlace_ = old != nullptr && IsPermissionError(errno);
                return fail(FileReplacement::Create, errno);
            }
        }
        const auto discard = [&](FileReplacement::Step step, int error) {
            ::unlinkat(folder_, temp.c_str(), 0);
            return fail(step, error);
        };
        struct stat made {};
        if (::fstat(fd.get(), &made) != 0) return discard(FileReplacement::Create, errno);
        if (old != nullptr && made.st_gid != old->st_gid &&
            ::fchown(fd.get(), static_cast<uid_t>(-1), old->st_gid) != 0) {
            tryInPlace_ = true;
            return discard(FileReplacement::Create, errno);
        }
        int mode = mode_;
        if (mode < 0) mode = static_cast<int>(old ? old->st_mode & 07777 : 0666 & ~ProcessUmask());
        if (::fchmod(fd.get(), static_cast<mode_t>(mode)) != 0) {
            return discard(FileReplacement::Create, errno);
        }
        if (const int error = WriteAllOf(fd.get(), text_); error != 0) {
            return discard(FileReplacement::Write, error);
        }
        if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
            return discard(FileReplacement::Write, errno);
        }
        if (::renameat(folder_, temp.c_str(), folder_, result_.target.c_str()) != 0) {
            tryInPlace_ = old != nullptr && IsPermissionError(errno);
            return discard(FileReplacement::Rename, errno);
        }
        syncFolder();
        return result_;
    }

    // The in-place path, on the target opened for writing.
    FileReplacement writeInPlace(FileDescriptor fd, const struct stat& old) {
        const int flags = ::fcntl(fd.get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
            return fail(FileReplacement::Write, errno);
        }
        if (!S_ISREG(old.st_mode)) {
            if (const int error = WriteAllOf(fd.get(), text_); error != 0) {
                return fail(FileReplacement::Write, error);
            }
            if (::close(fd.release()) != 0) return fail(FileReplacement::Write, errno);
            return result_;
        }
        const auto size = static_cast<off_t>(text_.size());
        rlimit limit{};
        if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
            text_.size() > limit.rlim_cur) {
            return fail(FileReplacement::Write, EFBIG);
        }
        // Room on the disk first; a file system that cannot reserve it is written as it is.
        if (size > old.st_size && ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
            (errno == ENOSPC || errno == EDQUOT)) {
            return fail(FileReplacement::Write, errno);
        }
        if (::lseek(fd.get(), 0, SEEK_SET) != 0) return fail(FileReplacement::Write, errno);
        if (const int error = WriteAllOf(fd.get(), text_); error != 0) {
            return fail(FileReplacement::Write, error);
        }
        if (::ftruncate(fd.get(), size) != 0 || ::fsync(fd.get()) != 0 ||
            ::close(fd.release()) != 0) {
            return fail(FileReplacement::Write, errno);
        }
        return result_;
    }

    // Makes the rename itself last; a folder that cannot be flushed changes nothing for the user.
    void syncFolder() const {
        if (folder_ != AT_FDCWD) {
            ::fsync(folder_);
            return;
        }
        const std::size_t slash = result_.target.rfind('/');
        const std::string parent =
            slash == std::string::npos ? "." : result_.target.substr(0, slash + 1);
        const FileDescriptor fd(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fd.get() >= 0) ::fsync(fd.get());
    }

    const FileSizeSignalHold hold_;
    int folder_;
    std::string_view text_;
    int mode_;
    bool followLinks_;
    bool tryInPlace_ = false;
    FileReplacement result_;
};

// The "Umask:" line of /proc/self/status, or -1 where there is none.
int UmaskFromProc() {
    const FileDescriptor fd(::open("/proc/self/status", O_RDONLY | O_CLOEXEC));
    std::string status;
    if (fd.get() < 0 || ReadAll(fd.get(), status) != 0) return -1;
    const std::size_t at = status.find("\nUmask:");
    if (at == std::string::npos) return -1;
    int mask = 0;
    bool digits = false;
    for (std::size_t i = at + 7; i < status.size() && status[i] != '\n'; ++i) {
        const char c = status[i];
        if (c >= '0' && c <= '7') {
            mask = mask * 8 + (c - '0');
            digits = true;
        } else if (c != ' ' && c != '\t') {
            return -1;
        }
    }
    return digits ? mask & 0777 : -1;
}

// `path` with every link on the way followed, a link to nothing included: the path of the file
// that writing through it gives. A loop is left as it is, for open() to report.
std::string LinkTarget(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target = fs::weakly_canonical(path, ec);
    if (ec) return path;
    // weakly_canonical follows the links that lead somewhere; a dangling one stays a name.
    for (int hops = 0; hops < 40; ++hops) {
        if (!fs::is_symlink(fs::symlink_status(target, ec))) return target.string();
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return target.string();
        target = fs::weakly_canonical(next.is_absolute() ? next : target.parent_path() / next, ec);
        if (ec) return path;
    }
    return path;
}

}  // namespace

mode_t ProcessUmask() {
    static const mode_t mask = [] {
        if (const int fromProc = UmaskFromProc(); fromProc >= 0)
            return static_cast<mode_t>(fromProc);
        // Without /proc it can only be read by setting it; this runs once.
        const mode_t old = ::umask(022);
        ::umask(old);
        return old;
    }();
    return mask;
}

FileReplacement ReplaceFileContents(const std::string& path, std::string_view text, int mode) {
    return Replacer(AT_FDCWD, LinkTarget(path), text, mode, true).run();
}

FileReplacement ReplaceFileInFolder(int folder, const std::string& name, std::string_view text,
                                    int mode) {
    return Replacer(folder, name, text, mode, false).run();
}

}  // namespace pendara
