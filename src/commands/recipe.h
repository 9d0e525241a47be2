#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "commands/invocation.h"
#include "list/line_list.h"

namespace pendara {

// One step of a recipe and the line of the recipe it stands on (from 1).
struct RecipeStep {
    int line = 0;
    Invocation invocation;
};

// A recipe's steps. `name` is how errors name the recipe ("clean.txt:3: unknown option --x");
// relative list files the steps name are taken from `folder` ("" leaves them as they are).
// Blank lines and lines whose first non-blank is '#' are skipped; CR LF ends are accepted.
// A step that is not one fails as a UsageError naming its line; so does `count` before the last.
std::vector<RecipeStep> ParseRecipe(std::string_view text, const std::string& name,
                                    const std::string& folder = {});

// The recipe text of `steps`, one line each, ending in LF.
std::string WriteRecipe(const std::vector<Invocation>& steps);

// Every step on `list` in turn. A failing step fails naming its line, and `list` is left as it
// was.
void ApplyRecipe(const std::vector<RecipeStep>& steps, const std::string& name, LineList& list);
// The same, reaching the lists the steps name through `lists`.
void ApplyRecipe(const std::vector<RecipeStep>& steps, const std::string& name, LineList& list,
                 ListOpener& lists);

}  // namespace pendara
