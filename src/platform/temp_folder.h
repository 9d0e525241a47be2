#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace pendara {

// A private per-user folder for the program's scratch files (the table files of the support
// pages). Files in it have fixed names, so it must be a folder no other user can write to.
class TempFolder {
public:
    virtual ~TempFolder() = default;

    // The folder's path, ending with "/".
    virtual std::string path() const = 0;

    // Replaces the file `name` in the folder with `bytes`, all or nothing, never writing through
    // a link. Creates the folder (owner-only) when it is missing and refuses one that is not the
    // user's own private folder. Fails with "Cannot create file \"%s\". %s" (full path, reason).
    virtual void writeFile(const std::string& name, std::string_view bytes) = 0;

    // The bytes of the file `name` in the folder, never read through a link.
    // Fails with "Cannot open file \"%s\". %s".
    virtual std::string readFile(const std::string& name) const = 0;
};

// The folder for this user: $XDG_RUNTIME_DIR/pendara, else $XDG_CACHE_HOME/pendara, else
// ~/.cache/pendara (absolute paths only; relative ones in the environment are ignored).
std::string DefaultTempFolderPath();

// A temporary folder at `folder` (created on first write).
std::unique_ptr<TempFolder> MakeLinuxTempFolder(
    const std::string& folder = DefaultTempFolderPath());

}  // namespace pendara
