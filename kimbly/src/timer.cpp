#include "kimbly/timer.hpp"

namespace kimbly::timer {

double to_seconds(std::chrono::nanoseconds duration) {
    auto whole = std::chrono::duration_cast<std::chrono::seconds>(duration);
    auto rest = duration - whole;
    return static_cast<double>(whole.count()) + static_cast<double>(rest.count()) / 1e9;
}

double Timer::elapsed() const { return to_seconds(now_() - start_); }

double Timer::tick() {
    auto now = now_();
    double seconds = to_seconds(now - start_);
    start_ = now;
    return seconds;
}

}  // namespace kimbly::timer
