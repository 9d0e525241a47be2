#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <random>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

const char kList[] = "  pear \n\nb10\napple spam\nB2\n  \nb10 \nb10\n";

// The same steps in one process and as a pipeline of separate commands give the same bytes,
// whether the steps stream or hold the whole list.
TEST(RunRecipe, GivesThePipelinesBytes) {
    const std::string list = TempFile("list.txt", kList);
    const std::vector<std::vector<std::vector<std::string>>> pipelines = {
        {{"trim"},
         {"remove-empty"},
         {"filter", "--exclude", "spam"},
         {"dedupe"},
         {"sort", "--natural"}},
        {{"replace", "--regex", "([a-z])([0-9]+)", "\\2=\\1"}, {"reverse"}, {"number"}},
        {{"match", "-I", "B1"}, {"count"}},
        {{"tally"}, {"join", "--separator", ";"}, {"split", "--separator", ";"}},
    };
    for (const auto& pipeline : pipelines) {
        std::string recipe = "# made by the test\n\n";
        std::string piped = kList;
        for (const auto& command : pipeline) {
            for (const std::string& word : command) recipe += "'" + word + "' ";
            recipe += "\r\n";
            piped = RunCli(command, piped).out;
        }
        SCOPED_TRACE(recipe);
        const CliResult run = RunCli({"run", TempFile("steps.txt", recipe), list});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, piped);
        EXPECT_EQ(RunCli({"run", TempFile("steps.txt", recipe)}, kList).out, piped);
    }
    // Each file is a list of its own, one after the other, as with several FILEs.
    const std::string noBreak = TempFile("nobreak.txt", "z\ny");
    EXPECT_EQ(RunCli({"run", TempFile("sort.txt", "sort\n"), noBreak, noBreak}).out,
              "y\ny\nz\nz\n");
    EXPECT_EQ(RunCli({"run", "--crlf", TempFile("none.txt", "# nothing\n"), noBreak}).out,
              "z\r\ny\r\n");
}

// With -z, --encoding or lines beyond ASCII, a recipe still gives what its steps give one by one
// in a pipe with the same options: records keep their line breaks through steps that sort or
// group, a code page is read and written back, and dedupe then sort keeps the first copies.
TEST(RunRecipe, TakesTheToolsOptionsAsItsSteps) {
    const std::vector<std::vector<std::string>> steps = {
        {"trim"}, {"remove-empty"}, {"dedupe"}, {"sort", "--natural"}, {"case", "upper"}};
    std::string recipe;
    for (const auto& step : steps) {
        for (const std::string& word : step) recipe += word + " ";
        recipe += "\n";
    }
    const std::string recipeFile = TempFile("options.txt", recipe);
    const struct {
        std::vector<std::string> options;
        std::string list;
    } cases[] = {
        {{"-z"}, std::string("b10\0 x\nA \0\0B2\r\nc\0a\nx\0b10\0", 25)},
        {{"--encoding", "windows-1252"}, "caf\xe9 2\nCAF\xc9 2\n\xe9t\xe9\n z\xfcrich10\nb\n"},
        {{"--encoding", "auto"}, "caf\xe9 2\nCAF\xc9 2\n\xe9t\xe9\n z\xfcrich10\nb\n"},
        {{}, "\xc3\xa9t\xc3\xa9 2\n\xc3\x89T\xc3\x89 2\nx10\nX10\nx9\n\xc3\xa9t\xc3\xa9 02\n"},
        {{}, "x-01\nX-1\nx01\nx1\nX1\na-5\nA-5\n-5\n-05\nb2\nB02\nb-2\n_2\n_02\nb_2\nB_2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.empty() ? "plain" : c.options.front());
        std::string piped = c.list;
        for (std::vector<std::string> step : steps) {
            step.insert(step.end(), c.options.begin(), c.options.end());
            piped = RunCli(step, piped).out;
        }
        std::vector<std::string> run = {"run"};
        run.insert(run.end(), c.options.begin(), c.options.end());
        run.push_back(recipeFile);
        const CliResult result = RunCli(run, c.list);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_FALSE(piped.empty());
        EXPECT_EQ(result.out, piped);
    }
    EXPECT_EQ(RunCli({"run", "-z", "--crlf", recipeFile}, "a").status, 2);
    EXPECT_NE(RunCli({"run", "--help"}).out.find("--encoding NAME"), std::string::npos);
}

// A recipe runs dedupe then sort as one sort that drops repeated keys where that gives the same
// lines: on random lists of look-alike lines, ASCII only (where the quick keys decide) or not,
// in locales whose letters weigh differently, it gives what the two steps give in a pipe.
TEST(RunRecipe, DedupeThenSortGivesThePipesLinesInEveryLocale) {
    const char* const ascii[] = {"a", "A", "b",  "aa", "ch", "-", "_", " ",  "0", "01",
                                 "1", "2", "10", "-5", "x",  "X", ".", "ss", "e", "'"};
    const char* const other[] = {"\xc3\xa5", "\xc3\xa4", "\xc3\x9f", "\xc3\xa9", "\xef\xbc\xa1"};
    const std::string recipes[] = {TempFile("dn.txt", "dedupe\nsort --natural\n"),
                                   TempFile("ds.txt", "dedupe\nsort\n")};
    const char* const saved = std::getenv("LC_ALL");
    const std::string before = saved != nullptr ? saved : "";
    std::mt19937 random(11);
    for (const char* locale :
         {"C.UTF-8", "en_US.UTF-8", "da_DK.UTF-8", "cs_CZ.UTF-8", "de_DE.UTF-8"}) {
        setenv("LC_ALL", locale, 1);
        for (int round = 0; round < 4; ++round) {
            std::string list;
            for (int line = 0; line < 200; ++line) {
                for (std::size_t piece = random() % 4 + 1; piece > 0; --piece) {
                    list += round < 3 || random() % 8 != 0 ? ascii[random() % std::size(ascii)]
                                                           : other[random() % std::size(other)];
                }
                list += '\n';
            }
            for (const std::string& recipe : recipes) {
                SCOPED_TRACE(std::string(locale) + " " + FileBytes(recipe) + list);
                std::string piped = RunCli({"dedupe"}, list).out;
                piped = RunCli(recipe == recipes[0] ? std::vector<std::string>{"sort", "--natural"}
                                                    : std::vector<std::string>{"sort"},
                               piped)
                            .out;
                EXPECT_EQ(RunCli({"run", recipe}, list).out, piped);
            }
        }
    }
    if (saved != nullptr) {
        setenv("LC_ALL", before.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

// An error names the recipe and the line, and nothing is written.
// A recipe writes where any command does: -o onto one of its inputs, -i into each file in the
// file's own form; the two together, and -i on standard input, are wrong usage.
TEST(RunRecipe, WritesToAFileOrInPlace) {
    const std::string recipe = TempFile("clean.txt", "trim\nremove-empty\nsort\n");
    const std::string list = TempFile("onto.txt", " b\n\na \n");
    EXPECT_EQ(RunCli({"run", "-o", list, recipe, list}).status, 0);
    EXPECT_EQ(FileBytes(list), "a\nb\n");

    const std::string crlf = TempFile("crlf.txt", "z \r\n y\r\n");
    const std::string bare = TempFile("bare.txt", "d\n c");
    EXPECT_EQ(RunCli({"run", "--in-place", recipe, crlf, bare}).status, 0);
    EXPECT_EQ(FileBytes(crlf), "y\r\nz\r\n");
    EXPECT_EQ(FileBytes(bare), "c\nd");

    EXPECT_EQ(RunCli({"run", "-i", "-o", list, recipe, list}).status, 2);
    EXPECT_EQ(RunCli({"run", "-i", recipe}, "a\n").status, 2);
    EXPECT_EQ(FileBytes(list), "a\nb\n");
}

TEST(RunRecipe, ErrorsNameTheRecipesLine) {
    const std::string list = TempFile("list.txt", kList);
    const struct {
        const char* recipe;
        int status;
        const char* message;
    } cases[] = {
        {"trim\n# note\n  sort --x\n", 2, "bad.txt:3: unknown option --x\n"},
        {"trim\nshuffle\n", 2, "bad.txt:2: unknown command 'shuffle'\n"},
        {"count\nsort\n", 2, "bad.txt:1: count may only be the last step\n"},
        {"replace 'a\n", 2, "bad.txt:1: a quote is not closed\n"},
        {"trim\nmerge missing.txt\n", 1, "bad.txt:2: Cannot open file"},
    };
    const std::filesystem::path folder = std::filesystem::path(list).parent_path();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recipe);
        TempFile("bad.txt", c.recipe);
        // Named as given on the command line, from the recipe's folder.
        const std::filesystem::path here = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        const CliResult run = RunCli({"run", "bad.txt", list});
        std::filesystem::current_path(here);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(std::string("pendara-cli: ") + c.message, 0), 0u) << run.err;
    }
    EXPECT_EQ(RunCli({"run"}).status, 2);
    EXPECT_EQ(RunCli({"run", TempFile("gone.txt", "") + ".not"}).status, 1);
}

// A list a step names is found beside the recipe, wherever the recipe is run from.
TEST(RunRecipe, TakesRelativeListsFromTheRecipesFolder) {
    const std::filesystem::path folder =
        std::filesystem::path(TempFile("x", "")).parent_path() / "recipes";
    std::filesystem::create_directories(folder);
    const std::string other = (folder / "other.txt").string();
    TempFile("recipes/other.txt", "kiwi\nb10\n");
    const std::string recipe = TempFile("recipes/merge.txt", "merge other.txt\ndedupe\n");
    const std::string list = TempFile("list.txt", "b10\napple\n");
    const CliResult run = RunCli({"run", recipe, list});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, RunCli({"dedupe"}, RunCli({"merge", list, other}).out).out);
    // Naming both lists, a step leaves the list so far out.
    const std::string both =
        TempFile("recipes/both.txt", "merge --top-bottom -- other.txt other.txt\n");
    EXPECT_EQ(RunCli({"run", both, list}).out, "kiwi\nb10\nkiwi\nb10\n");
}

}  // namespace
}  // namespace pendara::testing
