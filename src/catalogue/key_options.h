#pragma once

#include <vector>

#include "commands/catalogue.h"
#include "keys/key_form.h"

namespace pendara {

class Invocation;

// The options that choose how lines compare, for sort, dedupe, repeated, singles, tally and
// compare: keys, the field separator, numbers, case, blanks.
std::vector<OptionSpec> KeyOptionSpecs();

// What those options of `invocation` ask for. The global flags the command has besides
// (sort's --reverse, --natural, --length) are read when the entry has them.
KeyOptions KeyOptionsOf(const Invocation& invocation);

}  // namespace pendara
