#include "cli/cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace pendara::testing {

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pendara-cli-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        std::filesystem::path made(pattern);
        std::atexit([] { std::filesystem::remove_all(Folder()); });
        return made;
    }();
    return folder;
}

}  // namespace

std::string TempPath(const std::string& name) { return (Folder() / name).string(); }

std::string TempFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = Folder() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string FileBytes(const std::string& path) { return Slurp(path); }

CliResult RunCli(const std::vector<std::string>& args, const std::string& input,
                 const char* outPath) {
    const std::string in = TempFile("stdin", input);
    const std::string out = outPath ? outPath : (Folder() / "stdout").string();
    const std::string err = (Folder() / "stderr").string();
    const pid_t child = ::fork();
    if (child == 0) {
        if (!std::freopen(in.c_str(), "rb", stdin) || !std::freopen(out.c_str(), "wb", stdout) ||
            !std::freopen(err.c_str(), "wb", stderr)) {
            ::_exit(127);
        }
        std::vector<char*> argv{const_cast<char*>(PENDARA_CLI)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(PENDARA_CLI, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!outPath) result.out = Slurp(out);
    result.err = Slurp(err);
    return result;
}

}  // namespace pendara::testing
