#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pendara {

// One item of a field list. Numbers count from 1; a negative number counts from the end (-1 is
// the last field).
struct FieldItem {
    int first;
    int last;
    bool single;  // a lone number: always gives one field, empty where the line lacks it
};

// Parses a field list such as "1,3-4,-1": field numbers and ranges, comma-separated, in the
// order they are to come out. A range is A-B, or A- to the last field, with either end
// negative ("-3--1" is the last three). Nullopt, with the problem in `problem`, for anything
// else: a 0, a range of two positive numbers that runs backwards, an empty item.
std::optional<std::vector<FieldItem>> ParseFieldList(std::string_view text, std::string& problem);

struct FieldsOptions {
    std::string separator = "\t";  // not empty; found on whole characters only
    bool blanks = false;           // runs of blanks separate instead, blanks at the ends ignored
    std::optional<std::string> outputSeparator = {};  // otherwise the separator, or " " with blanks
};

// Picks the listed fields of each line, in the listed order, joined by the output separator.
// A lone number the line lacks gives an empty field; a range gives the fields the line has
// within it (none when its ends, counted on this line, run backwards).
class FieldPicker {
public:
    FieldPicker(std::vector<FieldItem> items, FieldsOptions options);

    void append(std::string& out, std::string_view line) const;

private:
    void findFields(std::string_view line) const;

    std::vector<FieldItem> items_;
    FieldsOptions options_;
    std::string outputSeparator_;
    int needed_;  // fields to find from the start; 0 when an item counts from the end
    mutable std::vector<std::pair<std::size_t, std::size_t>> fields_;  // begin, end
};

}  // namespace pendara
