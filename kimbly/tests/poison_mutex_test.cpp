#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "kimbly/panic.hpp"
#include "kimbly/poison_mutex.hpp"
#include "kimbly/thread.hpp"
#include "test_support/panic_message.hpp"

using test_support::panic_message;

namespace {

TEST(PoisonMutex, AHolderStoppedOnAnotherThreadBreaksItForEveryLaterUser) {
    kimbly::PoisonMutex<int> value(1);
    kimbly::Thread worker("holder", [&] {
        auto guard = value.lock();
        *guard = 2;  // half-way through a change
        kimbly::panic("stopped while holding");
    });
    EXPECT_TRUE(worker.join());
    EXPECT_TRUE(value.is_poisoned());
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(panic_message([&] { (void)value.lock(); }), kimbly::POISONED_LOCK);
    }
}

TEST(PoisonMutex, StaysUsableWhenErrorsAreHandledInsideOrRaisedOutsideTheLock) {
    kimbly::PoisonMutex<int> value(1);
    {
        auto guard = value.lock();
        try {
            throw std::runtime_error("recovered");
        } catch (const std::runtime_error&) {
        }
        *guard = 3;
    }
    try {
        { *value.lock() = 4; }
        throw std::runtime_error("after the lock was released");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(value.is_poisoned());
    EXPECT_EQ(*value.lock(), 4);
}

}  // namespace
