// pendara-cli: the list rules of Pendara from a shell.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <new>

#include "cli/cli_command.h"
#include "text/failure.h"
#include "version.h"

namespace {

using pendara::cli::Command;

std::vector<Command> AllCommands() {
    std::vector<Command> all;
    for (auto table :
         {pendara::cli::ListCommands, pendara::cli::ExtraListCommands, pendara::cli::BatchCommands,
          pendara::cli::MergeCommands, pendara::cli::CompareCommands}) {
        for (Command& command : table()) all.push_back(std::move(command));
    }
    return all;
}

void PrintHelp(const std::vector<Command>& commands) {
    std::printf(
        "Usage: pendara-cli COMMAND [OPTIONS] [FILE]\n"
        "       pendara-cli --help | --version\n"
        "       pendara-cli COMMAND --help\n\n"
        "Reads the list from FILE, or standard input when FILE is absent or '-'.\n"
        "Writes each result line followed by LF (CR LF with --crlf).\n\nCommands:\n");
    for (const Command& command : commands) {
        std::printf("  %-14s %s\n", command.name.c_str(), command.summary.c_str());
    }
}

// Everything printed must reach its reader: a full disk or a closed pipe is an error, not help.
int Flushed() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        throw pendara::Failure("Stream write error");
    }
    return 0;
}

int Usage(const std::string& message, const std::string& hint) {
    std::fprintf(stderr, "pendara-cli: %s\nUsage: pendara-cli %s\n", message.c_str(), hint.c_str());
    return 2;
}

int Run(const std::vector<std::string>& words) {
    const std::vector<Command> commands = AllCommands();
    const char* const hint = "COMMAND [OPTIONS] [FILE] (see --help)";
    if (words.empty()) return Usage("no command given", hint);
    // Help is asked for only by the first word or the word right after the command; anywhere
    // else "--help" is an option the command does not know, or a value or file name after "--".
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "--version") {
        if (words.size() > 1) return Usage("unexpected argument '" + words[1] + "'", hint);
        if (words[0] == "--version") {
            std::printf("pendara-cli %s\n", pendara::kVersion);
        } else {
            PrintHelp(commands);
        }
        return Flushed();
    }
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == words[0]; });
    if (command == commands.end()) return Usage("unknown command '" + words[0] + "'", hint);
    if (words.size() > 1 && words[1] == "--help") {
        std::printf("Usage: pendara-cli %s\n%s\n", command->usage.c_str(),
                    command->summary.c_str());
        return Flushed();
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    try {
        std::vector<pendara::cli::OptionShape> options = command->options;
        options.push_back({"--crlf", 0});
        pendara::cli::Context context{pendara::cli::Arguments(rest, options)};
        const std::vector<std::string>& plain = context.args.plain();
        if (plain.size() < command->minPlain) throw pendara::cli::UsageError("missing argument");
        if (plain.size() > command->maxPlain) {
            throw pendara::cli::UsageError("unexpected argument '" + plain.back() + "'");
        }
        // An optional FILE is the last plain argument; '' names no file, and is not stdin.
        const bool hasOptionalFile =
            command->maxPlain > command->minPlain && plain.size() == command->maxPlain;
        if (hasOptionalFile && plain.back().empty()) {
            throw pendara::cli::UsageError("a file name is empty");
        }
        command->run(context);
        return Flushed();
    } catch (const pendara::cli::UsageError& error) {
        return Usage(error.what(), command->usage);
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
