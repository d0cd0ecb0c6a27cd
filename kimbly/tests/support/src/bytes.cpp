#include "test_support/bytes.hpp"

#include <cctype>

namespace test_support {

std::vector<std::byte> hex(std::string_view text) {
    std::vector<std::byte> out;
    std::string digits;
    for (char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
        if (digits.size() == 2) {
            out.push_back(static_cast<std::byte>(std::stoi(digits, nullptr, 16)));
            digits.clear();
        }
    }
    return out;
}

std::string to_hex(const std::vector<std::byte>& bytes) {
    static constexpr const char* DIGITS = "0123456789ABCDEF";
    std::string out;
    for (auto b : bytes) {
        if (!out.empty()) out += ' ';
        auto v = static_cast<unsigned>(b);
        out += DIGITS[v >> 4];
        out += DIGITS[v & 15];
    }
    return out;
}

}  // namespace test_support
