#pragma once
// A stopwatch over the monotonic clock.
#include <chrono>

namespace kimbly::timer {

// Whole seconds plus the nanoseconds divided by 1e9, in 64-bit floating point.
double to_seconds(std::chrono::nanoseconds duration);

class Timer {
public:
    using Clock = std::chrono::steady_clock;

    Timer() : start_(Clock::now()) {}
    // Seconds since the start or the last tick; the timer is left alone.
    double elapsed() const;
    // Seconds since the start or the last tick, then restarts from the same
    // instant, so that consecutive ticks add up to the total without gaps.
    double tick();

private:
    Clock::time_point start_;
};

}  // namespace kimbly::timer
