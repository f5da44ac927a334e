// The program's error policies: a failing step is skipped and the routine goes on with the next, or the
// routine stops quietly at its first failure. Neither takes the end of the process for a failure.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace plivant {

// Thrown by a simulated platform where the real one ends the process and never returns. It is no failure of a
// step: the policies let it through, so nothing after the end runs and it reaches whoever runs the program.
struct ProcessEnded {};

#ifdef PLIVANT_TEST_BUILD
// The test builds record each failure a policy swallows, so that a suite fails on one its test did not expect (a
// swallowed failure is otherwise invisible). The shipped program is built without this and swallows without trace.
// Called inside the handler of the swallowed exception.
void RecordSwallowed() noexcept;
// The failures swallowed since the last call (what each said) that no ExpectingSwallowed scope covered.
std::vector<std::string> TakeUnexpectedSwallows();
// Within its scope the failures swallowed are expected; Count tells how many came.
class ExpectingSwallowed {
public:
    ExpectingSwallowed();
    ~ExpectingSwallowed();
    ExpectingSwallowed(const ExpectingSwallowed&) = delete;
    ExpectingSwallowed& operator=(const ExpectingSwallowed&) = delete;
    int Count() const;

private:
    int before_;
};
#else
inline void RecordSwallowed() noexcept {}
#endif

// Runs one step; a failure inside it (an exception of any kind but ProcessEnded) is swallowed.
template <typename Step>
void SkipOnError(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
        RecordSwallowed();
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
        RecordSwallowed();
        return false;
    }
}

}  // namespace plivant
