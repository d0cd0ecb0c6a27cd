#pragma once
// How many threads this process runs, for tests that check that every thread
// an owner started has ended with it.
#include <cstddef>
#include <filesystem>
#include <iterator>

#include <test_support/waits.hpp>

namespace live_threads {

inline std::size_t count() {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/task"), std::filesystem::directory_iterator()));
}

// Waits until no more than `baseline` threads run. A thread that has ended
// may stay listed for a moment while the kernel releases it; one that keeps
// running stays for good.
inline bool back_to(std::size_t baseline) {
    return test_support::poll_until([&] { return count() <= baseline; });
}

}  // namespace live_threads
