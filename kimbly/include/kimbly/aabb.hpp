#pragma once
// Axis-aligned boxes: text extents and drawing rectangles (32-bit floats),
// widget boxes (64-bit floats) and viewports (size values).
#include <algorithm>
#include <cstdint>

#include "kimbly/vec2.hpp"

namespace kimbly {

template <class T>
struct AABB {
    T x_min{};
    T x_max{};
    T y_min{};
    T y_max{};

    // The box spanned by two opposite corners given in any order.
    static AABB from_corners(Vec2<T> a, Vec2<T> b) {
        return {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
    }

    T width() const { return x_max - x_min; }
    T height() const { return y_max - y_min; }

    bool operator==(const AABB&) const = default;
};

using AabbF32 = AABB<float>;
using AabbF64 = AABB<double>;
using AabbUsize = AABB<std::uint64_t>;

}  // namespace kimbly
