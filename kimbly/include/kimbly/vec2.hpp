#pragma once
// Two-dimensional vectors: of 32-bit floats (positions on screen and in the
// world), of size values (cells of the grid) and of 64-bit floats.
#include <cstdint>

namespace kimbly {

template <class T>
struct Vec2 {
    T x{};
    T y{};
    bool operator==(const Vec2&) const = default;
};

using Vec2F32 = Vec2<float>;
using Vec2Usize = Vec2<std::uint64_t>;
using Vec2F64 = Vec2<double>;

}  // namespace kimbly
