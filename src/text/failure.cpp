#include "text/failure.h"

namespace pendara {

std::string FormatMessage(std::string pattern, std::initializer_list<std::string> args) {
    std::size_t from = 0;
    for (const std::string& arg : args) {
        std::size_t at = pattern.find('%', from);
        while (at != std::string::npos && at + 1 < pattern.size() && pattern[at + 1] != 's' &&
               pattern[at + 1] != 'd') {
            at = pattern.find('%', at + 1);
        }
        if (at == std::string::npos || at + 1 >= pattern.size()) break;
        pattern.replace(at, 2, arg);
        from = at + arg.size();
    }
    return pattern;
}

}  // namespace pendara
