#pragma once

#include <string>
#include <vector>

namespace pendara::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs pendara-cli with `args`, feeding `input` to its standard input. With `outPath` its
// standard output goes to that file instead of being captured.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                 const char* outPath = nullptr);

// A file in a fresh temporary folder holding `bytes`; removed with the folder at exit.
std::string TempFile(const std::string& name, const std::string& bytes);
// Where TempFile(name, ...) puts its file, without making it.
std::string TempPath(const std::string& name);
// The bytes of the file at `path`; "" when there is none.
std::string FileBytes(const std::string& path);

}  // namespace pendara::testing
