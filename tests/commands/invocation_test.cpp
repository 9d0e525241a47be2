#include "commands/invocation.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pendara {
namespace {

const std::vector<std::string> kTexts = {"plain",
                                         "two words",
                                         "it's",
                                         "say \"hi\"",
                                         "back\\slash \\\"",
                                         "#hash",
                                         "",
                                         "gr\xC3\xBCn \xE2\x9C\x93",
                                         "-dash",
                                         "tab\there",
                                         "a'b\"c\\d #e"};

// Values that `option` takes, the awkward ones among them.
std::vector<std::vector<std::string>> ValuesOf(const OptionSpec& option) {
    const std::string low = std::to_string(option.range.minimum);
    const std::string high = std::to_string(option.range.maximum);
    switch (option.kind) {
        case ValueKind::Flag:
            return {{}};
        case ValueKind::Number:
            return {{low}, {high}};
        case ValueKind::NumberPair:
            return {{low, high}, {high, low}};
        case ValueKind::Choice: {
            std::vector<std::vector<std::string>> values;
            for (const std::string& choice : option.choices) values.push_back({choice});
            return values;
        }
        case ValueKind::Text:
            break;
    }
    std::vector<std::vector<std::string>> values;
    for (const std::string& text : kTexts) {
        // An option that checks its texts takes only some; the one below takes both kinds.
        if (option.badValue(text).empty()) values.push_back({text});
    }
    if (option.check != nullptr) values.push_back({"-1:nr"});
    if (option.repeats) values.push_back({"2", "-1:nr"});
    return values;
}

TEST(InvocationText, EveryOptionOfEveryCommandReadsBackAsWritten) {
    std::size_t next = 0;
    for (const CommandEntry& entry : Catalogue()) {
        for (const OptionSpec& option : entry.options) {
            for (const std::vector<std::string>& values : ValuesOf(option)) {
                Invocation invocation(entry);
                for (const ArgumentSpec& argument : entry.arguments) {
                    if (argument.unless == option.name) continue;  // the option stands for it
                    // A list is named by a file, never by an empty name.
                    invocation.add(argument.kind == ArgumentKind::List
                                       ? "my list's \"copy\" \xC3\xA9.txt"
                                       : kTexts[next++ % kTexts.size()]);
                }
                invocation.set(option.name, values);
                // A required option takes a value of its own beside the one tried.
                for (const OptionGroup& group : entry.groups) {
                    const bool given =
                        std::any_of(group.names.begin(), group.names.end(),
                                    [&](const auto& n) { return invocation.has(n); });
                    if (group.required && !given) {
                        const OptionSpec& needed = *entry.option(group.names[0]);
                        invocation.set(needed.name, ValuesOf(needed)[0]);
                    }
                }
                const std::string line = WriteInvocation(invocation);
                EXPECT_EQ(line.find('\n'), std::string::npos) << line;
                try {
                    EXPECT_EQ(ReadInvocation(line), invocation) << line;
                } catch (const UsageError& error) {
                    ADD_FAILURE() << line << ": " << error.what();
                }
            }
        }
    }
}

TEST(InvocationText, WritesThePlainestQuotingThatReadsBack) {
    EXPECT_EQ(QuoteWord("plain"), "plain");
    EXPECT_EQ(QuoteWord("gr\xC3\xBCn"), "gr\xC3\xBCn");
    EXPECT_EQ(QuoteWord(""), "''");
    EXPECT_EQ(QuoteWord("two words"), "'two words'");
    EXPECT_EQ(QuoteWord("say \"hi\""), "'say \"hi\"'");
    EXPECT_EQ(QuoteWord("it's"), "\"it's\"");
    EXPECT_EQ(QuoteWord("a'b\"c\\d"), "\"a'b\\\"c\\\\d\"");
    EXPECT_EQ(QuoteWord("#"), "'#'");
    EXPECT_EQ(QuoteWord("a#b"), "a#b");

    const CommandEntry& add = *FindCommand("add");
    EXPECT_EQ(WriteInvocation(Invocation(add).add("#").set("--at", {"3"})), "add '#' --at 3");
    // An argument that looks like an option comes after "--".
    EXPECT_EQ(WriteInvocation(Invocation(add).add("-x").set("--backwards")),
              "add --backwards -- -x");
    EXPECT_EQ(WriteInvocation(Invocation(*FindCommand("sort")).set("--reverse")), "sort --reverse");
}

TEST(InvocationText, SplitsWordsByBlanksQuotesAndBackslashes) {
    EXPECT_EQ(SplitWords("  add\ta\\ b 'c d'\"e\" \"x\\\"y\\\\z\\q\" '' #  "),
              (std::vector<std::string>{"add", "a b", "c de", "x\"y\\z\\q", "", "#"}));
    EXPECT_EQ(SplitWords("'a\\b' \\'"), (std::vector<std::string>{"a\\b", "'"}));
    EXPECT_TRUE(SplitWords(" \t ").empty());
    for (const char* broken : {"add 'x", "add \"x\\\"", "add x\\"}) {
        EXPECT_THROW(SplitWords(broken), UsageError) << broken;
    }
}

// What is wrong with `words` as a recipe line, and as the same command line.
std::pair<std::string, std::string> Failures(const std::vector<std::string>& words) {
    std::pair<std::string, std::string> failures;
    try {
        ParseInvocation(words);
    } catch (const UsageError& error) {
        failures.first = error.what();
    }
    try {
        const CommandEntry* entry = FindCommand(words.at(0));
        if (entry == nullptr) throw UsageError("unknown command '" + words[0] + "'");
        ParseCommandLine(*entry, std::vector<std::string>(words.begin() + 1, words.end()));
    } catch (const UsageError& error) {
        failures.second = error.what();
    }
    return failures;
}

TEST(InvocationText, ReadingFailsAsTheCommandLineDoes) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"add"}, "missing argument"},
        {{"frob"}, "unknown command 'frob'"},
        {{"sort", "--nope"}, "unknown option --nope"},
        {{"number", "--width"}, "option --width needs a value"},
        {{"remove-length", "--range", "1"}, "option --range needs two values"},
        {{"add", "x", "--at", "0"}, "--at must be from 1 to 10000000"},
        {{"add", "x", "--at", "1.5"}, "--at takes a whole number, not '1.5'"},
        {{"add", "x", "--at", "1", "--next-to", "y"}, "use either --at or --next-to, not both"},
        {{"remove-length"}, "give exactly one of --equal, --less, --more, --range"},
        {{"remove-length", "--range", "0", "10000001"}, "--range must be from 0 to 10000000"},
        {{"dedupe", "--keep", "middle"}, "--keep takes first or last, not 'middle'"},
        {{"scramble", "--seed", "99999999999"}, "--seed must be from -2147483648 to 2147483647"},
    };
    for (const auto& [words, message] : cases) {
        const auto [recipe, commandLine] = Failures(words);
        EXPECT_EQ(recipe, message) << words[0];
        EXPECT_EQ(commandLine, message) << words[0];
    }
    // A recipe's merge and compare name the second list, or both.
    EXPECT_EQ(Failures({"compare", "b"}).first, "--result is required");
    EXPECT_EQ(Failures({"merge", ""}).first, "a file name is empty");
    EXPECT_EQ(Failures({"merge", "", "b"}).first, "a file name is empty");
    EXPECT_EQ(Failures({"merge", "-", "-"}).first, "only one list can come from standard input");
    EXPECT_EQ(Failures({"merge", "a", "b", "c"}).first, "unexpected argument 'c'");
    const Invocation both = ReadInvocation("merge --top-bottom -- -a b");
    EXPECT_EQ(both.input(), "-a");
    EXPECT_EQ(both.arguments(), std::vector<std::string>{"b"});
    EXPECT_EQ(WriteInvocation(both), "merge --top-bottom -- -a b");
    EXPECT_EQ(ReadInvocation(WriteInvocation(both)), both);
    EXPECT_EQ(Failures({"sort", "--crlf"}).first, "unknown option --crlf");
    EXPECT_THROW(ReadInvocation(""), UsageError);
}

TEST(InvocationText, CommandLineInputIsApartFromTheInvocation) {
    const CommandLine line =
        ParseCommandLine(*FindCommand("replace"), {"a", "--crlf", "b", "list.txt"});
    EXPECT_EQ(line.invocation.arguments(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(line.inputs, std::vector<std::string>{"list.txt"});
    EXPECT_TRUE(line.crlf);
    const CommandLine merge = ParseCommandLine(*FindCommand("merge"), {"-", "right.txt"});
    EXPECT_EQ(merge.inputs, std::vector<std::string>{""});
    EXPECT_EQ(merge.invocation.arguments(), std::vector<std::string>{"right.txt"});
    EXPECT_EQ(WriteInvocation(merge.invocation), "merge right.txt");
}

TEST(InvocationText, OptionsAreSpelledAsShellToolsSpellThem) {
    const CommandEntry entry{.name = "demo",
                             .options = {{.name = "--reverse", .shortName = 'r', .help = "r"},
                                         {.name = "--key",
                                          .shortName = 'k',
                                          .kind = ValueKind::Text,
                                          .valueName = "K",
                                          .help = "k",
                                          .repeats = true},
                                         {.name = "--keep", .kind = ValueKind::Text},
                                         {.name = "--separator",
                                          .shortName = 't',
                                          .kind = ValueKind::Text,
                                          .valueName = "SEP"}}};
    // The words, and the invocation as written back with its inputs ("-" standard input); or
    // the usage error.
    struct Case {
        std::vector<std::string> words;
        std::string read;
    };
    const Case cases[] = {
        {{"-k", "2", "-r", "list.txt"}, "demo --reverse --key 2 | list.txt"},
        {{"--key=2", "--rev", "a", "b"}, "demo --reverse --key 2 | a b"},
        {{"-rk", "2", "-k1"}, "demo --reverse --key 2 --key 1 | -"},
        {{"-rk2"}, "demo --reverse --key 2 | -"},
        {{"-t,", "-t", "-r"}, "demo --separator -r | -"},
        {{"--separator=", "--sep", "-"}, "demo --separator - | -"},
        {{"--key", "-1", "-1"}, "demo --key -1 | -1"},
        {{"--sep=a=b", "--", "-r"}, "demo --separator a=b | -r"},
        {{"-r", "-o", "out", "-zi", "x"}, "error: use either --in-place or --output, not both"},
        {{"--ke", "1"}, "error: option --ke is ambiguous: --key, --keep"},
        {{"-ry"}, "error: unknown option -y"},
        {{"--reverse=yes"}, "error: option --reverse takes no value"},
        {{"-k"}, "error: option --key needs a value"},
        {{"-i"}, "error: --in-place needs files, not standard input"},
        {{"-i", "a", "-"}, "error: --in-place needs files, not standard input"},
        {{"-z", "--crlf"}, "error: use either --null or --crlf, not both"},
        {{"-", "a", "-"}, "error: only one list can come from standard input"},
    };
    for (const Case& c : cases) {
        std::string read;
        try {
            const CommandLine line = ParseCommandLine(entry, c.words);
            read = WriteInvocation(line.invocation) + " |";
            for (const std::string& input : line.inputs)
                read += " " + (input.empty() ? "-" : input);
        } catch (const UsageError& error) {
            read = std::string("error: ") + error.what();
        }
        EXPECT_EQ(read, c.read) << Joined(c.words, " ");
    }
    const CommandLine tools = ParseCommandLine(entry, {"-zo", "out", "--nu", "a"});
    EXPECT_TRUE(tools.null);
    EXPECT_EQ(tools.output, "out");
}

}  // namespace
}  // namespace pendara
