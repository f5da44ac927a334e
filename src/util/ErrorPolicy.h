// The program's error policies: a failing step is skipped and the routine goes on with the next, or the
// routine stops quietly at its first failure.
#pragma once
#include <utility>

namespace plivant {

// Runs one step; a failure inside it (an exception of any kind) is swallowed.
template <typename Step>
void SkipOnError(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

// Runs a routine that stops quietly at its first failure; tells whether it ran to its end.
template <typename Routine>
bool StopOnError(Routine&& routine) noexcept {
    try {
        std::forward<Routine>(routine)();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace plivant
