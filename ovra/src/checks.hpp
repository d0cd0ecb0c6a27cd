#pragma once
// Broken invariants of the wrapper's callers, stopped with a message.
#include <cstdint>
#include <limits>
#include <string_view>

#include <fmt/format.h>
#include <kimbly/panic.hpp>

namespace ovra::detail {

// Sizes and counts held as 64-bit values reach GL as 32-bit ints. A value
// GL cannot take (including one that wrapped below zero) stops the program
// instead of being cut off.
inline std::int32_t gl_int(std::uint64_t value, std::string_view what) {
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        kimbly::panic(fmt::format("{} {} does not fit a GL int", what, value));
    }
    return static_cast<std::int32_t>(value);
}

// Stops unless left == right, showing both values and, when given, `message`.
inline void expect_equal(std::uint64_t left, std::uint64_t right, std::string_view message = {}) {
    if (left == right) return;
    kimbly::panic(fmt::format("assertion failed: `(left == right)`\n  left: `{}`,\n right: `{}`{}{}", left, right,
                              message.empty() ? "" : ": ", message));
}

}  // namespace ovra::detail
