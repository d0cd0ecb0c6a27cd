#include "test_support/fake_clock.hpp"

namespace test_support {

FakeClock::Clock::time_point FakeClock::now() const { return Clock::time_point(Clock::duration(ticks_.load())); }

void FakeClock::advance(Clock::duration step) { ticks_.fetch_add(step.count()); }

std::function<FakeClock::Clock::time_point()> FakeClock::source() const {
    return [this] { return now(); };
}

}  // namespace test_support
