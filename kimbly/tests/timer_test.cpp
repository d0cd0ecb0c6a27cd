#include "kimbly/timer.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace kimbly::timer {
namespace {

using namespace std::chrono_literals;

TEST(Timer, SecondsAreWholeSecondsPlusNanoseconds) {
    struct Case {
        std::chrono::nanoseconds duration;
        double seconds;
    };
    const Case cases[] = {
        {0ns, 0.0},
        {1500ms, 1.5},
        {999'999'999ns, 0.999999999},
        {std::chrono::seconds(86'400 * 365) + 1ns, 31'536'000.0 + 1e-9},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(to_seconds(c.duration), c.seconds) << c.duration.count();
}

TEST(Timer, ElapsedLeavesTheTimerAlone) {
    Timer timer;
    std::this_thread::sleep_for(5ms);
    double first = timer.elapsed();
    double second = timer.elapsed();
    EXPECT_GE(first, 0.005);
    EXPECT_GE(second, first);
}

TEST(Timer, TickRestartsFromTheInstantItMeasuredTo) {
    Timer outer;
    Timer timer;
    std::this_thread::sleep_for(20ms);
    double first = timer.tick();
    double second = timer.tick();
    double total = outer.elapsed();
    EXPECT_GE(first, 0.020);
    EXPECT_LT(second, first);
    // No gap and no overlap between consecutive ticks.
    EXPECT_LE(first + second, total);
    EXPECT_LT(timer.elapsed(), first);
}

}  // namespace
}  // namespace kimbly::timer
