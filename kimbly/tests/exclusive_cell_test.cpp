#include <gtest/gtest.h>

#include <kimbly/exclusive_cell.hpp>
#include <test_support/panic_message.hpp>

namespace {

TEST(ExclusiveCell, TakenAgainWhileTakenStopsAndFreesOnRelease) {
    kimbly::ExclusiveCell<int> cell(4);
    {
        auto value = cell.borrow_mut();
        *value += 1;
        EXPECT_EQ(test_support::panic_message([&] { (void)cell.borrow_mut(); }), "already borrowed");
    }
    EXPECT_EQ(*cell.borrow_mut(), 5);
}

}  // namespace
