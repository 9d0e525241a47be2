#pragma once

#include <memory>
#include <string>

#include "platform/settings_store.h"
#include "platform/xdg_folders.h"

namespace pendara {

// The settings store of a Linux desktop. The current user's keys live in one text file (the
// format of SettingsFile); the machine's root is read-only. Both roots serve the shell folder
// key, read-only, from the XDG folders of `environment`.
//
// Every change takes an exclusive lock on the settings file itself (the file a link leads to),
// re-reads it, makes the change and replaces the file by renaming a fully written temporary file
// over it, so stores reaching the file by any path never lose each other's changes, no lock file
// is left beside it and a crash never leaves half a file. A file that cannot be read, is not in
// the format, or could not be written (a read-only file or folder) is never written over: changes
// then fail, naming the file and the reason. Reads parse the file only when it has changed since
// the last read.
std::unique_ptr<SettingsStore> MakeLinuxSettingsStore(std::string file, XdgEnvironment environment);

// The store of the running program: the process's environment and DefaultSettingsFile().
std::unique_ptr<SettingsStore> MakeLinuxSettingsStore();

// "$XDG_CONFIG_HOME/pendara/settings.ini", or "~/.config/pendara/settings.ini".
std::string DefaultSettingsFile(const XdgEnvironment& environment);

// Larger files are taken for damaged rather than read into memory.
inline constexpr std::size_t kMaxSettingsFileSize = 16 * 1024 * 1024;

}  // namespace pendara
