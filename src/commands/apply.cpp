#include "commands/apply.h"

#include "text/cancel_point.h"

namespace pendara {

std::vector<std::string> RunStep(const Invocation& invocation,
                                 const std::vector<std::string>& lines, ListOpener& lists) {
    const std::unique_ptr<LineStep> step = invocation.entry().make(invocation, lists);
    LinesSink out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CancelPointEvery(i);
        step->line(lines[i], out);
    }
    step->finish(out);
    out.flush();
    return std::move(out.lines);
}

void ApplyInvocation(const Invocation& invocation, LineList& list, ListOpener& lists) {
    if (invocation.entry().inPlace != nullptr) return invocation.entry().inPlace(invocation, list);
    list.lines() = RunStep(invocation, list.lines(), lists);
}

void ApplyInvocation(const Invocation& invocation, LineList& list) {
    FileLists files;
    ApplyInvocation(invocation, list, files);
}

}  // namespace pendara
