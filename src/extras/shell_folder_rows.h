#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace pendara {

// The shell folder rows of a root, "name=location", in the order the store lists the names.
// `rows` is emptied first; each name is then read by itself, so a value that vanished since the
// listing gives an empty location. A value that is not text fails with "Invalid data type for
// '%s'"; the rows made before it stay in `rows`.
void ShellFolderRows(SettingsStore& store, SettingsRoot root, std::vector<std::string>& rows);

}  // namespace pendara
