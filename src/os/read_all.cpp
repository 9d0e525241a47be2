#include "os/read_all.h"

#include <unistd.h>

#include <cerrno>

namespace pendara {

int ReadAll(int fd, std::string& out, std::size_t limit) {
    char chunk[1 << 16];
    while (out.size() <= limit) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) break;
        out.append(chunk, static_cast<std::size_t>(got));
    }
    return 0;
}

}  // namespace pendara
