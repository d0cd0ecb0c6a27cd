#pragma once
// Byte vectors written as hex text, for tests of encodings.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// "07 00 00 00, 01" -> bytes; anything but hex digits separates.
std::vector<std::byte> hex(std::string_view text);

// Upper-case pairs separated by single spaces: "07 00 0A".
std::string to_hex(const std::vector<std::byte>& bytes);

}  // namespace test_support
