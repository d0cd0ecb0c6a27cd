#pragma once
// A point or direction in space; Mat4::from_orts takes three of them as axes.

namespace kimbly {

struct Vec3 {
    float x{};
    float y{};
    float z{};
    bool operator==(const Vec3&) const = default;
};

}  // namespace kimbly
