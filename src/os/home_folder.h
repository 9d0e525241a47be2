#pragma once

#include <string>

namespace pendara {

// $HOME when it is an absolute path, else the home folder of the account; "" when neither is
// known.
std::string HomeFolder();

}  // namespace pendara
