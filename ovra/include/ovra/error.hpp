#pragma once
// The kinds of GL error the wrapper tells apart.
#include <cstdint>
#include <string_view>

namespace ovra::error {

// Each kind is its GL code; every code without a kind of its own (1283 and
// 1284 included) is Unknown, held as 1287.
enum class Error : std::uint32_t {
    InvalidEnum = 1280,
    InvalidValue = 1281,
    InvalidOperation = 1282,
    OutOfMemory = 1285,
    InvalidFramebufferOperation = 1286,
    Unknown = 1287,
};

// The kind of a nonzero glGetError code.
Error from_code(std::uint32_t code);

// The kind's debug text: its name.
std::string_view name(Error kind);

}  // namespace ovra::error
