#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "patterns/pattern.h"

namespace pendara::testing {
namespace {

using namespace std::string_literals;

TEST(CliPatternsAndShaping, GiveTheRulesResults) {
    const struct {
        std::vector<std::string> args;
        std::string input, out;
    } cases[] = {
        {{"match", "-e", "car", "-e", "pie"}, "apple pie\nred car\nx\n", "apple pie\nred car\n"},
        {{"match", "-v", "car"}, "apple pie\nred car\nx", "apple pie\nx\n"},
        {{"match", "-w", "-I", "ÉTÉ"}, "un été\nétés\n", "un été\n"},
        {{"match", "-x", "a|ab"}, "ab\nabc\n", "ab\n"},
        {{"match", "^$"}, "a\n\nb\n", "\n"},
        {{"replace", "--regex", "x*", "-"}, "xa\n", "-a-\n"},
        {{"replace", "--regex", "([a-z]+)=([0-9]+)", "\\2=\\1"}, "k=1 v=22\n", "1=k 22=v\n"},
        // Without --regex, FIND and WITH are plain text even with -I and --first.
        {{"replace", "-I", "A.", "\\1"}, "a.b A.c ax\n", "\\1b \\1c ax\n"},
        {{"replace", "--first", "a", "b"}, "aaa\nxyz\n", "baa\nxyz\n"},
        {{"extract", "--group", "1", "--all", "(\\w)="}, "a=1 b=2\nnone\n", "a\nb\n"},
        {{"extract", "--all", "[0-9]", "--crlf"}, "1a2\n", "1\r\n2\r\n"},
        {{"join", "--every", "2", "-t", "+"}, "a\nb\nc\n", "a+b\nc\n"},
        {{"join"}, "", ""},
        {{"join", "--crlf"}, "a\r\nb\r\n", "a, b\r\n"},
        {{"split", "--trim", "--drop-empty"}, " a , ,b\n", "a\nb\n"},
        {{"split", "-t", "→", "--crlf"}, "a→b\n", "a\r\nb\r\n"},
        {{"fields", "2,-1", "--blanks"}, "  x  y z \n", "y z\n"},
        {{"fields", "-1"}, "a\tb\nc\n", "b\nc\n"},
        {{"fields", "1,3", "-t", ";", "--output-separator", "|"}, "a;b;c\nd\n", "a|c\nd|\n"},
        {{"case", "title"}, "hello wORLD\n", "Hello World\n"},
        {{"case", "upper"}, "straße\n", "STRASSE\n"},
    };
    for (const auto& c : cases) {
        std::string trace;
        for (const std::string& arg : c.args) trace.append(arg).append(" ");
        SCOPED_TRACE(trace);
        const CliResult result = RunCli(c.args, c.input);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, c.out);
    }
}

TEST(CliPatternsAndShaping, RefuseWrongUsageWithItsReason) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"match", "a(b"}, "bad pattern \"a(b\": missing )"},
        {{"match", "-e", "ok", "-e", "x**"}, "bad pattern \"x**\": invalid repetition **"},
        {{"match"}, "missing argument"},
        {{"replace", "--regex", "(a)", "\\2"},
         "bad replacement \"\\2\": \\2 names a group the pattern does not have (it has 1)"},
        {{"extract", "--group", "2", "(a)"}, "there is no group 2 (the pattern has 1)"},
        {{"fields", "0"}, "bad field list item \"0\": not a field number"},
        {{"fields", "1", "--blanks", "-t", ","}, "use either --separator or --blanks, not both"},
        {{"split", "-t", ""}, "the separator is empty"},
        {{"case", "shout"}, "case takes upper, lower, title or sentence, not 'shout'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CliResult result = RunCli(c.args, "a\n");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err.rfind("pendara-cli: " + c.message, 0), 0u) << result.err;
        EXPECT_NE(result.err.find("Usage: pendara-cli " + c.args[0]), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
}

// Match searches many lines at once, across the reader's blocks; lines with CR or stray bytes
// and the last line without a break must come out as a search of each line on its own gives.
TEST(CliPatternsAndShaping, MatchOverBlocksKeepsWhatEachLineSearchKeeps) {
    std::string input;
    std::vector<std::string> lines;
    for (int i = 0; lines.size() < 60000; ++i) {
        std::string line = i % 13 == 0  ? "car\xff"
                                          "x"
                           : i % 7 == 0 ? "red car"
                                        : "apple ";
        if (line == "apple ") line.append(std::to_string(i));
        lines.push_back(line);
        input += line + (i % 17 == 0 ? "\r\n" : i % 19 == 0 ? "\r" : "\n");
    }
    input += "end car";
    lines.push_back("end car");
    for (const std::string pattern :
         {"car$", "^car", "r.x", "[0-9]{3}7$", "\\bcar\\b", "red car|99"}) {
        SCOPED_TRACE(pattern);
        const Pattern compiled({pattern});
        std::string expected;
        for (const std::string& line : lines) {
            if (compiled.matches(line)) expected += line + "\n";
        }
        const CliResult result = RunCli({"match", pattern}, input);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(result.out == expected) << "outputs differ";
    }
}

// `text` with every LF made CR LF.
std::string WithCrLf(std::string_view text) {
    std::string out;
    for (const char c : text) out.append(c == '\n' ? "\r\n" : std::string(1, c));
    return out;
}

struct OutputCase {
    std::vector<std::string> args;
    std::string expected;
};

// Runs each command line over `input` and checks what comes out, byte for byte.
void ExpectOutputs(const std::string& input, const std::vector<OutputCase>& cases) {
    for (const OutputCase& c : cases) {
        std::string command;
        for (const std::string& arg : c.args) command += arg + " ";
        SCOPED_TRACE(command);
        const CliResult result = RunCli(c.args, input);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(result.out == c.expected) << "outputs differ";
    }
}

// Case maps runs of ASCII lines a block at a time; lines with CR breaks, stray or non-ASCII
// bytes, a NUL, the reader's block ends and the last line without a break must come out as
// mapping each line on its own gives, with the line end asked for.
TEST(CliPatternsAndShaping, CaseOverBlocksMapsAsEachLineOnItsOwn) {
    std::string input, upper, lower;
    for (int i = 0; i < 40000; ++i) {
        const std::string n = std::to_string(i);
        const bool odd = i % 997 == 0;
        input += (odd ? "Stra\xc3\x9f"
                        "e\xff "
                      : "Apple-") +
                 n + (i % 1009 == 0 ? "\0z"s : "");
        upper += (odd ? "STRASSE\xff " : "APPLE-") + n + (i % 1009 == 0 ? "\0Z"s : "");
        lower += (odd ? "stra\xc3\x9f"
                        "e\xff "
                      : "apple-") +
                 n + (i % 1009 == 0 ? "\0z"s : "");
        input += i % 1013 == 0 ? "\r\n" : i % 1019 == 0 ? "\r" : "\n";
        upper += "\n";
        lower += "\n";
    }
    input += "last";
    upper += "LAST\n";
    lower += "last\n";
    ExpectOutputs(input, {
                             {{"case", "upper"}, upper},
                             {{"case", "lower"}, lower},
                             {{"case", "upper", "--crlf"}, WithCrLf(upper)},
                         });
}

// Replace passes over the lines before the first that may match a block at a time; what comes
// out must be what replacing in each line on its own gives: sparse and frequent matches, the
// reader's block ends, CR LF and lone CR breaks (one before a stray byte), a NUL, stray bytes,
// the last line without a break, and either line end.
TEST(CliPatternsAndShaping, ReplaceOverBlocksGivesWhatEachLineGives) {
    std::string input, sparse, frequent;
    for (int i = 0; i < 40000; ++i) {
        const std::string n = std::to_string(i);
        const bool key = i % 211 == 0;
        const std::string stray = i % 997 == 0 ? "\xff" : "", nul = i % 1009 == 0 ? "\0z"s : "";
        input += (key ? "k=" + n : "apple " + n) + stray + nul;
        sparse += (key ? n + "=k" : "apple " + n) + stray + nul + "\n";
        frequent += (key ? "k=" + n : "pear " + n) + stray + nul + "\n";
        const std::string brk = i % 1013 == 0   ? "\r\n"
                                : i % 1019 == 0 ? "\r"
                                : i % 1021 == 0 ? "\r\xfe\n"  // a line of a stray byte after a CR
                                                : "\n";
        input += brk;
        if (brk.size() == 3) {
            sparse += "\xfe\n";
            frequent += "\xfe\n";
        }
    }
    input += "k=last";
    sparse += "last=k\n";
    frequent += "k=last\n";
    ExpectOutputs(input, {
                             {{"replace", "--regex", "([a-z]+)=([0-9a-z]+)", "\\2=\\1"}, sparse},
                             {{"replace", "--regex", "apple", "pear"}, frequent},
                             {{"replace", "-I", "APPLE", "pear"}, frequent},
                             {{"replace", "--regex", "([a-z]+)=([0-9a-z]+)", "\\2=\\1", "--crlf"},
                              WithCrLf(sparse)},
                         });
}

// A long joined line goes out in pieces; none of them may add a break.
TEST(CliPatternsAndShaping, JoinsALongInputIntoOneLine) {
    std::string input, expected;
    for (int i = 0; i < 100000; ++i) {
        input.append(std::to_string(i)).append("\n");
        expected.append(i > 0 ? "," : "").append(std::to_string(i));
    }
    const CliResult result = RunCli({"join", "-t", ","}, input);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out == expected + "\n") << "outputs differ";
}

}  // namespace
}  // namespace pendara::testing
