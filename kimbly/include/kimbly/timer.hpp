#pragma once
// A stopwatch over the monotonic clock, or over a clock of the caller's, so
// that what depends on elapsed time can be checked without waiting.
#include <chrono>
#include <functional>
#include <utility>

namespace kimbly::timer {

// Whole seconds plus the nanoseconds divided by 1e9, in 64-bit floating point.
double to_seconds(std::chrono::nanoseconds duration);

class Timer {
public:
    using Clock = std::chrono::steady_clock;
    // Where a timer reads the time; it must never go back.
    using Now = std::function<Clock::time_point()>;

    explicit Timer(Now now = Clock::now) : now_(std::move(now)), start_(now_()) {}
    // Seconds since the start or the last tick; the timer is left alone.
    double elapsed() const;
    // Seconds since the start or the last tick, then restarts from the same
    // instant, so that consecutive ticks add up to the total without gaps.
    double tick();

private:
    Now now_;
    Clock::time_point start_;
};

}  // namespace kimbly::timer
