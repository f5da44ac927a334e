// The program's error policies: a failing step is skipped and the routine goes on with the next, or the
// routine stops quietly at its first failure. Neither takes the end of the process for a failure.
#pragma once
#include <utility>

namespace plivant {

// Thrown by a simulated platform where the real one ends the process and never returns. It is no failure of a
// step: the policies let it through, so nothing after the end runs and it reaches whoever runs the program.
struct ProcessEnded {};

// Runs one step; a failure inside it (an exception of any kind but ProcessEnded) is swallowed.
template <typename Step>
void SkipOnError(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
    }
}

// Runs a routine that stops quietly at its first failure; tells whether it ran to its end.
template <typename Routine>
bool StopOnError(Routine&& routine) {
    try {
        std::forward<Routine>(routine)();
        return true;
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
        return false;
    }
}

}  // namespace plivant
