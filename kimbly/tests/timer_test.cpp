#include "kimbly/timer.hpp"

#include <gtest/gtest.h>

#include <chrono>

#include "test_support/fake_clock.hpp"

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

TEST(Timer, ReadsTheMonotonicClockUnlessGivenOne) {
    const auto before = Timer::Clock::now();
    Timer timer;
    const double elapsed = timer.elapsed();
    const double bound = to_seconds(Timer::Clock::now() - before);
    EXPECT_GE(elapsed, 0.0);
    EXPECT_LE(elapsed, bound);
}

TEST(Timer, ElapsedLeavesTheTimerAlone) {
    test_support::FakeClock clock;
    clock.advance(3s);
    Timer timer(clock.source());
    clock.advance(5ms);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.005);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.005);
}

TEST(Timer, TickRestartsFromTheInstantItMeasuredTo) {
    // Every reading finds this clock 1 ms later: a tick that read it again to
    // restart would lose the time between its two readings.
    test_support::FakeClock clock;
    Timer timer([&clock] {
        clock.advance(1ms);
        return clock.now();
    });
    EXPECT_DOUBLE_EQ(timer.tick(), 0.001);
    EXPECT_DOUBLE_EQ(timer.tick(), 0.001);
    clock.advance(20ms);
    EXPECT_DOUBLE_EQ(timer.elapsed(), 0.021);
    EXPECT_DOUBLE_EQ(timer.tick(), 0.022);
}

}  // namespace
}  // namespace kimbly::timer
