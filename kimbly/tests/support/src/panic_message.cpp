#include "test_support/panic_message.hpp"

#include "kimbly/panic.hpp"

namespace test_support {

std::string panic_message(const std::function<void()>& action, const std::string& none) {
    try {
        action();
    } catch (const kimbly::Panic& stop) {
        return stop.message();
    }
    return none;
}

}  // namespace test_support
