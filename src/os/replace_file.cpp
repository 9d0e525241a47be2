#include "os/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "os/file_descriptor.h"
#include "os/read_all.h"

namespace pendara {

namespace {

// Six letters or digits, as mkstemp picks them, from a generator of this thread's own.
std::string RandomSuffix() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix = ".";
    for (int i = 0; i < 6; ++i) suffix += digits[random() % (sizeof digits - 1)];
    return suffix;
}

// Replaces `target` in `folder` (AT_FDCWD for paths) by way of a temporary file beside it.
FileReplacement Replace(int folder, std::string target, std::string_view text, int mode,
                        int statFlags) {
    FileReplacement result;
    result.target = std::move(target);
    const char* const path = result.target.c_str();
    const auto fail = [&](FileReplacement::Step step, int error) {
        result.failedAt = step;
        result.error = error;
        return result;
    };

    struct stat old {};
    const bool exists = ::fstatat(folder, path, &old, statFlags) == 0;
    if (exists && S_ISDIR(old.st_mode)) return fail(FileReplacement::Create, EISDIR);
    if (mode < 0) {
        mode = static_cast<int>(exists ? old.st_mode & 07777 : 0666 & ~ProcessUmask());
    }

    std::string temp;
    FileDescriptor fd;
    for (int attempt = 0; fd.get() < 0; ++attempt) {
        temp = result.target + RandomSuffix();
        fd = FileDescriptor(::openat(folder, temp.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.get() < 0 && (errno != EEXIST || attempt == 100)) {
            return fail(FileReplacement::Create, errno);
        }
    }
    const auto discard = [&](FileReplacement::Step step, int error) {
        ::unlinkat(folder, temp.c_str(), 0);
        return fail(step, error);
    };
    if (::fchmod(fd.get(), static_cast<mode_t>(mode)) != 0) {
        return discard(FileReplacement::Create, errno);
    }

    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t put = ::write(fd.get(), p, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return discard(FileReplacement::Write, put < 0 ? errno : ENOSPC);
        p += put;
        left -= static_cast<std::size_t>(put);
    }
    if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
        return discard(FileReplacement::Write, errno);
    }
    if (::renameat(folder, temp.c_str(), folder, path) != 0) {
        return discard(FileReplacement::Rename, errno);
    }
    return result;
}

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
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
    return Replace(AT_FDCWD, ec ? path : target.string(), text, mode, 0);
}

FileReplacement ReplaceFileInFolder(int folder, const std::string& name, std::string_view text,
                                    int mode) {
    return Replace(folder, name, text, mode, AT_SYMLINK_NOFOLLOW);
}

}  // namespace pendara
