#pragma once
// Two-dimensional vectors: of 32-bit floats (positions on screen and in the
// world), of size values (cells of the grid, pixel sizes) and of 64-bit
// floats (input events and widget geometry).
#include <concepts>
#include <cstdint>

#include <pakko/describe.hpp>
#include <pakko/schema.hpp>
#include <pakko/traits.hpp>

#include "kimbly/num.hpp"

namespace kimbly {

template <class T>
struct Vec2 {
    T x{};
    T y{};

    bool operator==(const Vec2&) const = default;

    friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    Vec2& operator+=(Vec2 other) { return *this = *this + other; }
    Vec2& operator-=(Vec2 other) { return *this = *this - other; }

    friend Vec2 operator*(T s, Vec2 v)
        requires std::floating_point<T>
    {
        return {s * v.x, s * v.y};
    }

    T length() const
        requires std::floating_point<T>
    {
        return num::sqrt(x * x + y * y);
    }
};

using Vec2F32 = Vec2<float>;
using Vec2Usize = Vec2<std::uint64_t>;
using Vec2F64 = Vec2<double>;

// Binary and JSON forms follow from this description. JSON reads and
// writes it as {"x", "y"} and names it "struct Vec2" in its errors.
template <class T>
constexpr auto pakko_describe(pakko::Tag<Vec2<T>>) {
    return pakko::record<Vec2<T>>(
        "Vec2", pakko::doc(pakko::en("2 dimensional vector."), pakko::ru("Двумерный вектор")),
        pakko::field("x", &Vec2<T>::x,
                     pakko::doc(pakko::ru("Координата `x` вектора"), pakko::en("`x` coordinate of the vector"))),
        pakko::field("y", &Vec2<T>::y,
                     pakko::doc(pakko::en("`y` coordinate of the vector"), pakko::ru("Координата `y` вектора"))));
}

}  // namespace kimbly

// The schema is the described record under a name computed from the
// component's schema ("Vec2Float32", "Vec2Int32"), so that the vectors of
// different components stay distinct types in generated clients.
template <class T>
struct pakko::Traits<kimbly::Vec2<T>> {
    static pakko::Schema create_schema() {
        pakko::Struct result = pakko::record_struct<kimbly::Vec2<T>>();
        result.name = pakko::Name("Vec2" + pakko::Schema::of<T>()->full_name());
        return result;
    }
};
