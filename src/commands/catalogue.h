#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/line_step.h"

namespace pendara {

class Invocation;
class LineList;

// Wrong usage of a command: an unknown option, a missing or malformed argument.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole numbers an option takes, both ends included.
struct ValueRange {
    std::int64_t minimum;
    std::int64_t maximum;
};

// What follows an option on the command line.
enum class ValueKind {
    Flag,        // nothing
    Text,        // one word, any text
    Number,      // one whole decimal number, optionally signed, inside the range
    Choice,      // one of the choices
    NumberPair,  // two numbers, each inside the range
};

struct OptionSpec {
    std::string name{};  // with its dashes: "--at"
    char shortName = 0;  // 'r' for "-r", or 0
    ValueKind kind = ValueKind::Flag;
    std::string valueName{};  // what the usage shows for the value: "N", "LOW HIGH"
    ValueRange range{0, 0};
    std::vector<std::string> choices{};
    std::string byDefault{};  // the value when the option is absent; "" for none
    std::string help{};       // one line
    bool repeats = false;     // each time it is given adds a value ("-k 2 -k 1")
    // Why a Text value is not one the option takes, or "".
    std::string (*check)(const std::string& value) = nullptr;

    int valueCount() const;
    // "--at N", "--keep first|last"
    std::string usage() const;
    // Why `value` (the index-th of the option's values) is not one it takes, or "".
    std::string badValue(const std::string& value) const;
};

// Options of which at most one may be given, or exactly one (then the usage shows them in
// parentheses, or bare when there is only one).
struct OptionGroup {
    std::vector<std::string> names{};
    bool required = false;
};

// What a plain argument is to the command: text for its rule, or a list it reads besides its
// input.
enum class ArgumentKind { Text, List };

struct ArgumentSpec {
    std::string name{};  // as the usage shows it: "TEXT"
    ArgumentKind kind = ArgumentKind::Text;
    bool optional = false;
    // An option that takes the argument's place: with it given, the argument is left out
    // ("match -e A -e B FILE").
    std::string unless{};
    // The words it may be, for completion; empty for any text.
    std::vector<std::string> choices{};
};

// What a command gives: a list, or one number (count), which is no list and ends in LF.
enum class ResultKind { Lines, Number };

// How the command line names the list the command reads.
struct InputSpec {
    std::string name = "FILE";
    bool optional = true;  // absent or "-": standard input
};

using MakeStep = std::unique_ptr<LineStep> (*)(const Invocation& invocation, ListOpener& lists);
using ListRule = void (*)(const Invocation& invocation, LineList& list);

// One list command: everything the command line, its help and the window know of it.
struct CommandEntry {
    std::string name{};
    std::string summary{};  // one line
    std::vector<OptionSpec> options{};
    std::vector<OptionGroup> groups{};
    std::vector<ArgumentSpec> arguments{};  // the rule's own, in order
    InputSpec input{};
    // Whether the command needs its whole list before it gives a line: then the command line
    // reads the input as one text.
    bool wholeList = false;
    ResultKind result = ResultKind::Lines;
    MakeStep make = nullptr;
    // The same rule on a list in place, where the window has a faster one; optional.
    ListRule inPlace = nullptr;

    const OptionSpec* option(const std::string& name) const;
    // "add TEXT [--at N | --next-to T] [--backwards] [FILE]"
    std::string usage() const;
};

// Every list command, in the order the help lists them.
const std::vector<CommandEntry>& Catalogue();
const CommandEntry* FindCommand(const std::string& name);

// The options every command takes on the command line, outside its rule.
const std::vector<OptionSpec>& ToolOptions();
// Whether the command can replace each of its input files with its own result: it reads one
// list and gives lines.
bool WorksInPlace(const CommandEntry& entry);
// The tool's options that apply to `entry`.
std::vector<const OptionSpec*> ToolOptionsFor(const CommandEntry& entry);

// One step that gives what `first` and then `second` give, with less work than the two; null
// for a pair that has none. A recipe runs such a pair as one step: `dedupe` then `sort` sorts
// once, dropping repeated keys, where the sort's equal keys are dedupe's equal lines.
std::unique_ptr<LineStep> MakeJoinedStep(const Invocation& first, const Invocation& second);

// A whole decimal number, optionally signed; usage error when it is not one or lies outside.
std::int64_t ParseDecimal(const std::string& text, ValueRange range, const std::string& what);

// The items with `between` between each two.
std::string Joined(const std::vector<std::string>& items, std::string_view between);

// The catalogue's parts, each kept beside the others of its kind.
void AddListEntries(std::vector<CommandEntry>& entries);
void AddBatchEntries(std::vector<CommandEntry>& entries);
void AddTwoListEntries(std::vector<CommandEntry>& entries);
void AddPatternEntries(std::vector<CommandEntry>& entries);
void AddShapingEntries(std::vector<CommandEntry>& entries);

}  // namespace pendara
