#pragma once
// How many threads this process runs, for tests that check that every thread
// an owner started has ended with it.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <iterator>
#include <thread>

namespace live_threads {

inline std::size_t count() {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/task"), std::filesystem::directory_iterator()));
}

// Waits until no more than `baseline` threads run. A thread that has ended
// may stay listed for a moment while the kernel releases it; one that keeps
// running stays for good.
inline bool back_to(std::size_t baseline) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (count() > baseline) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace live_threads
