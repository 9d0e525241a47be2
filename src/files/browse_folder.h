#pragma once

#include <string>
#include <string_view>

namespace pendara {

// The folder a browse for a list file starts in, from the text of the box being filled: the
// text up to and including its last "/", "\" or ":", without a closing separator unless that
// would leave a root ("/", "C:\") or a single character. "" when the text names no folder, which
// leaves the starting folder to the dialog.
// Examples: "/home/ann/list.txt" gives "/home/ann"; "C:\Lists\a.txt" gives "C:\Lists";
// "C:\a.txt" gives "C:\"; "/a.txt" gives "/"; "a.txt" gives "".
std::string InitialBrowseFolder(std::string_view boxText);

}  // namespace pendara
