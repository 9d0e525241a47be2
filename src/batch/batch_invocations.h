#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "batch/line_cleanup.h"
#include "commands/invocation.h"

namespace pendara {

// What the batch panel's controls hold when a button is pressed.
struct BatchControls {
    // Add
    std::string addText;
    bool addAtPosition = true;  // otherwise next to addNextTo
    std::int64_t addPosition = 1;
    std::string addNextTo;
    bool addBackwards = false;
    // Remove
    std::int64_t removeCount = 1;
    bool removeAtPosition = true;  // otherwise next to removeNextTo
    std::int64_t removePosition = 1;
    std::string removeNextTo;
    bool removeBackwards = false;
    // Replace
    std::string find;
    std::string with;
    // Filter
    std::string include;
    bool includeAll = true;
    std::string exclude;
    bool excludeAll = false;
    bool matchCase = false;
    // Remove Empty Lines
    bool ignoreSpace = false;
    // Trim
    bool trimStart = true;
    bool trimEnd = true;
    // Remove Lines with Length: the option chosen, if any, and each option's box
    std::optional<LengthOption> length = LengthOption::Range;
    std::int64_t equal = 1;
    std::int64_t less = 1;
    std::int64_t more = 1;
    std::int64_t rangeLow = 1;
    std::int64_t rangeHigh = 1;
};

enum class BatchButton { Add, Remove, Replace, Filter, RemoveEmpty, Trim, RemoveLength };

// The invocation whose rule gives what pressing `button` gives with `controls`; none when the
// press changes nothing whatever the list (Trim with neither end, no length option chosen).
std::optional<Invocation> BatchInvocation(const BatchControls& controls, BatchButton button);

}  // namespace pendara
