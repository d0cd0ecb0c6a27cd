#pragma once
// The fatal stop of a broken invariant that compares two values.
#include <string>
#include <string_view>

namespace pakko_gen {

// "assertion failed: `(left == right)`" with both values and the reason.
std::string equality_assertion_message(std::string_view left, std::string_view right, std::string_view reason);

[[noreturn]] void equality_assertion_failed(std::string_view left, std::string_view right, std::string_view reason);

}  // namespace pakko_gen
