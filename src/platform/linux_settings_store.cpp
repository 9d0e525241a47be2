#include "platform/linux_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>

#include "os/file_descriptor.h"
#include "os/read_all.h"
#include "os/replace_file.h"
#include "os/system_reason.h"
#include "platform/settings_file.h"

namespace pendara {

namespace {

namespace fs = std::filesystem;

// How long a read or a change waits for another store's change before giving up.
constexpr auto kLockWait = std::chrono::seconds(5);
constexpr auto kLockPoll = std::chrono::milliseconds(5);

// Takes a flock, waiting at most kLockWait, so a program that holds the file locked cannot hang
// this one. Returns 0 or an errno value (EWOULDBLOCK when the wait ran out).
int Lock(int fd, int operation) {
    const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0) return 0;
        if (errno != EWOULDBLOCK && errno != EINTR) return errno;
        if (std::chrono::steady_clock::now() >= giveUp) return EWOULDBLOCK;
        std::this_thread::sleep_for(kLockPoll);
    }
}

// What tells one version of the file from the next: a replacement is a new file, a write in
// place changes the size or the times.
struct FileVersion {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    explicit FileVersion(const struct stat& info)
        : device(info.st_dev),
          inode(info.st_ino),
          size(info.st_size),
          modified(info.st_mtim),
          changed(info.st_ctim) {}
    bool operator==(const FileVersion& other) const {
        const auto same = [](const timespec& a, const timespec& b) {
            return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
        };
        return device == other.device && inode == other.inode && size == other.size &&
               same(modified, other.modified) && same(changed, other.changed);
    }
};

// True when `key` is the shell folder key or one of the keys above it.
bool IsShellFolderKeyOrParent(std::string_view key) {
    if (key.size() > kShellFoldersKey.size()) return false;
    if (!SameName(key, kShellFoldersKey.substr(0, key.size()))) return false;
    return key.empty() || key.size() == kShellFoldersKey.size() ||
           kShellFoldersKey[key.size()] == '\\';
}

class LinuxSettingsStore final : public SettingsStore {
public:
    LinuxSettingsStore(std::string file, XdgEnvironment environment)
        : file_(std::move(file)), environment_(std::move(environment)) {}

    std::optional<std::vector<std::string>> valueNames(SettingsRoot root,
                                                       std::string_view key) override {
        if (SameName(key, kShellFoldersKey)) {
            std::vector<std::string> names;
            for (auto& [name, folder] : shellFolders(root)) names.push_back(std::move(name));
            return names;
        }
        if (root == SettingsRoot::LocalMachine) {
            if (IsShellFolderKeyOrParent(key)) return std::vector<std::string>();
            return std::nullopt;
        }
        const SettingsFile* file = readQuietly();
        return file ? file->valueNames(key) : std::nullopt;
    }

    std::optional<StoredValue> value(SettingsRoot root, std::string_view key,
                                     std::string_view name) override {
        if (SameName(key, kShellFoldersKey)) {
            for (auto& [folderName, folder] : shellFolders(root)) {
                if (SameName(folderName, name)) {
                    return StoredValue{StoredValue::Type::Text, std::move(folder)};
                }
            }
            return std::nullopt;
        }
        if (root == SettingsRoot::LocalMachine) return std::nullopt;
        const SettingsFile* file = readQuietly();
        const StoredValue* found = file ? file->value(key, name) : nullptr;
        if (found == nullptr) return std::nullopt;
        return *found;
    }

    void createKey(SettingsRoot root, std::string_view key) override {
        if (!IsValidKeyPath(key)) throw StoreError("not a valid key path");
        if (SameName(key, kShellFoldersKey)) return;
        if (root == SettingsRoot::LocalMachine) {
            if (IsShellFolderKeyOrParent(key)) return;
            throw StoreError("the machine's settings are read-only");
        }
        change([&](SettingsFile& file) { return file.createKey(key); });
    }

    void setValue(SettingsRoot root, std::string_view key, std::string_view name,
                  const StoredValue& value) override {
        if (!IsValidKeyPath(key)) throw StoreError("not a valid key path");
        if (root == SettingsRoot::LocalMachine || SameName(key, kShellFoldersKey)) {
            throw StoreError("the key is read-only");
        }
        change([&](SettingsFile& file) { return file.setValue(key, name, value); });
    }

private:
    // The last version read, parsed, or why it could not be.
    struct Cache {
        FileVersion version;
        SettingsFile file;
        std::string damage;
    };

    [[noreturn]] void fail(const std::string& what, int error) const {
        throw StoreError(what.empty() ? SystemReason(error) : what + ": " + SystemReason(error),
                         file_);
    }
    [[noreturn]] void fail(const std::string& what) const { throw StoreError(what, file_); }

    NamedFolders shellFolders(SettingsRoot root) const {
        return root == SettingsRoot::CurrentUser ? UserShellFolders(environment_)
                                                 : MachineShellFolders(environment_);
    }

    // Opened for reading without waiting on a FIFO's writer.
    FileDescriptor open(int flags) const {
        return FileDescriptor(
            ::open(file_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | flags, 0600));
    }

    // The file open in `fd`, parsed unless this version was parsed before. Throws StoreError
    // when it is no file, too large or not in the format.
    const SettingsFile& parsed(int fd) {
        struct stat info {};
        if (::fstat(fd, &info) != 0) fail("cannot read the file", errno);
        if (!S_ISREG(info.st_mode)) fail("not a regular file");
        const FileVersion version(info);
        if (!cache_ || !(cache_->version == version)) {
            cache_.reset();
            std::string text;
            if (static_cast<std::uintmax_t>(info.st_size) <= kMaxSettingsFileSize) {
                if (const int error = ReadAll(fd, text, kMaxSettingsFileSize); error != 0) {
                    fail("cannot read the file", error);
                }
            }
            Cache fresh{version, SettingsFile(), std::string()};
            if (static_cast<std::uintmax_t>(info.st_size) > kMaxSettingsFileSize ||
                text.size() > kMaxSettingsFileSize) {
                fresh.damage = "too large to be a settings file";
            } else {
                try {
                    fresh.file = SettingsFile::Parse(text);
                } catch (const StoreError& error) {
                    fresh.damage = error.what();
                }
            }
            cache_ = std::move(fresh);
        }
        if (!cache_->damage.empty()) fail(cache_->damage);
        return cache_->file;
    }

    // The file as it stands, a missing file as one without keys; nullptr when it cannot be read.
    const SettingsFile* readQuietly() {
        static const SettingsFile kNoFile;
        const FileDescriptor fd = open(0);
        if (fd.get() < 0) return errno == ENOENT ? &kNoFile : nullptr;
        // A store that replaces the file leaves every version whole; the shared lock guards
        // against one that writes in place. Past the wait, the file is read as it is.
        Lock(fd.get(), LOCK_SH);
        try {
            return &parsed(fd.get());
        } catch (const StoreError&) {
            return nullptr;
        }
    }

    // Locks the settings file for a change, creating it empty when absent. The lock is on the
    // file itself, so stores that reach it through different links share it; the path is
    // checked to still lead to the locked file, as another store may have replaced it meanwhile.
    FileDescriptor lockForChange() {
        const fs::path path(file_);
        std::error_code ec;
        if (path.has_parent_path()) {
            fs::create_directories(path.parent_path(), ec);
            if (ec) fail("cannot create its folder", ec.value());
        }
        for (int attempt = 0;; ++attempt) {
            if (attempt == 1000) fail("the file keeps being replaced");
            FileDescriptor fd = open(O_CREAT);
            if (fd.get() < 0) fail("", errno);
            if (const int error = Lock(fd.get(), LOCK_EX); error != 0) {
                fail(error == EWOULDBLOCK ? "another program keeps the file locked"
                                          : "cannot lock the file",
                     error);
            }
            struct stat locked {};
            struct stat current {};
            if (::fstat(fd.get(), &locked) != 0) fail("cannot read the file", errno);
            if (::stat(file_.c_str(), &current) != 0) {
                if (errno == ENOENT) continue;
                fail("", errno);
            }
            if (locked.st_dev == current.st_dev && locked.st_ino == current.st_ino) return fd;
        }
    }

    template <typename Edit>
    void change(Edit edit) {
        const FileDescriptor lock = lockForChange();
        // Read under the lock so another store's change is kept.
        SettingsFile file = parsed(lock.get());
        if (!edit(file)) return;
        checkWritable();
        const std::string text = file.serialize();
        // An existing file keeps its permissions; a link is followed to the file it names.
        const FileReplacement written = ReplaceFileContents(file_, text, -1);
        switch (written.failedAt) {
            case FileReplacement::Done:
                break;
            case FileReplacement::Create:
                fail("cannot create a file beside it", written.error);
            case FileReplacement::Write:
                fail("cannot write a file beside it", written.error);
            case FileReplacement::Rename:
                fail("cannot replace it", written.error);
        }
        cache_.reset();
        removeOldLockFile();
    }

    // A read-only file or folder means the user wants the file left alone, though a rename
    // could replace the file all the same.
    void checkWritable() const {
        if (::faccessat(AT_FDCWD, file_.c_str(), W_OK, AT_EACCESS) != 0) {
            fail("the file cannot be written", errno);
        }
        std::error_code ec;
        const fs::path folder = fs::weakly_canonical(file_, ec).parent_path();
        if (!ec && ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
            fail("its folder cannot be written", errno);
        }
    }

    // Earlier versions locked an empty "<file>.lock" beside the file and left it there.
    void removeOldLockFile() const {
        const std::string old = file_ + ".lock";
        struct stat info {};
        if (::lstat(old.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) {
            ::unlink(old.c_str());
        }
    }

    std::string file_;
    XdgEnvironment environment_;
    std::optional<Cache> cache_;
};

}  // namespace

std::unique_ptr<SettingsStore> MakeLinuxSettingsStore(std::string file,
                                                      XdgEnvironment environment) {
    return std::make_unique<LinuxSettingsStore>(std::move(file), std::move(environment));
}

std::unique_ptr<SettingsStore> MakeLinuxSettingsStore() {
    XdgEnvironment environment = XdgEnvironment::FromProcess();
    std::string file = DefaultSettingsFile(environment);
    return MakeLinuxSettingsStore(std::move(file), std::move(environment));
}

std::string DefaultSettingsFile(const XdgEnvironment& environment) {
    return (fs::path(environment.configFolder()) / "pendara" / "settings.ini").string();
}

}  // namespace pendara
