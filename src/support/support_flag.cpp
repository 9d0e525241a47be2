#include "support/support_flag.h"

namespace pendara {

bool ShouldShowSupportDialog(std::string_view flag) { return flag.empty() || flag == "1"; }

std::string SupportValueName(int tag) {
    std::string name(tag >= 0 && tag < 10 ? "0" : "");
    name += std::to_string(tag);
    return name;
}

}  // namespace pendara
