#include "files/browse_folder.h"

namespace pendara {

std::string InitialBrowseFolder(std::string_view boxText) {
    const std::size_t last = boxText.find_last_of("/\\:");
    if (last == std::string_view::npos) return {};
    std::string folder(boxText.substr(0, last + 1));
    // A drive root keeps its backslash ("C:\"); so does a lone separator ("/", "\").
    const char end = folder.back();
    if (folder.size() > 1 && (end == '\\' || end == '/') && folder[folder.size() - 2] != ':') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace pendara
