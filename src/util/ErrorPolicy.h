// The program's error policy: a failing step is skipped and the routine goes on with the next.
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

}  // namespace plivant
