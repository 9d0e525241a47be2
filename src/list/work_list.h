#pragma once

#include "list/line_list.h"

namespace pendara {

// What a window keeps of its work list between operations: how many lines the last operation
// left in it, which is all the line-count message reads. The lines themselves are the Main
// List's once the result is in place; kept as well, a long list's would cost more memory than
// its text.
//
//   WorkList work;       // count() == 0
//   work.keep(lines);    // count() == lines.count(); the lines are not copied
//
// Limits: the lines cannot be had back from it; an operation works on lines of its own.
class WorkList {
public:
    int count() const { return count_; }
    void keep(const LineList& lines) { count_ = lines.count(); }
    void keepCount(int count) { count_ = count; }
    void clear() { count_ = 0; }

private:
    int count_ = 0;
};

}  // namespace pendara
