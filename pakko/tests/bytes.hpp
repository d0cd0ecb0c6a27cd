#pragma once
#include <cstddef>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

// "03 00 00 00 61" -> bytes; spaces are ignored.
inline std::vector<std::byte> hex(const std::string& text) {
    std::vector<std::byte> out;
    std::string digits;
    for (char c : text) {
        if (c != ' ') digits.push_back(c);
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        out.push_back(static_cast<std::byte>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    }
    return out;
}

inline std::string to_hex(const std::vector<std::byte>& bytes) {
    std::string out;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i ? " %02X" : "%02X", static_cast<unsigned>(bytes[i]));
        out += buffer;
    }
    return out;
}
