#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

std::string Out(const std::vector<std::string>& args, const std::string& input = "") {
    const CliResult result = RunCli(args, input);
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
}

// Wrong usage exits with status 2 and names the command's usage.
void ExpectUsageError(const std::vector<std::string>& args) {
    const CliResult result = RunCli(args, "a\n");
    EXPECT_EQ(result.status, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_NE(result.err.find("Usage: pendara-cli " + args[0]), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST(CliAdd, IndexOrSearchEitherDirection) {
    EXPECT_EQ(Out({"add", "-"}, "abc\n\n"), "-abc\n-\n");
    EXPECT_EQ(Out({"add", "-", "--at", "3"}, "abcdef\n"), "ab-cdef\n");
    EXPECT_EQ(Out({"add", "-", "--at", "3", "--backwards"}, "abcdef\n"), "abcd-ef\n");
    EXPECT_EQ(Out({"add", "#", "--next-to", "="}, "key=value=x\nnone\n"), "key=#value=x\nnone\n");
    EXPECT_EQ(Out({"add", "#", "--next-to", "=", "--backwards", "--crlf"}, "k=v"), "k#=v\r\n");
    EXPECT_EQ(Out({"add", "x", TempFile("add.txt", "a\r\nb\r\n")}), "xa\nxb\n");
}

TEST(CliRemove, CountFromPositionOrNextToText) {
    EXPECT_EQ(Out({"remove"}, "abc\n\n"), "bc\n\n");
    EXPECT_EQ(Out({"remove", "--count", "2", "--at", "2"}, "abcdefgh\n"), "adefgh\n");
    EXPECT_EQ(Out({"remove", "--count", "2", "--at", "2", "--backwards"}, "abcdefgh\n"),
              "abcdeh\n");
    EXPECT_EQ(Out({"remove", "--next-to", ":"}, "name: value\n"), "name:value\n");
    EXPECT_EQ(Out({"remove", "--next-to", ":", "--backwards"}, "name: value\n"), "nam: value\n");
}

TEST(CliReplace, FindWithAndFile) {
    EXPECT_EQ(Out({"replace", "-", "+"}, "a-b-c\n"), "a+b+c\n");
    EXPECT_EQ(Out({"replace", "-"}, "a-b-c\n"), "abc\n");
    EXPECT_EQ(Out({"replace", "", "x"}, "abc\n"), "abc\n");
    EXPECT_EQ(Out({"replace", "aa", "a", TempFile("rep.txt", "aaaa\n")}), "aa\n");
}

TEST(CliFilter, IncludeExcludeModesAndCase) {
    const std::string fruit = "red apple\ngreen apple\nred car\n\n";
    EXPECT_EQ(Out({"filter", "--include", "red apple"}, fruit), "red apple\n");
    EXPECT_EQ(Out({"filter", "--include", "red apple", "--any"}, fruit),
              "red apple\ngreen apple\nred car\n");
    EXPECT_EQ(Out({"filter", "--exclude", "car"}, fruit), "red apple\ngreen apple\n\n");
    EXPECT_EQ(Out({"filter", "--exclude", "red car", "--exclude-all"}, fruit),
              "red apple\ngreen apple\n\n");
    EXPECT_EQ(Out({"filter", "--include", "RED"}, fruit), "red apple\nred car\n");
    EXPECT_EQ(Out({"filter", "--include", "RED", "--match-case"}, fruit), "");
    EXPECT_EQ(Out({"filter"}, fruit), fruit);
}

TEST(CliCleanup, RemoveEmptyTrimRemoveLength) {
    EXPECT_EQ(Out({"remove-empty"}, "a\n\n  \nb\n"), "a\n  \nb\n");
    EXPECT_EQ(Out({"remove-empty", "--ignore-space"}, "a\n\n \t\nb\n"), "a\nb\n");
    EXPECT_EQ(Out({"trim"}, "  a b  \n"), "a b\n");
    EXPECT_EQ(Out({"trim", "--left"}, "  a b  \n"), "a b  \n");
    EXPECT_EQ(Out({"trim", "--right"}, "  a b  \n"), "  a b\n");
    const std::string lines = "a\n\nabc\nabcde\n";
    EXPECT_EQ(Out({"remove-length", "--equal", "0"}, lines), "a\nabc\nabcde\n");
    EXPECT_EQ(Out({"remove-length", "--less", "2"}, lines), "abc\nabcde\n");
    EXPECT_EQ(Out({"remove-length", "--more", "0"}, lines), "\n");
    EXPECT_EQ(Out({"remove-length", "--range", "4", "2"}, lines), "a\n\nabcde\n");
}

TEST(CliBatch, UsageErrors) {
    ExpectUsageError({"add"});
    ExpectUsageError({"add", "x", "--at", "0"});
    ExpectUsageError({"add", "x", "--at", "10000001"});
    ExpectUsageError({"add", "x", "--at", "1.5"});
    ExpectUsageError({"add", "x", "--at", "1", "--next-to", "y"});
    ExpectUsageError({"add", "x", "--next-to"});
    ExpectUsageError({"remove", "--count", "-1"});
    ExpectUsageError({"remove", "--count", "abc"});
    ExpectUsageError({"remove", "--at", "99999999999"});
    ExpectUsageError({"replace"});
    ExpectUsageError({"replace", "a", "b", "--in-place"});  // more words are more files
    ExpectUsageError({"filter", "--include"});
    ExpectUsageError({"trim", "--both"});
    ExpectUsageError({"remove-length"});
    ExpectUsageError({"remove-length", "--equal", "1", "--more", "2"});
    ExpectUsageError({"remove-length", "--less", "0"});
    ExpectUsageError({"remove-length", "--more", "-1"});
    ExpectUsageError({"remove-length", "--range", "1"});
    ExpectUsageError({"remove-length", "--range", "1", "10000001"});
}

TEST(CliBatch, LimitsAndOddBytesAreSafe) {
    EXPECT_EQ(Out({"remove", "--count", "10000000", "--at", "10000000"}, "abc\n"), "abc\n");
    EXPECT_EQ(Out({"add", "x", "--at", "+10000000", "--backwards"}, "abc\n"), "xabc\n");
    // Invalid UTF-8 passes through byte for byte; a multi-byte character is never cut.
    EXPECT_EQ(Out({"remove", "--at", "2"}, "\xFF\xC3\xA4z\n"), "\xFFz\n");
    const std::string longLine(1 << 20, 'a');
    EXPECT_EQ(Out({"remove-length", "--more", "1048575"}, longLine + "\nb\n"), "b\n");
    EXPECT_EQ(Out({"add", "#", "--at", "1048576", "--backwards"}, longLine + "\n"),
              "a#" + longLine.substr(1) + "\n");
}

}  // namespace
}  // namespace pendara::testing

namespace pendara::testing {
namespace {

// The commands work through long input a few thousand lines at a time; no line may be lost,
// doubled or joined where one piece of work ends and the next begins.
TEST(CliBatchCommands, LongInputKeepsEveryLineAcrossPieces) {
    std::string input, kept, prefixed;
    for (int i = 0; i < 10000; ++i) {
        const std::string line = i % 3 == 0 ? std::string() : "line " + std::to_string(i);
        input += line + (i % 2 ? "\r\n" : "\n");
        if (!line.empty()) kept += line + "\n";
        prefixed += "#" + line + "\n";
    }
    EXPECT_EQ(RunCli({"remove-empty"}, input).out, kept);
    EXPECT_EQ(RunCli({"add", "#"}, input).out, prefixed);
}

// Guards the lines a command leaves as they are, which go out straight from what was read,
// against keeping their own CR, LF or CR LF in place of the output's line end.
TEST(CliBatchCommands, UnchangedLinesTakeTheOutputLineEnd) {
    const char* const breaks[] = {"\n", "\r\n", "\r"};
    std::string input;
    std::vector<std::string> lines;
    for (int i = 0; i < 40000; ++i) {
        lines.push_back(i % 5 == 0 ? std::string()
                                   : (i % 7 ? "line " : " line ") + std::to_string(i));
        // An empty line ends in CR or CR LF: after a CR, a lone LF would join that CR's break.
        const char* const brk = lines.back().empty() ? breaks[1 + i % 2] : breaks[i % 3];
        input += lines.back() + (i + 1 < 40000 ? brk : "");
    }
    for (const std::string end : {"\n", "\r\n"}) {
        SCOPED_TRACE(end == "\n" ? "LF" : "CR LF");
        std::string nonEmpty, withSeven, trimmed;
        for (const std::string& line : lines) {
            if (!line.empty()) nonEmpty += line + end;
            if (line.find('7') != std::string::npos) withSeven += line + end;
            trimmed += (line.starts_with(' ') ? line.substr(1) : line) + end;
        }
        const std::vector<std::string> crlf =
            end == "\n" ? std::vector<std::string>{} : std::vector<std::string>{"--crlf"};
        const auto run = [&](std::vector<std::string> args) {
            args.insert(args.end(), crlf.begin(), crlf.end());
            return Out(args, input);
        };
        EXPECT_EQ(run({"remove-empty"}), nonEmpty);
        EXPECT_EQ(run({"filter", "--include", "line"}), nonEmpty);
        EXPECT_EQ(run({"filter", "--include", "7", "--match-case"}), withSeven);
        EXPECT_EQ(run({"trim"}), trimmed);
    }
}

}  // namespace
}  // namespace pendara::testing
