#pragma once

#include "commands/invocation.h"

namespace pendara::cli {

// Runs a checked command line: its list from the input, its result to standard output.
void RunCommand(const CommandLine& commandLine);

}  // namespace pendara::cli
