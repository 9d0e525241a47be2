#include "commands/recipe.h"

#include <filesystem>
#include <new>

#include "commands/apply.h"
#include "text/failure.h"

namespace pendara {

namespace {

std::string Where(const std::string& name, int line) {
    return name + ":" + std::to_string(line) + ": ";
}

bool IsBlankByte(char c) { return c > 0 && c <= ' ' && c != '\n' && c != '\r'; }

// A relative list file is the recipe's neighbour, wherever the recipe is run from.
void ResolveLists(Invocation& invocation, const std::string& folder) {
    if (folder.empty()) return;
    const std::vector<ArgumentSpec>& slots = invocation.entry().arguments;
    Invocation resolved(invocation.entry());
    for (const auto& [option, values] : invocation.options()) resolved.set(option, values);
    const std::string& input = invocation.input();
    resolved.setInput(input.empty() || input == "-" || std::filesystem::path(input).is_absolute()
                          ? input
                          : (std::filesystem::path(folder) / input).string());
    for (std::size_t i = 0; i < invocation.arguments().size(); ++i) {
        std::string argument = invocation.arguments()[i];
        if (i < slots.size() && slots[i].kind == ArgumentKind::List && argument != "-" &&
            std::filesystem::path(argument).is_relative()) {
            argument = (std::filesystem::path(folder) / argument).string();
        }
        resolved.add(std::move(argument));
    }
    invocation = std::move(resolved);
}

}  // namespace

std::vector<RecipeStep> ParseRecipe(std::string_view text, const std::string& name,
                                    const std::string& folder) {
    std::vector<RecipeStep> steps;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        std::size_t first = 0;
        while (first < line.size() && IsBlankByte(line[first])) ++first;
        if (first == line.size() || line[first] == '#') continue;
        if (!steps.empty() && steps.back().invocation.entry().result == ResultKind::Number) {
            throw UsageError(Where(name, steps.back().line) + "count may only be the last step");
        }
        try {
            Invocation invocation = ReadInvocation(line);
            ResolveLists(invocation, folder);
            steps.push_back({number, std::move(invocation)});
        } catch (const UsageError& error) {
            throw UsageError(Where(name, number) + error.what());
        }
    }
    return steps;
}

std::string WriteRecipe(const std::vector<Invocation>& steps) {
    std::string text;
    for (const Invocation& step : steps) text += WriteInvocation(step) + "\n";
    return text;
}

void ApplyRecipe(const std::vector<RecipeStep>& steps, const std::string& name, LineList& list) {
    FileLists files;
    ApplyRecipe(steps, name, list, files);
}

void ApplyRecipe(const std::vector<RecipeStep>& steps, const std::string& name, LineList& list,
                 ListOpener& lists) {
    // Steps work on a copy: a step that fails midway leaves the list as it came.
    LineList work = list;
    for (const RecipeStep& step : steps) {
        try {
            ApplyInvocation(step.invocation, work, lists);
        } catch (const UsageError& error) {
            throw UsageError(Where(name, step.line) + error.what());
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& error) {
            throw Failure(Where(name, step.line) + error.what());
        }
    }
    list = std::move(work);
}

}  // namespace pendara
