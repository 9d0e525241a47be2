#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pendara {

// The environment the per-user and system-wide folders are found from. An empty member stands
// for an unset variable.
struct XdgEnvironment {
    std::string home;
    std::string configHome;  // XDG_CONFIG_HOME
    std::string dataHome;    // XDG_DATA_HOME
    std::string cacheHome;   // XDG_CACHE_HOME
    std::string dataDirs;    // XDG_DATA_DIRS
    std::string configDirs;  // XDG_CONFIG_DIRS

    // From the running process's environment.
    static XdgEnvironment FromProcess();

    // The folders the variables name, or their defaults when unset or not absolute.
    std::string configFolder() const;
    std::string dataFolder() const;
    std::string cacheFolder() const;
    std::vector<std::string> systemDataFolders() const;
    std::vector<std::string> systemConfigFolders() const;
};

using NamedFolders = std::vector<std::pair<std::string, std::string>>;

// The user's folders under names a user knows: the user directories of `user-dirs.dirs` in the
// config folder ("Desktop", "Documents", "Downloads", "Music", "Pictures", "Videos",
// "Templates", "Public"; a missing file or entry gives the usual folder under home), then
// "Data", "Config", "Cache", "Fonts" and "Applications".
NamedFolders UserShellFolders(const XdgEnvironment& environment);

// The machine's shared data and config folders: "Data", "Data 2", ..., "Config", "Config 2", ...
NamedFolders MachineShellFolders(const XdgEnvironment& environment);

// The entries of a user-dirs.dirs text, XDG_DESKTOP_DIR="$HOME/Desktop" and the like, as
// (variable, folder) with $HOME replaced. Lines in another form are skipped.
NamedFolders ParseUserDirs(std::string_view text, const std::string& home);

}  // namespace pendara
