#include "batch/batch_invocations.h"

namespace pendara {

namespace {

Invocation Command(const char* name) { return Invocation(*FindCommand(name)); }

// --at N or --next-to T, and --backwards.
void Place(Invocation& invocation, bool atPosition, std::int64_t position,
           const std::string& nextTo, bool backwards) {
    if (atPosition) {
        invocation.set("--at", {std::to_string(position)});
    } else {
        invocation.set("--next-to", {nextTo});
    }
    if (backwards) invocation.set("--backwards");
}

}  // namespace

std::optional<Invocation> BatchInvocation(const BatchControls& controls, BatchButton button) {
    switch (button) {
        case BatchButton::Add: {
            Invocation add = Command("add");
            add.add(controls.addText);
            Place(add, controls.addAtPosition, controls.addPosition, controls.addNextTo,
                  controls.addBackwards);
            return add;
        }
        case BatchButton::Remove: {
            Invocation remove = Command("remove");
            remove.set("--count", {std::to_string(controls.removeCount)});
            Place(remove, controls.removeAtPosition, controls.removePosition, controls.removeNextTo,
                  controls.removeBackwards);
            return remove;
        }
        case BatchButton::Replace:
            return Command("replace").add(controls.find).add(controls.with);
        case BatchButton::Filter: {
            Invocation filter = Command("filter");
            if (!controls.include.empty()) filter.set("--include", {controls.include});
            if (!controls.includeAll) filter.set("--any");
            if (!controls.exclude.empty()) filter.set("--exclude", {controls.exclude});
            if (controls.excludeAll) filter.set("--exclude-all");
            if (controls.matchCase) filter.set("--match-case");
            return filter;
        }
        case BatchButton::RemoveEmpty: {
            Invocation removeEmpty = Command("remove-empty");
            if (controls.ignoreSpace) removeEmpty.set("--ignore-space");
            return removeEmpty;
        }
        case BatchButton::Trim: {
            // The command trims both ends when neither is named; the panel then trims nothing.
            if (!controls.trimStart && !controls.trimEnd) return std::nullopt;
            Invocation trim = Command("trim");
            if (controls.trimStart != controls.trimEnd) {
                trim.set(controls.trimStart ? "--left" : "--right");
            }
            return trim;
        }
        case BatchButton::RemoveLength: {
            if (!controls.length) return std::nullopt;
            Invocation removeLength = Command("remove-length");
            switch (*controls.length) {
                case LengthOption::Equal:
                    return removeLength.set("--equal", {std::to_string(controls.equal)});
                case LengthOption::Less:
                    return removeLength.set("--less", {std::to_string(controls.less)});
                case LengthOption::More:
                    return removeLength.set("--more", {std::to_string(controls.more)});
                case LengthOption::Range:
                    return removeLength.set("--range", {std::to_string(controls.rangeLow),
                                                        std::to_string(controls.rangeHigh)});
            }
        }
    }
    return std::nullopt;
}

}  // namespace pendara
