#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

#include "files/list_file.h"
#include "os/file_descriptor.h"
#include "os/home_folder.h"
#include "os/read_all.h"
#include "os/replace_file.h"
#include "os/system_reason.h"
#include "platform/temp_folder.h"
#include "text/failure.h"

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
            const FileReplacement written = ReplaceFileInFolder(folder.get(), name, bytes, 0600);
            if (written.failedAt != FileReplacement::Done) throw SystemError{written.error};
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
            if (const int error = ReadAll(file.get(), bytes); error != 0) throw SystemError{error};
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
    if (const std::string home = HomeFolder(); !home.empty())
        return WithoutTrailingSlashes(home) + "/.cache/pendara";
    // No home at all: a folder named for the user, which the ownership check still guards.
    return "/tmp/pendara-" + std::to_string(::getuid());
}

std::unique_ptr<TempFolder> MakeLinuxTempFolder(const std::string& folder) {
    return std::make_unique<LinuxTempFolder>(folder);
}

}  // namespace pendara
