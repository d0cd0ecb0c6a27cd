#pragma once
// Waits for tests: on a count that other threads raise, or, where the code
// under test offers its progress only to be asked (as the program asks once a
// frame), a bounded poll of that condition.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>

namespace test_support {

inline constexpr std::chrono::seconds PATIENCE{10};

// Raised from any thread; a test waits until it reaches a value.
class Count {
public:
    void add();
    std::size_t value() const;
    // False when `target` was not reached within the patience.
    bool wait_for(std::size_t target, std::chrono::milliseconds patience = PATIENCE) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable raised_;
    std::size_t value_ = 0;
};

// Asks `done` every millisecond until it holds; false when it still does not
// after the patience. Only for state that has no event to wait on.
bool poll_until(const std::function<bool()>& done, std::chrono::milliseconds patience = PATIENCE);

}  // namespace test_support
