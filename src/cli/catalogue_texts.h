#pragma once

#include <string>

namespace pendara::cli {

// Texts the package ships, made from the catalogue so that they never describe the commands
// differently from the program.

// Shell completion scripts: commands, their options and the values an option or argument may
// take, and file names where a list is read or written.
std::string BashCompletion();
std::string ZshCompletion();

// The manual page's COMMANDS and OPTIONS sections, in roff.
std::string ManPageSections();

}  // namespace pendara::cli
