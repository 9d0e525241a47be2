#include "platform/xdg_folders.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>

#include "os/file_descriptor.h"
#include "os/home_folder.h"
#include "os/read_all.h"

namespace pendara {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Relative paths in these variables are invalid and count as unset.
std::string OrDefault(const std::string& value, const std::string& fallback) {
    return !value.empty() && value.front() == '/' ? value : fallback;
}

std::string Join(const std::string& folder, std::string_view name) {
    if (folder.empty() || folder.back() == '/') return folder + std::string(name);
    return folder + "/" + std::string(name);
}

std::vector<std::string> SplitFolders(const std::string& list, const std::string& fallback) {
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        std::string folder = list.substr(start, end - start);
        if (!folder.empty() && folder.front() == '/') folders.push_back(std::move(folder));
        start = end + 1;
    }
    return folders.empty() ? SplitFolders(fallback, {}) : folders;
}

// The first 64 KiB of a regular file, or "" for anything else: a FIFO in its place must not
// hold the window up, in open() or in read().
std::string ReadSmallFile(const std::string& path) {
    constexpr std::size_t kMost = 64 * 1024;
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    std::string text;
    if (ReadAll(fd.get(), text, kMost - 1) != 0) return {};
    if (text.size() > kMost) text.resize(kMost);
    return text;
}

struct UserDir {
    const char* variable;
    const char* name;
    const char* defaultFolder;
};

const UserDir kUserDirs[] = {
    {"XDG_DESKTOP_DIR", "Desktop", "Desktop"},
    {"XDG_DOCUMENTS_DIR", "Documents", "Documents"},
    {"XDG_DOWNLOAD_DIR", "Downloads", "Downloads"},
    {"XDG_MUSIC_DIR", "Music", "Music"},
    {"XDG_PICTURES_DIR", "Pictures", "Pictures"},
    {"XDG_VIDEOS_DIR", "Videos", "Videos"},
    {"XDG_TEMPLATES_DIR", "Templates", "Templates"},
    {"XDG_PUBLICSHARE_DIR", "Public", "Public"},
};

}  // namespace

XdgEnvironment XdgEnvironment::FromProcess() {
    return XdgEnvironment{HomeFolder(),          Env("XDG_CONFIG_HOME"), Env("XDG_DATA_HOME"),
                          Env("XDG_CACHE_HOME"), Env("XDG_DATA_DIRS"),   Env("XDG_CONFIG_DIRS")};
}

std::string XdgEnvironment::configFolder() const {
    return OrDefault(configHome, Join(home, ".config"));
}

std::string XdgEnvironment::dataFolder() const {
    return OrDefault(dataHome, Join(home, ".local/share"));
}

std::string XdgEnvironment::cacheFolder() const {
    return OrDefault(cacheHome, Join(home, ".cache"));
}

std::vector<std::string> XdgEnvironment::systemDataFolders() const {
    return SplitFolders(dataDirs, "/usr/local/share:/usr/share");
}

std::vector<std::string> XdgEnvironment::systemConfigFolders() const {
    return SplitFolders(configDirs, "/etc/xdg");
}

NamedFolders ParseUserDirs(std::string_view text, const std::string& home) {
    NamedFolders entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        while (!line.empty() &&
               (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
            line.remove_suffix(1);
        }
        // Only the form the user-dirs tools write: NAME="value", value absolute or "$HOME/...".
        const std::size_t equals = line.find('=');
        if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
        const std::string_view variable = line.substr(0, equals);
        std::string_view quoted = line.substr(equals + 1);
        if (variable.empty() || quoted.size() < 2 || quoted.front() != '"' ||
            quoted.back() != '"') {
            continue;
        }
        quoted = quoted.substr(1, quoted.size() - 2);
        std::string value;
        bool valid = true;
        for (std::size_t i = 0; i < quoted.size(); ++i) {
            if (quoted[i] == '\\' && i + 1 < quoted.size()) {
                value += quoted[++i];
            } else if (quoted[i] == '"') {
                valid = false;
            } else {
                value += quoted[i];
            }
        }
        if (!valid) continue;
        if (value.starts_with("$HOME")) {
            const std::string_view rest = std::string_view(value).substr(5);
            if (!rest.empty() && rest.front() != '/') continue;
            value = home + std::string(rest);
        } else if (value.empty() || value.front() != '/') {
            continue;
        }
        while (value.size() > 1 && value.back() == '/') value.pop_back();
        entries.emplace_back(std::string(variable), std::move(value));
    }
    return entries;
}

NamedFolders UserShellFolders(const XdgEnvironment& environment) {
    const NamedFolders configured = ParseUserDirs(
        ReadSmallFile(Join(environment.configFolder(), "user-dirs.dirs")), environment.home);
    NamedFolders folders;
    for (const UserDir& dir : kUserDirs) {
        std::string folder = Join(environment.home, dir.defaultFolder);
        // The last assignment of a variable wins, as when the file is sourced by a shell.
        for (const auto& [variable, value] : configured) {
            if (variable == dir.variable) folder = value;
        }
        folders.emplace_back(dir.name, std::move(folder));
    }
    const std::string data = environment.dataFolder();
    folders.emplace_back("Data", data);
    folders.emplace_back("Config", environment.configFolder());
    folders.emplace_back("Cache", environment.cacheFolder());
    folders.emplace_back("Fonts", Join(data, "fonts"));
    folders.emplace_back("Applications", Join(data, "applications"));
    return folders;
}

NamedFolders MachineShellFolders(const XdgEnvironment& environment) {
    NamedFolders folders;
    const auto add = [&](const char* name, const std::vector<std::string>& list) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            std::string folder = list[i];
            while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
            std::string numbered = name;
            if (i > 0) {
                numbered += ' ';
                numbered += std::to_string(i + 1);
            }
            folders.emplace_back(std::move(numbered), std::move(folder));
        }
    };
    add("Data", environment.systemDataFolders());
    add("Config", environment.systemConfigFolders());
    return folders;
}

}  // namespace pendara
