#include <cstdint>
#include <string>

#include "pakko/binary.hpp"

namespace pakko {

namespace {

// Length of the well-formed sequence starting at `i`, or 0 when it is not one
// (overlong forms, surrogates and code points above U+10FFFF are rejected).
std::size_t sequence_length(std::span<const std::byte> bytes, std::size_t i) {
    auto at = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    std::uint8_t lead = at(i);
    std::size_t left = bytes.size() - i;
    auto cont = [&](std::size_t k, std::uint8_t lo = 0x80, std::uint8_t hi = 0xBF) {
        return k < left && at(i + k) >= lo && at(i + k) <= hi;
    };
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return cont(1) ? 2 : 0;
    if (lead == 0xE0) return cont(1, 0xA0) && cont(2) ? 3 : 0;
    if (lead == 0xED) return cont(1, 0x80, 0x9F) && cont(2) ? 3 : 0;
    if (lead >= 0xE1 && lead <= 0xEF) return cont(1) && cont(2) ? 3 : 0;
    if (lead == 0xF0) return cont(1, 0x90) && cont(2) && cont(3) ? 4 : 0;
    if (lead >= 0xF1 && lead <= 0xF3) return cont(1) && cont(2) && cont(3) ? 4 : 0;
    if (lead == 0xF4) return cont(1, 0x80, 0x8F) && cont(2) && cont(3) ? 4 : 0;
    return 0;
}

}  // namespace

void check_utf8(std::span<const std::byte> bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        // ASCII runs dominate the system's texts.
        if (static_cast<std::uint8_t>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = sequence_length(bytes, i);
        if (length == 0) {
            throw IoError(ErrorKind::InvalidData,
                          "invalid UTF-8 sequence starting at byte index " + std::to_string(i));
        }
        i += length;
    }
}

}  // namespace pakko
