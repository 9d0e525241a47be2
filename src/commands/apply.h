#pragma once

#include <string>
#include <vector>

#include "commands/invocation.h"
#include "list/line_list.h"

namespace pendara {

// The lines an invocation's step gives from `lines`, through the step whatever the command.
// Lists the invocation names come from `lists`.
std::vector<std::string> RunStep(const Invocation& invocation,
                                 const std::vector<std::string>& lines, ListOpener& lists);

// What the window and recipes call: the invocation's rule applied to `list`, in place where
// the command has a rule for that, otherwise through its step. Lists it names are files.
void ApplyInvocation(const Invocation& invocation, LineList& list);
void ApplyInvocation(const Invocation& invocation, LineList& list, ListOpener& lists);

}  // namespace pendara
