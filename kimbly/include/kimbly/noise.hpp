#pragma once
// Seeded two-dimensional OpenSimplex noise for map generation.
//
// Maps must come out the same on every machine for a given seed, so the noise
// uses only plain IEEE double additions, multiplications and comparisons (the
// build forbids contraction into fused multiply-add and fast-math) and a
// permutation built from the seed with integer arithmetic alone.
#include <array>
#include <cstdint>

namespace kimbly::noise {

// A two-dimensional noise function: a point of two doubles in, a double out.
class Noise2 {
public:
    virtual ~Noise2() = default;
    virtual double get(double x, double y) const = 0;
};

// The original OpenSimplex construction in two dimensions: the plane is
// skewed onto a triangular lattice, and every lattice vertex near the point
// contributes (2 - d²)⁴ times the dot product of the offset with one of
// eight gradients picked by a seeded permutation. Values lie in about
// [-0.87, 0.87], always inside [-1, 1], and change smoothly (slope below 3).
class OpenSimplex final : public Noise2 {
public:
    // The permutation of 0..255 is a backward shuffle driven by the 64-bit
    // LCG s = s * 6364136223846793005 + 1442695040888963407 (mod 2^64):
    // s starts at the seed and advances three times; then for i from 255
    // down to 0 it advances once and r = (s + 31) mod (i + 1) picks the
    // entry of the remaining pool that becomes perm[i].
    explicit OpenSimplex(std::uint64_t seed);

    // Coordinates beyond about 1e15 in magnitude, infinities and NaN give
    // a finite but meaningless value.
    double get(double x, double y) const override;

private:
    double extrapolate(std::int64_t xsb, std::int64_t ysb, double dx, double dy) const;

    std::array<std::uint8_t, 256> perm_{};
};

}  // namespace kimbly::noise
