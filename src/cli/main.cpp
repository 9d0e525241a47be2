// pendara-cli: the list rules of Pendara from a shell.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <new>

#include "cli/catalogue_texts.h"
#include "cli/run_command.h"
#include "files/list_file.h"
#include "os/system_reason.h"
#include "text/failure.h"
#include "version.h"

namespace {

using pendara::CommandEntry;
using pendara::OptionSpec;

void PrintHelp() {
    std::printf(
        "Usage: pendara-cli COMMAND [OPTIONS] [FILE...]\n"
        "       pendara-cli --help | --version\n"
        "       pendara-cli COMMAND --help\n"
        "       pendara-cli run [OPTIONS] RECIPE [FILE...]\n\n"
        "Reads the list from the FILEs one after another, or standard input when there is\n"
        "none or one is '-'. Writes each result line followed by LF (CR LF with --crlf),\n"
        "to standard output or, with -o FILE, to FILE. -i replaces each FILE with its own\n"
        "result; -z reads and writes records ended by NUL.\n\nCommands:\n");
    for (const CommandEntry& command : pendara::Catalogue()) {
        std::printf("  %-14s %s\n", command.name.c_str(), command.summary.c_str());
    }
}

void PrintCommandHelp(const CommandEntry& command) {
    std::printf("Usage: pendara-cli %s\n%s\n", command.usage().c_str(), command.summary.c_str());
    std::vector<const OptionSpec*> options;
    for (const OptionSpec& option : command.options) options.push_back(&option);
    for (const OptionSpec* option : pendara::ToolOptionsFor(command)) options.push_back(option);
    // "-r, --reverse"; a long option and its values take a line of their own, its help the next.
    const auto label = [](const OptionSpec& option) {
        return (option.shortName != 0 ? std::string{'-', option.shortName} + ", " : "    ") +
               option.usage();
    };
    constexpr std::size_t kMostWidth = 24;
    std::size_t width = 0;
    for (const OptionSpec* option : options) {
        if (label(*option).size() <= kMostWidth) width = std::max(width, label(*option).size());
    }
    std::printf("\nOptions:\n");
    for (const OptionSpec* option : options) {
        const std::string usage = label(*option);
        if (usage.size() > width) std::printf("  %s\n", usage.c_str());
        std::printf("  %-*s  %s\n", static_cast<int>(width),
                    usage.size() > width ? "" : usage.c_str(), option->help.c_str());
    }
}

// Everything printed must reach its reader: a full disk or a closed pipe is an error, not help.
int Flushed() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        throw pendara::Failure("write error: " + pendara::SystemReason(errno));
    }
    return 0;
}

int Usage(const std::string& message, const std::string& hint) {
    std::fprintf(stderr, "pendara-cli: %s\nUsage: pendara-cli %s\n", message.c_str(), hint.c_str());
    return 2;
}

// `run` as the command line has it: the recipe, then the lists, with the tool's options.
const CommandEntry& RunEntry() {
    static const CommandEntry entry{
        .name = "run",
        .summary = "apply a recipe's steps in order, in one process",
        .arguments = {{.name = "RECIPE"}},
    };
    return entry;
}

// run [OPTIONS] RECIPE [FILE...]: the recipe's steps over the lists.
int RunRecipeCommand(const std::vector<std::string>& words) {
    pendara::CommandLine line{pendara::Invocation(RunEntry())};
    try {
        line = pendara::ParseCommandLine(RunEntry(), words);
    } catch (const pendara::UsageError& error) {
        return Usage(error.what(), RunEntry().usage());
    }
    const std::string name = line.invocation.argument(0);
    std::string text;
    try {
        text = pendara::ReadListFileBytes(name);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendara-cli: %s\n", error.what());
        return 1;
    }
    try {
        const std::vector<pendara::RecipeStep> steps =
            pendara::ParseRecipe(text, name, std::filesystem::path(name).parent_path().string());
        pendara::cli::RunRecipe(steps, name, line);
    } catch (const pendara::UsageError& error) {
        // The message names the recipe's line; the usage of run would not help there.
        std::fprintf(stderr, "pendara-cli: %s\n", error.what());
        return 2;
    }
    return Flushed();
}

int Run(const std::vector<std::string>& words) {
    const char* const hint = "COMMAND [OPTIONS] [FILE...] (see --help)";
    if (words.empty()) return Usage("no command given", hint);
    // Help is asked for only by the first word or the word right after the command; anywhere
    // else "--help" is an option the command does not know, or a value or file name after "--".
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "--version") {
        if (words.size() > 1) return Usage("unexpected argument '" + words[1] + "'", hint);
        if (words[0] == "--version") {
            std::printf(
                "pendara-cli %s\nCopyright (C) 2026 Pendara developers\n"
                "License GPL-3.0-or-later: GNU GPL version 3 or later "
                "<https://gnu.org/licenses/gpl.html>.\n"
                "This is free software: you are free to change and redistribute it.\n"
                "There is NO WARRANTY, to the extent permitted by law.\n",
                pendara::kVersion);
        } else {
            PrintHelp();
        }
        return Flushed();
    }
    // For the build: the texts the package ships, made from the catalogue.
    if (words[0] == "--generate" && words.size() == 2) {
        if (words[1] == "bash") std::fputs(pendara::cli::BashCompletion().c_str(), stdout);
        if (words[1] == "zsh") std::fputs(pendara::cli::ZshCompletion().c_str(), stdout);
        if (words[1] == "man") std::fputs(pendara::cli::ManPageSections().c_str(), stdout);
        return Flushed();
    }
    if (words[0] == "run" && words.size() > 1 && words[1] == "--help") {
        PrintCommandHelp(RunEntry());
        return Flushed();
    }
    if (words[0] == "run") {
        return RunRecipeCommand(std::vector<std::string>(words.begin() + 1, words.end()));
    }
    const CommandEntry* command = pendara::FindCommand(words[0]);
    if (command == nullptr) return Usage("unknown command '" + words[0] + "'", hint);
    if (words.size() > 1 && words[1] == "--help") {
        PrintCommandHelp(*command);
        return Flushed();
    }
    try {
        pendara::cli::RunCommand(pendara::ParseCommandLine(
            *command, std::vector<std::string>(words.begin() + 1, words.end())));
        return Flushed();
    } catch (const pendara::UsageError& error) {
        return Usage(error.what(), command->usage());
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Output past the file-size limit fails as a write error instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Whatever goes wrong ends in a message and status 1, never in an abort.
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "pendara-cli: Out of memory\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pendara-cli: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "pendara-cli: unexpected failure\n");
    }
    return 1;
}
