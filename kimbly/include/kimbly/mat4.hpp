#pragma once
// 4×4 matrices held column by column, the layout OpenGL takes for a matrix
// uniform without transposition. Points and directions are columns
// (x, y, z, w) multiplied from the right.
#include <array>
#include <cstddef>

#include "kimbly/num.hpp"
#include "kimbly/vec3.hpp"

namespace kimbly {

template <class T>
struct Mat4 {
    using Column = std::array<T, 4>;

    // Element (row i, column j) is values[4 * j + i].
    std::array<T, 16> values{};

    T& at(std::size_t row, std::size_t column) { return values[4 * column + row]; }
    T at(std::size_t row, std::size_t column) const { return values[4 * column + row]; }

    Column column(std::size_t j) const { return {values[4 * j], values[4 * j + 1], values[4 * j + 2], values[4 * j + 3]}; }
    void set_column(std::size_t j, Column c) {
        for (std::size_t i = 0; i < 4; ++i) values[4 * j + i] = c[i];
    }

    static Mat4 identity() {
        Mat4 m;
        for (std::size_t i = 0; i < 4; ++i) m.at(i, i) = T(1);
        return m;
    }

    static Mat4 translation(T dx, T dy, T dz) {
        Mat4 m = identity();
        m.set_column(3, {dx, dy, dz, T(1)});
        return m;
    }

    static Mat4 rotation_x(T angle) {
        auto [s, c] = num::sin_cos(angle);
        Mat4 m = identity();
        m.set_column(1, {T(0), c, s, T(0)});
        m.set_column(2, {T(0), -s, c, T(0)});
        return m;
    }

    static Mat4 rotation_z(T angle) {
        auto [s, c] = num::sin_cos(angle);
        Mat4 m = identity();
        m.set_column(0, {c, s, T(0), T(0)});
        m.set_column(1, {-s, c, T(0), T(0)});
        return m;
    }

    // The OpenGL frustum looking down -z: fov is the full vertical angle,
    // aspect is width / height, and depths near..far map to -1..1.
    static Mat4 perspective(T fov, T aspect, T near, T far) {
        T ymax = num::tan(fov * T(0.5)) * near;
        T xmax = aspect * ymax;
        Mat4 m;
        m.at(0, 0) = (near + near) / (xmax + xmax);
        m.at(0, 2) = (xmax - xmax) / (xmax + xmax);
        m.at(1, 1) = (near + near) / (ymax + ymax);
        m.at(1, 2) = (ymax - ymax) / (ymax + ymax);
        m.at(2, 2) = (-far - near) / (far - near);
        m.at(2, 3) = -(near + near) * far / (far - near);
        m.at(3, 2) = T(-1);
        return m;
    }

    static Mat4 from_orts(Vec3 x, Vec3 y, Vec3 z) {
        Mat4 m;
        m.set_column(0, {x.x, x.y, x.z, T(0)});
        m.set_column(1, {y.x, y.y, y.z, T(0)});
        m.set_column(2, {z.x, z.y, z.z, T(0)});
        m.set_column(3, {T(0), T(0), T(0), T(1)});
        return m;
    }

    // x·column 0 + y·column 1 + z·column 2 + w·column 3, added in that order.
    Column apply(Column v) const {
        Column result;
        for (std::size_t i = 0; i < 4; ++i) {
            result[i] = v[0] * at(i, 0) + v[1] * at(i, 1) + v[2] * at(i, 2) + v[3] * at(i, 3);
        }
        return result;
    }

    friend Mat4 operator*(const Mat4& a, const Mat4& b) {
        Mat4 m;
        for (std::size_t j = 0; j < 4; ++j) m.set_column(j, a.apply(b.column(j)));
        return m;
    }

    friend Column operator*(const Mat4& a, Column v) { return a.apply(v); }

    // The identity for a singular matrix (determinant ±0), so a degenerate
    // camera never yields infinities; a NaN determinant gives NaN elements.
    Mat4 inverse() const;

    bool operator==(const Mat4&) const = default;
};

using Mat4F32 = Mat4<float>;

template <class T>
Mat4<T> Mat4<T>::inverse() const {
    // b(r, c) = values[4r + c] is the transpose. The minors s* are taken from
    // its first two rows (our first two columns) over every pair of
    // positions, c* from the last two over the complementary pairs. Inverting
    // the transpose and storing the result row-major transposes it back.
    const auto& v = values;
    auto b = [&](std::size_t r, std::size_t c) { return v[4 * r + c]; };

    T s0 = b(0, 0) * b(1, 1) - b(1, 0) * b(0, 1);
    T s1 = b(0, 0) * b(1, 2) - b(1, 0) * b(0, 2);
    T s2 = b(0, 0) * b(1, 3) - b(1, 0) * b(0, 3);
    T s3 = b(0, 1) * b(1, 2) - b(1, 1) * b(0, 2);
    T s4 = b(0, 1) * b(1, 3) - b(1, 1) * b(0, 3);
    T s5 = b(0, 2) * b(1, 3) - b(1, 2) * b(0, 3);

    T c5 = b(2, 2) * b(3, 3) - b(3, 2) * b(2, 3);
    T c4 = b(2, 1) * b(3, 3) - b(3, 1) * b(2, 3);
    T c3 = b(2, 1) * b(3, 2) - b(3, 1) * b(2, 2);
    T c2 = b(2, 0) * b(3, 3) - b(3, 0) * b(2, 3);
    T c1 = b(2, 0) * b(3, 2) - b(3, 0) * b(2, 2);
    T c0 = b(2, 0) * b(3, 1) - b(3, 0) * b(2, 1);

    T det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
    if (det == T(0)) return identity();
    T inv = T(1) / det;

    Mat4 r;
    r.values = {
        (b(1, 1) * c5 - b(1, 2) * c4 + b(1, 3) * c3) * inv,
        (-b(0, 1) * c5 + b(0, 2) * c4 - b(0, 3) * c3) * inv,
        (b(3, 1) * s5 - b(3, 2) * s4 + b(3, 3) * s3) * inv,
        (-b(2, 1) * s5 + b(2, 2) * s4 - b(2, 3) * s3) * inv,

        (-b(1, 0) * c5 + b(1, 2) * c2 - b(1, 3) * c1) * inv,
        (b(0, 0) * c5 - b(0, 2) * c2 + b(0, 3) * c1) * inv,
        (-b(3, 0) * s5 + b(3, 2) * s2 - b(3, 3) * s1) * inv,
        (b(2, 0) * s5 - b(2, 2) * s2 + b(2, 3) * s1) * inv,

        (b(1, 0) * c4 - b(1, 1) * c2 + b(1, 3) * c0) * inv,
        (-b(0, 0) * c4 + b(0, 1) * c2 - b(0, 3) * c0) * inv,
        (b(3, 0) * s4 - b(3, 1) * s2 + b(3, 3) * s0) * inv,
        (-b(2, 0) * s4 + b(2, 1) * s2 - b(2, 3) * s0) * inv,

        (-b(1, 0) * c3 + b(1, 1) * c1 - b(1, 2) * c0) * inv,
        (b(0, 0) * c3 - b(0, 1) * c1 + b(0, 2) * c0) * inv,
        (-b(3, 0) * s3 + b(3, 1) * s1 - b(3, 2) * s0) * inv,
        (b(2, 0) * s3 - b(2, 1) * s1 + b(2, 2) * s0) * inv,
    };
    return r;
}

}  // namespace kimbly
