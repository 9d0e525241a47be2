#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <utility>

#include "list/failure.h"
#include "list/file_descriptor.h"
#include "list/list_file.h"
#include "platform/temp_folder.h"

namespace pendara {

namespace {

// Carries an errno value out of the folder checks.
struct SystemError {
    int error;
};

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Creates the missing folders of `path`, each one owner-only.
void CreateFolders(const std::string& path) {
    for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) throw SystemError{errno};
        if (at == std::string::npos) break;
    }
}

// Opens `folder` as the user's own private folder: a real folder (not a link), owned by this
// user, which nobody else may enter. A folder of ours with wider permissions is narrowed.
FileDescriptor OpenPrivateFolder(const std::string& folder, bool create) {
    if (create) CreateFolders(folder);
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) throw SystemError{errno};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) throw SystemError{errno};
    if (info.st_uid != ::geteuid()) throw SystemError{EPERM};
    if ((info.st_mode & 077) != 0 && ::fchmod(fd.get(), 0700) != 0) throw SystemError{errno};
    return fd;
}

std::string RandomSuffix() {
    static std::mt19937_64 random{std::random_device{}()};
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix = ".";
    for (int i = 0; i < 8; ++i) suffix += digits[random() % (sizeof digits - 1)];
    return suffix;
}

class LinuxTempFolder final : public TempFolder {
public:
    explicit LinuxTempFolder(std::string folder)
        : folder_(WithoutTrailingSlashes(std::move(folder))) {}

    std::string path() const override { return folder_ == "/" ? folder_ : folder_ + "/"; }

    void writeFile(const std::string& name, std::string_view bytes) override {
        const std::string full = FullPath(path() + name);
        const auto fail = [&](int error) {
            throw Failure(
                FormatMessage("Cannot create file \"%s\". %s", {full, SystemReason(error)}));
        };
        try {
            const FileDescriptor folder = OpenPrivateFolder(folder_, true);
            std::string temp;
            FileDescriptor file;
            for (int attempt = 0; file.get() < 0; ++attempt) {
                temp = name + RandomSuffix();
                file = FileDescriptor(::openat(folder.get(), temp.c_str(),
                                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                               0600));
                if (file.get() < 0 && (errno != EEXIST || attempt == 100)) throw SystemError{errno};
            }
            const auto discard = [&](int error) {
                ::unlinkat(folder.get(), temp.c_str(), 0);
                throw SystemError{error};
            };
            for (std::size_t done = 0; done < bytes.size();) {
                const ssize_t put = ::write(file.get(), bytes.data() + done, bytes.size() - done);
                if (put < 0 && errno == EINTR) continue;
                if (put <= 0) discard(put < 0 ? errno : EIO);
                done += static_cast<std::size_t>(put);
            }
            if (::close(file.release()) != 0) discard(errno);
            // The rename replaces a link of that name itself, never the file it points to.
            if (::renameat(folder.get(), temp.c_str(), folder.get(), name.c_str()) != 0)
                discard(errno);
        } catch (const SystemError& e) {
            fail(e.error);
        }
    }

    std::string readFile(const std::string& name) const override {
        try {
            const FileDescriptor folder = OpenPrivateFolder(folder_, false);
            const FileDescriptor file(
                ::openat(folder.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
            if (file.get() < 0) throw SystemError{errno};
            std::string bytes;
            char chunk[1 << 16];
            for (;;) {
                const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
                if (got < 0 && errno == EINTR) continue;
                if (got < 0) throw SystemError{errno};
                if (got == 0) break;
                bytes.append(chunk, static_cast<std::size_t>(got));
            }
            return bytes;
        } catch (const SystemError& e) {
            throw Failure(FormatMessage("Cannot open file \"%s\". %s",
                                        {FullPath(path() + name), SystemReason(e.error)}));
        }
    }

private:
    std::string folder_;
};

std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? WithoutTrailingSlashes(value) : std::string();
}

}  // namespace

std::string DefaultTempFolderPath() {
    if (std::string runtime = AbsoluteVariable("XDG_RUNTIME_DIR"); !runtime.empty()) {
        return runtime + "/pendara";
    }
    if (std::string cache = AbsoluteVariable("XDG_CACHE_HOME"); !cache.empty()) {
        return cache + "/pendara";
    }
    std::string home = AbsoluteVariable("HOME");
    if (home.empty()) {
        if (const passwd* user = ::getpwuid(::getuid());
            user != nullptr && user->pw_dir != nullptr) {
            home = user->pw_dir;
        }
    }
    if (!home.empty()) return WithoutTrailingSlashes(home) + "/.cache/pendara";
    // No home at all: a folder named for the user, which the ownership check still guards.
    return "/tmp/pendara-" + std::to_string(::getuid());
}

std::unique_ptr<TempFolder> MakeLinuxTempFolder(const std::string& folder) {
    return std::make_unique<LinuxTempFolder>(folder);
}

}  // namespace pendara
