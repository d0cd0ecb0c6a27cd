#pragma once
// Fatal stops seen from tests: the message without leaving the process, or
// the whole program's stop in a child process.
#include <cstdlib>
#include <functional>
#include <string>

#include <kimbly/panic.hpp>

namespace pakko_gen::testing {

inline std::string stop_message(const std::function<void()>& action) {
    try {
        action();
    } catch (const kimbly::Panic& stop) {
        return stop.message();
    }
    return "no stop";
}

// The body of a death test: runs `action` as a program's main would.
[[noreturn]] inline void run_as_program(const std::function<void()>& action) {
    std::exit(kimbly::run_main([&] {
        action();
        return 0;
    }));
}

}  // namespace pakko_gen::testing
