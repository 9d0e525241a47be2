#include "main_list/edit_transaction.h"

#include <QtGlobal>

#include "main_list/main_list.h"
#include "window/busy_cursor.h"

namespace pendara {

void RunEditTransaction(MainList& mainList, WorkList& kept, TransactionForm form,
                        const std::function<void(LineList&)>& edit, const std::string& invocation) {
    // Whichever way the transaction ends, the Main List repaints as it did before it.
    struct DepthCheck {
        const MainList& list;
        const int depth;
        ~DepthCheck() { Q_ASSERT(list.updateDepth() == depth); }
    } depthCheck{mainList, mainList.updateDepth()};
    const BusyCursor busy;
    mainList.suspendUpdates();
    bool copiedIn = false;
    LineList workList;
    // Whatever the lines are when it ends, the work list keeps their count.
    struct Keep {
        WorkList& kept;
        const LineList& lines;
        const bool& copiedIn;
        ~Keep() {
            if (copiedIn) kept.keep(lines);
        }
    } keep{kept, workList, copiedIn};
    try {
        workList = mainList.lines();
        copiedIn = true;
        edit(workList);
    } catch (...) {
        // The standard form hands back what the edit got through; the success-only form keeps
        // the Main List as it was. A failed copy-in hands back nothing: the work list would be
        // stale.
        if (form == TransactionForm::Standard && copiedIn) {
            try {
                mainList.assign(workList);
            } catch (...) {}
        }
        mainList.resumeUpdates();
        throw;
    }
    if (form == TransactionForm::Standard) {
        try {
            mainList.assign(workList, invocation);
        } catch (...) {
            mainList.resumeUpdates();
            throw;
        }
        mainList.resumeUpdates();
    } else {
        mainList.resumeUpdates();
        mainList.assign(workList, invocation);
    }
}

}  // namespace pendara
