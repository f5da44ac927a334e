// The error policies' record in the test builds: what a declared scope expects is counted, anything else is kept
// for the check that fails the test (added to this program here).
#include <stdexcept>

#include "SwallowCheck.h"

namespace plivant {
namespace {

const bool kChecked = test::AddSwallowCheck();

TEST(ErrorPolicy, ASwallowedFailureIsCountedInAnExpectingScopeAndReportedOutsideIt) {
    const auto fail = [] { throw std::runtime_error("the disk is gone"); };
    {
        test::ExpectSwallowed expected;
        SkipOnError(fail);
        EXPECT_FALSE(StopOnError(fail));
    }
    SkipOnError(fail);
    EXPECT_THROW(SkipOnError([] { throw ProcessEnded{}; }), ProcessEnded);
    EXPECT_EQ(TakeUnexpectedSwallows(), std::vector<std::string>{"the disk is gone"});
}

}  // namespace
}  // namespace plivant
