#pragma once
// The floating-point operations the geometry relies on. The 32-bit versions
// call the C library's single-precision functions, so camera and matrix
// results do not drift through a detour via double.
#include <cmath>
#include <concepts>
#include <limits>
#include <utility>

namespace kimbly::num {

inline float sqrt(float value) { return ::sqrtf(value); }
inline float tan(float angle) { return ::tanf(angle); }
inline float sin(float angle) { return ::sinf(angle); }
inline float cos(float angle) { return ::cosf(angle); }
// The arc tangent of a / b in the quadrant of the point (b, a).
inline float atan2(float a, float b) { return ::atan2f(a, b); }

inline double sqrt(double value) { return std::sqrt(value); }
inline double tan(double angle) { return std::tan(angle); }
inline double sin(double angle) { return std::sin(angle); }
inline double cos(double angle) { return std::cos(angle); }
inline double atan2(double a, double b) { return std::atan2(a, b); }

// (sine, cosine); the sine is taken first.
template <class T>
std::pair<T, T> sin_cos(T angle) {
    T s = num::sin(angle);
    T c = num::cos(angle);
    return {s, c};
}

// Float to integer for computed or untrusted values, where a plain cast out
// of range is undefined behaviour: truncates towards zero, clamps to the
// target's range, and gives 0 for NaN.
template <std::integral I, std::floating_point F>
constexpr I saturating_cast(F value) {
    if (value != value) return I(0);
    constexpr I lo = std::numeric_limits<I>::min();
    constexpr I hi = std::numeric_limits<I>::max();
    if (value <= static_cast<F>(lo)) return lo;
    // static_cast<F>(hi) rounds up to the next power of two where F cannot
    // hold hi exactly, so everything below it converts without overflow.
    if (value >= static_cast<F>(hi)) return hi;
    return static_cast<I>(value);
}

}  // namespace kimbly::num
