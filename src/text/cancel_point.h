#pragma once

#include <atomic>
#include <cstddef>
#include <exception>

namespace pendara {

// Lets a long rule stop early once whoever asked for its result has dropped it. The caller
// names a flag for its thread; the rules poll it at cancel points in their loops and throw
// Cancelled once it is raised, which the caller drops along with the job.
//
//   std::atomic<bool> dropped{false};
//   const CancelScope scope(&dropped);      // on the worker
//   list.sort();                            // throws Cancelled soon after dropped = true
//
// Limits: a point in a loop polls once in 4096 turns, so a rule stops within about a
// millisecond; work without points (one huge line, a system call) runs to its end. Without a
// scope (the command line, tests) the points never throw. Work a rule hands to a thread of
// its own polls only if that thread opens a scope on CurrentCancelFlag().
class Cancelled : public std::exception {
public:
    const char* what() const noexcept override { return "Cancelled"; }
};

class CancelScope {
public:
    // `flag` null: the points in it never throw.
    explicit CancelScope(const std::atomic<bool>* flag);
    ~CancelScope();
    CancelScope(const CancelScope&) = delete;
    CancelScope& operator=(const CancelScope&) = delete;

private:
    const std::atomic<bool>* outer_;
};

// The flag of this thread's scope, or null, to hand to a helper thread.
const std::atomic<bool>* CurrentCancelFlag();

// Throws Cancelled when this thread's job was dropped.
void CancelPoint();

// How many turns of a loop go between two polls.
inline constexpr std::size_t kCancelBlock = 4096;

// In a loop: polls at every kCancelBlock-th turn `turn`, which keeps the loop as fast as it was.
inline void CancelPointEvery(std::size_t turn) {
    if ((turn & (kCancelBlock - 1)) == 0) CancelPoint();
}

}  // namespace pendara
