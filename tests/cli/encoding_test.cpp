#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

TEST(CliEncoding, ReadsEveryInputInTheEncodingAndWritesTheResultInIt) {
    const std::string latin = TempFile("latin.txt", "Zakari\nM\xFCller\n\xC9ric\n\xE9ric\n");
    EXPECT_EQ(RunCli({"sort", "--encoding", "windows-1252", latin}).out,
              "\xC9ric\n\xE9ric\nM\xFCller\nZakari\n");
    EXPECT_EQ(RunCli({"dedupe", "--encoding", "cp1252", latin}).out,
              "Zakari\nM\xFCller\n\xC9ric\n");
    // Arguments are UTF-8, written in the encoding like the list.
    EXPECT_EQ(RunCli({"add", " €", "--at", "7", "--encoding", "windows-1252", "-"}, "x\n").out,
              "x \x80\n");
    EXPECT_EQ(RunCli({"case", "upper", "--encoding", "koi8-r"}, "\xC4\xC1\n").out, "\xE4\xE1\n");

    // auto: each input guessed on its own, the result in the first one's encoding.
    const std::string utf8 = TempFile("utf8.txt", "Éric\nMüller\n");
    EXPECT_EQ(RunCli({"compare", "--result", "same", "--encoding", "auto", latin, utf8}).out,
              "M\xFCller\n\xC9ric\n\xE9ric\n");
    EXPECT_EQ(RunCli({"compare", "--result", "same", "--encoding", "auto", utf8, latin}).out,
              "Éric\nMüller\n");
    // UTF-8 keeps a stray byte as it is; without the option, bytes are bytes.
    EXPECT_EQ(RunCli({"sort", "--encoding", "utf-8", latin}).out,
              "M\xFCller\nZakari\n\xC9ric\n\xE9ric\n");
    EXPECT_EQ(RunCli({"compare", "--result", "same", latin, utf8}).out, "");
}

TEST(CliEncoding, ACharacterTheEncodingLacksFailsAndAnUnknownNameIsWrongUsage) {
    const CliResult lacking =
        RunCli({"add", "€", "--at", "1", "--encoding", "iso-8859-1"}, "caf\xE9\nx\n");
    EXPECT_EQ(lacking.status, 1);
    EXPECT_NE(lacking.err.find("Line 1 holds \"€\" (U+20AC)"), std::string::npos) << lacking.err;
    const CliResult later = RunCli({"replace", "x", "😀", "--encoding", "windows-1252"}, "a\nx\n");
    EXPECT_EQ(later.status, 1);
    EXPECT_NE(later.err.find("Line 2"), std::string::npos) << later.err;
    EXPECT_NE(later.err.find("U+1F600"), std::string::npos) << later.err;

    const CliResult unknown = RunCli({"sort", "--encoding", "no-such-code-page"}, "a\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown encoding 'no-such-code-page'"), std::string::npos);
    EXPECT_EQ(RunCli({"sort", "--encoding"}, "a\n").status, 2);
}

}  // namespace
}  // namespace pendara::testing
