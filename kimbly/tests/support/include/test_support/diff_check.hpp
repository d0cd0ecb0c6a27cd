#pragma once
// Property checks every Diff implementation must pass; include from any
// package's tests: EXPECT_TRUE(test_support::diff_round_trips(a, b)).
#include <gtest/gtest.h>

#include "kimbly/diff.hpp"

namespace test_support {

// update(a, diff(a, b)) == b, and the delta of a value with itself changes
// nothing.
template <kimbly::Diffable T>
::testing::AssertionResult diff_round_trips(const T& a, const T& b) {
    T updated = a;
    kimbly::update(updated, kimbly::diff(a, b));
    if (!(updated == b)) {
        return ::testing::AssertionFailure() << "update(a, diff(a, b)) != b\n  a: " << ::testing::PrintToString(a)
                                             << "\n  b: " << ::testing::PrintToString(b)
                                             << "\n  got: " << ::testing::PrintToString(updated);
    }
    T same = a;
    kimbly::update(same, kimbly::diff(a, a));
    if (!(same == a)) {
        return ::testing::AssertionFailure() << "update(a, diff(a, a)) != a\n  a: " << ::testing::PrintToString(a)
                                             << "\n  got: " << ::testing::PrintToString(same);
    }
    return ::testing::AssertionSuccess();
}

}  // namespace test_support
