#pragma once
// The message of the fatal stop that an action ends with, for tests that
// check stops without leaving the process.
#include <functional>
#include <string>

namespace test_support {

std::string panic_message(const std::function<void()>& action, const std::string& none = "no stop");

}  // namespace test_support
