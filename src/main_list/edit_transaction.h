#pragma once

#include <functional>
#include <string>

#include "list/line_list.h"
#include "list/work_list.h"

namespace pendara {

class MainList;

enum class TransactionForm {
    // The Main List receives the work list also when the edit fails, as far as it got.
    Standard,
    // The Main List receives the work list only when the edit completes.
    SuccessOnly,
};

// Copies the Main List into a work list with repainting suspended, runs `edit` on it, and copies
// it back according to `form`; `workList` keeps the count it ends with. A failure of the edit is
// passed on to the caller. A completed edit is recorded as `invocation` (its command line, "" for
// none); one that failed midway is recorded as none.
void RunEditTransaction(MainList& mainList, WorkList& workList, TransactionForm form,
                        const std::function<void(LineList&)>& edit,
                        const std::string& invocation = {});

}  // namespace pendara
