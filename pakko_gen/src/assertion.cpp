#include "pakko_gen/assertion.hpp"

#include <kimbly/panic.hpp>

namespace pakko_gen {

std::string equality_assertion_message(std::string_view left, std::string_view right, std::string_view reason) {
    std::string message = "assertion failed: `(left == right)`\n  left: `";
    message += left;
    message += "`,\n right: `";
    message += right;
    message += "`: ";
    message += reason;
    return message;
}

void equality_assertion_failed(std::string_view left, std::string_view right, std::string_view reason) {
    kimbly::panic(equality_assertion_message(left, right, reason));
}

}  // namespace pakko_gen
