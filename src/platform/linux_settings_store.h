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
// Every change re-reads the file under an exclusive lock on "<file>.lock", makes the change and
// replaces the file by renaming a fully written temporary file over it, so two windows or two
// running copies never lose each other's changes and a crash never leaves half a file. A file
// that cannot be read or is not in the format reads as holding no keys and is never written
// over: changes then fail.
std::unique_ptr<SettingsStore> MakeLinuxSettingsStore(std::string file, XdgEnvironment environment);

// The store of the running program: the process's environment and DefaultSettingsFile().
std::unique_ptr<SettingsStore> MakeLinuxSettingsStore();

// "$XDG_CONFIG_HOME/pendara/settings.ini", or "~/.config/pendara/settings.ini".
std::string DefaultSettingsFile(const XdgEnvironment& environment);

// Larger files are taken for damaged rather than read into memory.
inline constexpr std::size_t kMaxSettingsFileSize = 16 * 1024 * 1024;

}  // namespace pendara
