#include "platform/linux_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "os/file_descriptor.h"
#include "os/read_all.h"
#include "os/replace_file.h"
#include "os/system_reason.h"
#include "platform/settings_file.h"

namespace pendara {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& what, int error) {
    throw StoreError(what + ": " + SystemReason(error));
}

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
        const std::optional<SettingsFile> file = readQuietly();
        const SettingsFile::Key* found = file ? file->find(key) : nullptr;
        if (found == nullptr) return std::nullopt;
        std::vector<std::string> names;
        names.reserve(found->values.size());
        for (const auto& [name, value] : found->values) names.push_back(name);
        return names;
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
        const std::optional<SettingsFile> file = readQuietly();
        const SettingsFile::Key* found = file ? file->find(key) : nullptr;
        if (found == nullptr) return std::nullopt;
        for (const auto& [valueName, value] : found->values) {
            if (SameName(valueName, name)) return value;
        }
        return std::nullopt;
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
    NamedFolders shellFolders(SettingsRoot root) const {
        return root == SettingsRoot::CurrentUser ? UserShellFolders(environment_)
                                                 : MachineShellFolders(environment_);
    }

    // The file as it stands; a missing file holds no keys. Throws StoreError when it cannot be
    // read or is not in the format.
    SettingsFile read() const {
        FileDescriptor fd(::open(file_.c_str(), O_RDONLY | O_CLOEXEC));
        if (fd.get() < 0) {
            if (errno == ENOENT) return SettingsFile();
            Fail("cannot open " + file_, errno);
        }
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0) Fail("cannot open " + file_, errno);
        if (!S_ISREG(info.st_mode)) throw StoreError(file_ + " is not a file");
        if (static_cast<std::uintmax_t>(info.st_size) > kMaxSettingsFileSize) {
            throw StoreError(file_ + " is too large to be a settings file");
        }
        std::string text;
        if (const int error = ReadAll(fd.get(), text, kMaxSettingsFileSize); error != 0) {
            Fail("cannot read " + file_, error);
        }
        if (text.size() > kMaxSettingsFileSize) {
            throw StoreError(file_ + " is too large to be a settings file");
        }
        return SettingsFile::Parse(text);
    }

    // Reads answer "cannot be opened" for a file that cannot be read.
    std::optional<SettingsFile> readQuietly() const {
        try {
            return read();
        } catch (const StoreError&) {
            return std::nullopt;
        }
    }

    template <typename Edit>
    void change(Edit edit) {
        const fs::path path(file_);
        std::error_code ec;
        if (path.has_parent_path()) {
            fs::create_directories(path.parent_path(), ec);
            if (ec) throw StoreError("cannot create " + path.parent_path().string());
        }
        // One writer at a time; the lock file outlives the renames of the settings file.
        const std::string lockPath = file_ + ".lock";
        FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        if (lock.get() < 0) Fail("cannot open " + lockPath, errno);
        while (::flock(lock.get(), LOCK_EX) != 0) {
            if (errno != EINTR) Fail("cannot lock " + lockPath, errno);
        }
        // Read again under the lock so another writer's change is kept.
        SettingsFile file = read();
        if (!edit(file)) return;
        replaceFile(file.serialize());
    }

    void replaceFile(const std::string& text) const {
        // Owner-only, written beside the store and renamed over it; a link is followed.
        const FileReplacement written = ReplaceFileContents(file_, text, 0600);
        switch (written.failedAt) {
            case FileReplacement::Done:
                return;
            case FileReplacement::Create:
                Fail("cannot create a file beside " + written.target, written.error);
            case FileReplacement::Write:
                Fail("cannot write a file beside " + written.target, written.error);
            case FileReplacement::Rename:
                Fail("cannot replace " + written.target, written.error);
        }
    }

    std::string file_;
    XdgEnvironment environment_;
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
