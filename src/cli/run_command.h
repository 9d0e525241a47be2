#pragma once

#include <string>
#include <vector>

#include "commands/recipe.h"

namespace pendara::cli {

// Runs a checked command line: its list from the input, its result to standard output.
void RunCommand(const CommandLine& commandLine);

// Runs a recipe's steps in one process over the inputs of `commandLine` (that of `run`), each
// step's result streaming into the next; errors name `name` and the step's line. The tool's
// options (-o, -i, -z, --crlf, --encoding) do what they do for any command; with -z each step
// takes the records the last one gave, as a pipe of the same commands with -z would.
void RunRecipe(const std::vector<RecipeStep>& steps, const std::string& name,
               const CommandLine& commandLine);

}  // namespace pendara::cli
