#include "shaping/joiner.h"

namespace pendara {

bool Joiner::add(std::string& out, std::string_view line) {
    if (inRun_ > 0) out += options_.separator;
    out += line;
    if (++inRun_ != options_.every) return false;
    inRun_ = 0;
    return true;
}

}  // namespace pendara
