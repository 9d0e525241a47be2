#include "os/home_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace pendara {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
    passwd entry{};
    passwd* found = nullptr;
    std::string buffer(16384, '\0');
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

}  // namespace pendara
