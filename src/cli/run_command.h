#pragma once

#include <string>
#include <vector>

#include "commands/recipe.h"

namespace pendara::cli {

// Runs a checked command line: its list from the input, its result to standard output.
void RunCommand(const CommandLine& commandLine);

// Runs a recipe's steps in one process over the lists in `inputs` (standard input when empty),
// each step's result streaming into the next; errors name `name` and the step's line. The
// result goes to `output` or, with `inPlace`, into each input file, as for any command.
void RunRecipe(const std::vector<RecipeStep>& steps, const std::string& name,
               const std::vector<std::string>& inputs, bool crlf, const std::string& output = {},
               bool inPlace = false);

}  // namespace pendara::cli
