#pragma once
// The message of the fatal stop that an action ends with, for tests that
// check stops without leaving the process.
#include <functional>
#include <string>

#include "kimbly/panic.hpp"

namespace kimbly::testing {

inline std::string panic_message(const std::function<void()>& action, const std::string& none = "no stop") {
    try {
        action();
    } catch (const kimbly::Panic& stop) {
        return stop.message();
    }
    return none;
}

}  // namespace kimbly::testing
