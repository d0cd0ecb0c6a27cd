#include "pakko/utf8.hpp"

#include <cstdint>
#include <string>

#include "pakko/binary.hpp"

namespace pakko {

namespace {

struct Scan {
    std::size_t length;  // of the sequence, or of its ill-formed part (at least 1)
    bool well_formed;
};

// The sequence starting at `i`. Overlong forms, surrogates and code points
// above U+10FFFF are ill-formed.
Scan scan(std::span<const std::byte> bytes, std::size_t i) {
    auto at = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    std::uint8_t lead = at(i);
    if (lead < 0x80) return {1, true};
    std::size_t expected = 0;
    std::uint8_t lo = 0x80;
    std::uint8_t hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        expected = 2;
    } else if (lead == 0xE0) {
        expected = 3, lo = 0xA0;
    } else if (lead == 0xED) {
        expected = 3, hi = 0x9F;
    } else if (lead >= 0xE1 && lead <= 0xEF) {
        expected = 3;
    } else if (lead == 0xF0) {
        expected = 4, lo = 0x90;
    } else if (lead >= 0xF1 && lead <= 0xF3) {
        expected = 4;
    } else if (lead == 0xF4) {
        expected = 4, hi = 0x8F;
    } else {
        return {1, false};
    }
    std::size_t left = bytes.size() - i;
    for (std::size_t k = 1; k < expected; ++k) {
        if (k >= left || at(i + k) < lo || at(i + k) > hi) return {k, false};
        lo = 0x80, hi = 0xBF;
    }
    return {expected, true};
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
        Scan sequence = scan(bytes, i);
        if (!sequence.well_formed) {
            throw IoError(ErrorKind::InvalidData,
                          "invalid UTF-8 sequence starting at byte index " + std::to_string(i));
        }
        i += sequence.length;
    }
}

std::string utf8_lossy(std::string_view text) {
    auto bytes = std::as_bytes(std::span(text.data(), text.size()));
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        Scan sequence = scan(bytes, i);
        if (sequence.well_formed) {
            result.append(text.substr(i, sequence.length));
        } else {
            result.append("\xEF\xBF\xBD");
        }
        i += sequence.length;
    }
    return result;
}

}  // namespace pakko
