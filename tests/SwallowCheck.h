// Both test programs fail a test in which an error policy swallowed a failure that the test did not declare with an
// ExpectSwallowed scope: a swallowed failure is otherwise invisible.
#pragma once
#include <gtest/gtest.h>

#include "util/ErrorPolicy.h"

namespace plivant::test {

// The test expects the policies to swallow a failure within this scope, at least one.
struct ExpectSwallowed {
    ~ExpectSwallowed() { EXPECT_GT(expecting.Count(), 0) << "no failure was swallowed"; }
    ExpectingSwallowed expecting;
};

class SwallowCheck final : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { TakeUnexpectedSwallows(); }
    void OnTestEnd(const testing::TestInfo&) override {
        for (const std::string& what : TakeUnexpectedSwallows()) ADD_FAILURE() << "a failure was swallowed: " << what;
    }
};

// Each test program adds the check once, before its tests run.
inline bool AddSwallowCheck() {
    testing::UnitTest::GetInstance()->listeners().Append(new SwallowCheck);
    return true;
}

}  // namespace plivant::test
