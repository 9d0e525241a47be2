#include "text/cancel_point.h"

namespace pendara {

namespace {

thread_local const std::atomic<bool>* tFlag = nullptr;

}  // namespace

CancelScope::CancelScope(const std::atomic<bool>* flag) : outer_(tFlag) { tFlag = flag; }

CancelScope::~CancelScope() { tFlag = outer_; }

const std::atomic<bool>* CurrentCancelFlag() { return tFlag; }

void CancelPoint() {
    // Relaxed: the flag only ever turns true, and a turn or two late is soon enough.
    if (tFlag != nullptr && tFlag->load(std::memory_order_relaxed)) throw Cancelled();
}

}  // namespace pendara
