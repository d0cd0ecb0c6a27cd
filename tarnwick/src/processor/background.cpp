#include "tarnwick/processor/background.hpp"

namespace tarnwick::processor::background {

void Parker::park() {
    std::unique_lock lock(mutex_);
    woken_.wait(lock, [&] { return token_; });
    token_ = false;
}

void Parker::unpark() {
    {
        std::lock_guard lock(mutex_);
        token_ = true;
    }
    woken_.notify_one();
}

}  // namespace tarnwick::processor::background
