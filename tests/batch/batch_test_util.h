#pragma once

#include <functional>
#include <string>
#include <vector>

#include "list/line_list.h"

namespace pendara::testing {

// The lines left after `edit` runs on a list holding `lines`.
inline std::vector<std::string> After(std::vector<std::string> lines,
                                      const std::function<void(LineList&)>& edit) {
    LineList list(std::move(lines));
    edit(list);
    return list.lines();
}

}  // namespace pendara::testing
