#include "test_support/waits.hpp"

#include <thread>

namespace test_support {

void Count::add() {
    std::lock_guard lock(mutex_);
    ++value_;
    raised_.notify_all();
}

std::size_t Count::value() const {
    std::lock_guard lock(mutex_);
    return value_;
}

bool Count::wait_for(std::size_t target, std::chrono::milliseconds patience) const {
    std::unique_lock lock(mutex_);
    return raised_.wait_for(lock, patience, [&] { return value_ >= target; });
}

bool poll_until(const std::function<bool()>& done, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace test_support
