#pragma once

#include <string>

namespace pendara::cli {

// Shell completion scripts made from the catalogue: commands, their options and the values an
// option or argument may take, and file names where a list is read or written.
std::string BashCompletion();
std::string ZshCompletion();

}  // namespace pendara::cli
