#include "extras/shell_folder_rows.h"

namespace pendara {

void ShellFolderRows(SettingsStore& store, SettingsRoot root, std::vector<std::string>& rows) {
    std::vector<std::string> names;
    ListRegValueNames(store, root, kShellFoldersKey, names);
    rows.clear();
    rows.reserve(names.size());
    for (const std::string& name : names) {
        rows.push_back(name + "=" + ReadRegText(store, root, kShellFoldersKey, name));
    }
}

}  // namespace pendara
