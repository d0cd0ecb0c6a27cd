#pragma once
// A monotonic clock that moves only when a test advances it, for code that
// takes its clock as a function instead of reading the steady clock, so that
// time-outs are checked without waiting for them. Safe to read from other
// threads while the test advances it.
#include <atomic>
#include <chrono>
#include <functional>

namespace test_support {

class FakeClock {
public:
    using Clock = std::chrono::steady_clock;

    Clock::time_point now() const;
    void advance(Clock::duration step);
    // Reads this clock; the clock must outlive the returned function.
    std::function<Clock::time_point()> source() const;

private:
    std::atomic<Clock::rep> ticks_{0};
};

}  // namespace test_support
